// The text list: line ends when loading, CR LF when saving, bounds of Get/Put, failed loads.
#include "platform/TextList.h"

#include "platform/SysUtils.h"
#include "tests/support/TempFolder.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

::testing::AssertionResult Mentions(const std::string& message, const std::string& part) {
    if (message.find(part) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << message << "\" does not mention " << part;
}

using Lines = std::vector<std::string>;

// Every byte value but CR and LF, so a test can tell that no byte is translated.
std::string AllPlainBytes() {
    std::string bytes;
    for (int value = 0; value <= 0xFF; ++value)
        if (value != '\r' && value != '\n') bytes += static_cast<char>(value);
    return bytes;
}

struct LineEndCase {
    const char* name;
    std::string bytes;
    Lines lines;
};

const LineEndCase LineEndCases[] = {
    {"empty file", "", {}},
    {"only CR LF", "\r\n", {""}},
    {"only LF", "\n", {""}},
    {"only CR", "\r", {""}},
    {"one line without end", "a", {"a"}},
    {"CR LF after last line", "a\r\nb\r\n", {"a", "b"}},
    {"LF after last line", "a\nb\n", {"a", "b"}},
    {"CR after last line", "a\rb\r", {"a", "b"}},
    {"no end after last line", "a\r\nb", {"a", "b"}},
    {"mixed ends", "a\nb\rc\r\nd", {"a", "b", "c", "d"}},
    {"empty line before final end", "a\r\n\r\n", {"a", ""}},
    {"LF CR is two ends", "\n\r", {"", ""}},
    {"CR CR LF is two ends", "a\r\r\nb", {"a", "", "b"}},
    {"blank lines between", "a\n\n\nb", {"a", "", "", "b"}},
    {"high bytes kept", "\x80\xff\xe9\r\n\xa0", {"\x80\xff\xe9", "\xa0"}},
    {"every plain byte kept", AllPlainBytes() + "\r\n", {AllPlainBytes()}},
};

TEST(TextListSplit, EndsLinesAtCrLfLfOrCr) {
    for (const LineEndCase& c : LineEndCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TStringList::SplitText(c.bytes), c.lines);
    }
}

TEST(TextListLoad, EndsLinesAtCrLfLfOrCr) {
    const TempFolder folder;
    for (const LineEndCase& c : LineEndCases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder / "lines.txt";
        WriteFile(path, c.bytes);
        TStringList list({"previous content"});
        list.LoadFromFile(path);
        EXPECT_EQ(list.Lines(), c.lines);
    }
}

TEST(TextListLoad, FailureLeavesContentAndNamesThePath) {
    const TempFolder folder;
    MakeFolder(folder / "a folder");
    const struct {
        const char* name;
        std::string path;
        const char* reason;
    } cases[] = {
        {"missing file", folder / "missing.txt", "No such file or directory"},
        {"file in missing folder", folder / "missing/x.txt", "No such file or directory"},
        {"folder at the path", folder / "a folder", "Is a directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TStringList list({"keep", "these"});
        try {
            list.LoadFromFile(c.path);
            ADD_FAILURE() << "no error";
        } catch (const EFileError& error) {
            EXPECT_TRUE(Mentions(error.Message(), "\"" + c.path + "\""));
            EXPECT_TRUE(Mentions(error.Message(), c.reason));
        }
        EXPECT_EQ(list.Lines(), (Lines{"keep", "these"}));
    }
}

TEST(TextListIndex, OutsideTheLinesThrows) {
    TStringList list({"a", "b", "c"});
    for (const int index : {-1, list.Count(), 1000}) {
        SCOPED_TRACE(index);
        const std::string message = "List index out of bounds (" + IntToStr(index) + ")";
        try {
            list.Get(index);
            ADD_FAILURE() << "Get gave no error";
        } catch (const EStringListError& error) {
            EXPECT_EQ(error.Message(), message);
        }
        EXPECT_THROW(list[index], EStringListError);
        EXPECT_THROW(list.Put(index, "x"), EStringListError);
    }
    EXPECT_EQ(list.Lines(), (Lines{"a", "b", "c"}));
    EXPECT_THROW(TStringList().Get(0), EStringListError);
}

TEST(TextListIndex, PutReplacesOneLine) {
    TStringList list({"a", "b", "c"});
    list.Put(0, "first");
    list.Put(2, "last");
    EXPECT_EQ(list.Lines(), (Lines{"first", "b", "last"}));
    EXPECT_EQ(list.Get(2), "last");
}

TEST(TextListSave, EveryLineEndsWithCrLf) {
    const TempFolder folder;
    const struct {
        const char* name;
        Lines lines;
        std::string bytes;
    } cases[] = {
        {"no lines", {}, ""},
        {"one empty line", {""}, "\r\n"},
        {"empty line inside", {"a", "", "b"}, "a\r\n\r\nb\r\n"},
        {"high bytes as they are", {"\xef\xbb\xbf", "\xe9\xff"}, "\xef\xbb\xbf\r\n\xe9\xff\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder / "saved.txt";
        // A longer old file must leave nothing of itself behind.
        WriteFile(path, std::string(1000, 'o'));
        const TStringList list(c.lines);
        list.SaveToFile(path);
        EXPECT_EQ(ReadFile(path), c.bytes);
        EXPECT_EQ(list.JoinedText(), c.bytes);
    }
}

TEST(TextListSave, CrLfFileRoundTripsByteForByte) {
    const TempFolder folder;
    const std::string bytes = "[section]\r\n\r\n" + AllPlainBytes() + "\r\n\t x \r\n";
    WriteFile(folder / "in.txt", bytes);
    TStringList list;
    list.LoadFromFile(folder / "in.txt");
    list.SaveToFile(folder / "out.txt");
    EXPECT_EQ(ReadFile(folder / "out.txt"), bytes);
}

TEST(TextListSave, FailureThrowsAndKeepsTheFolderAtThePath) {
    const TempFolder folder;
    MakeFolder(folder / "taken");
    WriteFile(folder / "taken/inside.txt", "inside");
    const std::string path = folder / "taken";
    try {
        TStringList({"a"}).SaveToFile(path);
        FAIL() << "no error";
    } catch (const EFileError& error) {
        EXPECT_TRUE(Mentions(error.Message(), "\"" + path + "\""));
    }
    EXPECT_EQ(ReadFile(folder / "taken/inside.txt"), "inside");
}

}  // namespace
