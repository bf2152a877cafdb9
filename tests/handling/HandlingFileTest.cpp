// Tests of the handling file's line routines: sections, record names, splitting and
// joining record lines, paths and saving.
#include "handling/HandlingFile.h"

#include <csignal>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <sys/resource.h>

#include "platform/SysUtils.h"
#include "tests/support/TempFolder.h"

namespace {

using Lines = std::vector<std::string>;

THandlingFile FileOf(const Lines& lines) { return THandlingFile(lines); }

// The lines of one section, read as the editor reads them; the fixture must end the
// section with a comment line.
Lines SectionRecords(const THandlingFile& file, int section) {
    Lines taken;
    WalkSectionLines(file, FindSectionStart(file, section),
                     [&](const std::string& line) { taken.push_back(line); });
    return taken;
}

std::string Sep() { return PathDelim; }

// ---- comment lines and sections ----

TEST(IsCommentLine, OnlyTheFirstCharacterCounts) {
    struct Case {
        std::string line;
        bool comment;
    };
    const Case cases[] = {
        {";", true},     {"; --- cars ---", true}, {";;", true},  {"", false},
        {" ;x", false},  {"\t;x", false},          {"CAR ;", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsCommentLine(c.line), c.comment) << '"' << c.line << '"';
}

struct SectionCase {
    const char* name;
    Lines lines;
    int section;
    int start;
    Lines records;
};

TEST(Sections, StartAndRecordsOfEachSection) {
    const SectionCase cases[] = {
        {"lines before the first comment are in no section",
         {"LOOSE 1", "", ";head", "CAR 1", ";end"}, 0, 3, {"CAR 1"}},
        {"three comment lines in a row are one block",
         {";a", ";b", ";c", "CAR 1", "VAN 2", ";end"}, 0, 3, {"CAR 1", "VAN 2"}},
        {"block of three, then the next section",
         {";a", ";b", ";c", "CAR 1", ";d", "BOAT 2", ";end"}, 1, 5, {"BOAT 2"}},
        {"one comment line separates two sections (first)",
         {";head", "CAR 1", "VAN 2", ";", "BOAT 3", ";end"}, 0, 1, {"CAR 1", "VAN 2"}},
        {"one comment line separates two sections (second)",
         {";head", "CAR 1", "VAN 2", ";", "BOAT 3", ";end"}, 1, 4, {"BOAT 3"}},
        {"an empty line right after a block is the first record",
         {";head", "", "CAR 1", ";end"}, 0, 1, {"", "CAR 1"}},
        {"an empty line inside a section is a record",
         {";head", "CAR 1", "", "VAN 2", ";end"}, 0, 1, {"CAR 1", "", "VAN 2"}},
        {"a blank before ';' makes a record line",
         {";head", "  ;x", "CAR 1", ";end"}, 0, 1, {"  ;x", "CAR 1"}},
        {"a blank-prefixed ';' does not separate sections",
         {";head", "CAR 1", " ;x", "VAN 2", ";end", "BOAT 3", ";end"}, 1, 5, {"BOAT 3"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const THandlingFile file = FileOf(c.lines);
        EXPECT_EQ(FindSectionStart(file, c.section), c.start);
        EXPECT_EQ(SectionRecords(file, c.section), c.records);
    }
}

TEST(Sections, FindingAMissingSectionThrows) {
    struct Case {
        const char* name;
        Lines lines;
        int section;
    };
    const Case cases[] = {
        {"empty file", {}, 0},
        {"no comment line at all", {"CAR 1", "VAN 2"}, 0},
        {"section beyond the last block", {";head", "CAR 1", ";end", "VAN 2"}, 2},
        {"comment block that ends the file", {";head", "CAR 1", ";end", ";really"}, 1},
        {"file of comment lines only", {";a", ";b"}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(FindSectionStart(FileOf(c.lines), c.section), EStringListError);
    }
}

TEST(Sections, WalkOfALastSectionTakesEveryLineThenThrows) {
    const THandlingFile file = FileOf({";head", "CAR 1", ";", "BOAT 2", "", "SKIFF 3"});
    Lines taken;
    EXPECT_THROW(WalkSectionLines(file, FindSectionStart(file, 1),
                                  [&](const std::string& line) { taken.push_back(line); }),
                 EStringListError);
    EXPECT_EQ(taken, (Lines{"BOAT 2", "", "SKIFF 3"}));
}

// ---- record names ----

TEST(GetRecordName, TextBeforeTheFirstBlankWithinFourteenCharacters) {
    struct Case {
        std::string line;
        std::string name;
    };
    const Case cases[] = {
        {"ABCDEFGHIJKLMN 1200.0 2.0", "ABCDEFGHIJKLMN"},  // 14 characters, then a blank
        {"ABCDEFGHIJKLMNOPQRST 1200.0", "ABCDEFGHIJKLMN"},  // 20 characters, cut
        {"ABCDEFGHIJKLMNO", "ABCDEFGHIJKLMN"},
        {"ABCDEFGHIJKLMN", "ABCDEFGHIJKLMN"},
        {"ABCDEFGHIJKLM N", "ABCDEFGHIJKLM"},
        {"SHORT", "SHORT"},
        {"CAR\t1200.0", "CAR"},
        {"CAR 1200.0", "CAR"},
        {" CAR 1200.0", ""},
        {"\tCAR", ""},
        {"  ;x", ""},
        {"", ""},
        {"\xC9T\xC9\xA0X 1", "\xC9T\xC9\xA0X"},  // bytes >= 0x80 are no blanks
        {"CAR\r\x0B" "1 2", "CAR\r\x0B" "1"},        // nor are other control characters
    };
    for (const auto& c : cases) EXPECT_EQ(GetRecordName(c.line), c.name) << '"' << c.line << '"';
}

TEST(GetRecordName, LongIdentifierIsCutWhileTokenZeroKeepsIt) {
    const std::string line = "ABCDEFGHIJKLMNOPQRST 1200.0 2.0";
    EXPECT_EQ(GetRecordName(line), "ABCDEFGHIJKLMN");
    EXPECT_EQ(SplitRecordLine(line).Get(0), "ABCDEFGHIJKLMNOPQRST");
}

// ---- splitting and joining ----

// "T0 T1 ... T<count-1>", one space apart.
std::string NumberedLine(int count) {
    std::string line;
    for (int index = 0; index < count; ++index) line += (index ? " T" : "T") + std::to_string(index);
    return line;
}

Lines NumberedTokens(int count) {
    Lines tokens;
    for (int index = 0; index < count; ++index) tokens.push_back("T" + std::to_string(index));
    return tokens;
}

TEST(SplitRecordLine, AlwaysThirtyThreeTokens) {
    struct Case {
        const char* name;
        std::string line;
        Lines leading;  // the tokens before the empty ones
    };
    const Case cases[] = {
        {"three words", "CAR 1200.0 R", {"CAR", "1200.0", "R"}},
        {"tabs and runs of blanks", "CAR\t1200.0  \t R", {"CAR", "1200.0", "R"}},
        {"leading and trailing blanks", " \tCAR 1200.0 R \t ", {"CAR", "1200.0", "R"}},
        {"the empty line", "", {}},
        {"only blanks", " \t  ", {}},
        {"exactly 33", NumberedLine(33), NumberedTokens(33)},
        {"33 and trailing blanks", NumberedLine(33) + "  \t", NumberedTokens(33)},
        {"the 34th and later are dropped", NumberedLine(40), NumberedTokens(33)},
        {"fewer than 33", NumberedLine(20), NumberedTokens(20)},
        {"only space and TAB separate", "A\xA0" "B C\rD\x0B" "E", {"A\xA0" "B", "C\rD\x0B" "E"}},
        {"a ';' is an ordinary character", "  ;x ;y", {";x", ";y"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TRecordTokens tokens = SplitRecordLine(c.line);
        ASSERT_EQ(tokens.Count(), RecordTokenCount);
        Lines expected = c.leading;
        expected.resize(RecordTokenCount);
        EXPECT_EQ(tokens.Lines(), expected);
    }
}

TEST(SplitRecordLine, TabsAndRunsGiveTheSameTokensAsSingleSpaces) {
    const std::string single = "ROADSTER 1200.0 2.0 4.3 R P 2000 1 1";
    const std::string mixed = "ROADSTER\t1200.0   2.0 \t4.3\t\tR  P 2000\t1 1";
    EXPECT_EQ(SplitRecordLine(mixed), SplitRecordLine(single));
}

TEST(JoinRecordTokens, OneSpaceBetweenTokensNothingTrimmed) {
    EXPECT_EQ(JoinRecordTokens(TRecordTokens({"CAR", "1.0", "R"})), "CAR 1.0 R");
    EXPECT_EQ(JoinRecordTokens(TRecordTokens({" A", "", "B\t"})), " A  B\t");
    EXPECT_EQ(JoinRecordTokens(TRecordTokens()), "");
}

TEST(JoinRecordTokens, RoundTripOfAThirtyThreeTokenLine) {
    const std::string line = NumberedLine(33);
    EXPECT_EQ(JoinRecordTokens(SplitRecordLine(line)), line);

    std::string tabbed = line;
    for (char& c : tabbed)
        if (c == ' ') c = '\t';
    EXPECT_EQ(JoinRecordTokens(SplitRecordLine("  " + tabbed + " ")), line);
}

TEST(JoinRecordTokens, ShortLineGetsSpacesForItsEmptyTokens) {
    EXPECT_EQ(JoinRecordTokens(SplitRecordLine("CAR 1.0 R")), "CAR 1.0 R" + std::string(30, ' '));
}

TEST(JoinRecordTokens, EmptyTokenShiftsLaterTokensWhenSplitAgain) {
    TRecordTokens tokens = SplitRecordLine(NumberedLine(33));
    tokens.Put(1, "");
    const std::string joined = JoinRecordTokens(tokens);
    EXPECT_EQ(joined.substr(0, 6), "T0  T2");

    const TRecordTokens again = SplitRecordLine(joined);
    ASSERT_EQ(again.Count(), RecordTokenCount);
    EXPECT_EQ(again.Get(0), "T0");
    for (int index = 1; index < 32; ++index)
        EXPECT_EQ(again.Get(index), "T" + std::to_string(index + 1)) << index;
    EXPECT_EQ(again.Get(32), "");
}

// ---- paths ----

TEST(HandlingPaths, PlainConcatenation) {
    struct Case {
        std::string folder;
        std::string file;
    };
    const Case cases[] = {
        {"/games/vc", "/games/vc" + Sep() + "data" + Sep() + "handling.cfg"},
        {"/games/vc" + Sep(), "/games/vc" + Sep() + Sep() + "data" + Sep() + "handling.cfg"},
        {"", Sep() + "data" + Sep() + "handling.cfg"},
        {"Game Folder", "Game Folder" + Sep() + "data" + Sep() + "handling.cfg"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HandlingFilePath(c.folder), c.file);
        EXPECT_EQ(HandlingBackupPath(c.folder), c.file + ".bak");
    }
}

// ---- saving ----

class SaveHandlingLinesTest : public testing::Test {
protected:
    SaveHandlingLinesTest() { MakeFolder(game() + "/data"); }

    std::string game() const { return folder / "game"; }
    std::string handlingFile() const { return game() + "/data/handling.cfg"; }
    TStringList settings() const { return TStringList({game()}); }

    TempFolder folder;
};

TEST_F(SaveHandlingLinesTest, WritesCrLfAfterEveryLineAndKeepsUntouchedLinesByteForByte) {
    struct Case {
        const char* name;
        std::string before;
    };
    const Case cases[] = {
        {"LF line ends",
         "; h\xE9" "ad\xA0\n;\tcols\nCAR\t1.0  R\nVAN 2.0 F\n\n;end \xFF\n"},
        {"no final line end",
         "; h\xE9" "ad\xA0\r\n;\tcols\nCAR\t1.0  R\rVAN 2.0 F\r\n\r\n;end \xFF"},
    };
    const std::string after =
        "; h\xE9" "ad\xA0\r\n;\tcols\r\nCAR\t1.0  R\r\nTRUCK 3.0 4\r\n\r\n;end \xFF\r\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(handlingFile(), c.before);
        THandlingFile lines;
        lines.LoadFromFile(handlingFile());
        lines.Put(3, "TRUCK 3.0 4");

        SaveHandlingLines(lines, settings());

        EXPECT_EQ(ReadFile(handlingFile()), after);
    }
}

TEST_F(SaveHandlingLinesTest, UsesOnlyTheFirstSettingsLine) {
    SaveHandlingLines(FileOf({";h", "CAR 1"}), TStringList({game(), folder / "elsewhere"}));
    EXPECT_EQ(ReadFile(handlingFile()), ";h\r\nCAR 1\r\n");
}

TEST_F(SaveHandlingLinesTest, WithoutASettingsLineThrowsAndWritesNothing) {
    WriteFile(handlingFile(), "old\n");
    EXPECT_THROW(SaveHandlingLines(FileOf({";h", "CAR 1"}), TStringList()), EStringListError);
    EXPECT_EQ(ReadFile(handlingFile()), "old\n");
}

TEST_F(SaveHandlingLinesTest, GameFolderWithoutDataFolderThrowsFileError) {
    const std::string bare = folder / "bare";
    MakeFolder(bare);
    EXPECT_THROW(SaveHandlingLines(FileOf({";h", "CAR 1"}), TStringList({bare})), EFileError);
    EXPECT_FALSE(std::filesystem::exists(bare + "/data"));
}

// Stops writes beyond a few bytes for the life of the object (root ignores permissions,
// not this limit).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

TEST_F(SaveHandlingLinesTest, FailedWriteLeavesTheOldFileAsItWas) {
    const std::string old = ";old\r\nCAR 1\r\n";
    WriteFile(handlingFile(), old);
    const THandlingFile lines = FileOf({";new", std::string(4096, 'X')});
    {
        const FileSizeLimit limit(64);
        EXPECT_THROW(SaveHandlingLines(lines, settings()), EFileError);
    }
    EXPECT_EQ(ReadFile(handlingFile()), old);
}

// ---- the sample game folder shipped with the program ----

int CountWords(const std::string& line) {
    std::istringstream words(line);
    int count = 0;
    for (std::string word; words >> word;) ++count;
    return count;
}

TEST(SampleHandlingFile, ListedSectionsHoldWholeRecords) {
    THandlingFile file;
    file.LoadFromFile("examples/game/data/handling.cfg");
    EXPECT_EQ(file.JoinedText(), ReadFile("examples/game/data/handling.cfg"))
        << "the sample is written with CR LF after every line";

    for (int section = 0; section <= 3; ++section) {
        SCOPED_TRACE("section " + std::to_string(section));
        const Lines records = SectionRecords(file, section);
        EXPECT_GE(records.size(), 4u);
        for (const std::string& line : records) {
            const TRecordTokens tokens = SplitRecordLine(line);
            for (int index = 0; index < RecordTokenCount; ++index)
                EXPECT_FALSE(tokens.Get(index).empty()) << line << " token " << index;
            EXPECT_EQ(CountWords(line), RecordTokenCount) << line;
        }
    }
}

}  // namespace
