// Where each line of a language file goes, in which order, and what a short file leaves.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "platform/SysUtils.h"
#include "startup/LanguageFile.h"

namespace {

// Records every application as "target=text", in order.
class RecordingTargets : public ILanguageTargets {
public:
    std::vector<std::string> applied;

    void SetEditorLabel(int editor, const std::string& text) override { Add("label " + std::to_string(editor), text); }
    void SetEditorHint(int editor, const std::string& text) override { Add("hint " + std::to_string(editor), text); }
    void SetCaption(const std::string& control, const std::string& text) override { Add(control, text); }
    void ClearItems(const std::string& box) override { applied.push_back("clear " + box); }
    void AddItem(const std::string& box, const std::string& text) override { Add("item " + box, text); }
    void SetMessageText(int slot, const std::string& text) override { Add("slot " + std::to_string(slot), text); }

private:
    void Add(const std::string& target, const std::string& text) { applied.push_back(target + "=" + text); }
};

TStringList NumberedLines(int count) {
    TStringList lines;
    for (int n = 0; n < count; ++n) lines.Add("L" + std::to_string(n));
    return lines;
}

// The target of every line, as the window's texts are laid out.
std::map<int, std::vector<std::string>> ExpectedTargets() {
    std::map<int, std::vector<std::string>> targets;
    for (int n = 0; n <= 13; ++n) targets[n] = {"label " + std::to_string(n)};
    targets[14] = {"Label1"};
    targets[15] = {"Label2"};
    targets[16] = {"label 14"};
    targets[17] = {"label 15"};
    targets[18] = {"CheckBox1"};
    for (int n = 19; n <= 28; ++n) targets[n] = {"label " + std::to_string(n - 3)};
    targets[29] = {"Label4"};
    targets[30] = {"Label3"};
    for (int n = 31; n <= 36; ++n) targets[n] = {"GroupBox" + std::to_string(n - 29)};
    for (int n = 37; n <= 39; ++n) targets[n] = {"item ComboBox2"};
    for (int n = 40; n <= 42; ++n) targets[n] = {"item ComboBox3"};
    for (int n = 43; n <= 46; ++n) targets[n] = {"item ComboBox4", "item ComboBox5"};
    for (int n = 47; n <= 50; ++n) targets[n] = {"item ComboBox1"};
    targets[51] = {"Button1"};
    for (int n = 53; n <= 78; ++n) targets[n] = {"hint " + std::to_string(n - 53)};
    targets[79] = {"Label5"};
    for (int n = 80; n <= 89; ++n) targets[n] = {"slot " + std::to_string(n - 80)};
    targets[90] = {"Button2"};
    targets[91] = {"Button3"};
    targets[92] = {"slot 10"};
    targets[93] = {"slot 11"};
    targets[94] = {"Button4"};
    targets[95] = {"Button5"};
    return targets;
}

TEST(LanguageFile, EveryLineGoesToItsTargetAndLine52Nowhere) {
    RecordingTargets targets;
    ApplyLanguageLines(NumberedLines(96), targets);
    std::map<int, std::vector<std::string>> found;
    for (const std::string& entry : targets.applied) {
        const auto equals = entry.find("=L");
        if (equals == std::string::npos) continue;
        found[std::stoi(entry.substr(equals + 2))].push_back(entry.substr(0, equals));
    }
    EXPECT_EQ(found, ExpectedTargets());
}

TEST(LanguageFile, LinesAreAppliedInTheirOrderAndEachBoxIsEmptiedBeforeItIsFilled) {
    RecordingTargets targets;
    ApplyLanguageLines(NumberedLines(96), targets);
    const std::vector<std::string> boxes = {
        "clear ComboBox2", "item ComboBox2=L37", "item ComboBox2=L38", "item ComboBox2=L39",
        "clear ComboBox3", "item ComboBox3=L40", "item ComboBox3=L41", "item ComboBox3=L42",
        "clear ComboBox4", "item ComboBox4=L43", "item ComboBox4=L44", "item ComboBox4=L45", "item ComboBox4=L46",
        "clear ComboBox5", "item ComboBox5=L43", "item ComboBox5=L44", "item ComboBox5=L45", "item ComboBox5=L46",
        "clear ComboBox1", "item ComboBox1=L47", "item ComboBox1=L48", "item ComboBox1=L49", "item ComboBox1=L50"};
    const auto first = std::find(targets.applied.begin(), targets.applied.end(), "clear ComboBox2");
    ASSERT_NE(first, targets.applied.end());
    EXPECT_EQ(std::vector<std::string>(first, first + static_cast<long>(boxes.size())), boxes);
    EXPECT_EQ(targets.applied.front(), "label 0=L0");
    EXPECT_EQ(targets.applied[18], "CheckBox1=L18");
    EXPECT_EQ(targets.applied.back(), "Button5=L95");
}

TEST(LanguageFile, ShortFilesApplyEverythingUpToTheFirstMissingLine) {
    const struct {
        int lines;
        std::string lastApplied;
    } cases[] = {
        {95, "Button4=L94"},
        {45, "item ComboBox4=L44"},
        {0, ""},
    };
    for (const auto& c : cases) {
        RecordingTargets targets;
        EXPECT_THROW(ApplyLanguageLines(NumberedLines(c.lines), targets), EStringListError) << c.lines;
        if (c.lines == 0) {
            EXPECT_TRUE(targets.applied.empty());
            continue;
        }
        EXPECT_EQ(targets.applied.back(), c.lastApplied) << c.lines;
    }
    RecordingTargets targets;
    EXPECT_THROW(ApplyLanguageLines(NumberedLines(45), targets), EStringListError);
    EXPECT_EQ(std::count(targets.applied.begin(), targets.applied.end(), "clear ComboBox5"), 0)
        << "the front lights are not touched";
}

TEST(LanguageFile, LinesAreTakenWholeBlanksAndLongFilesIncluded) {
    TStringList lines = NumberedLines(200);
    lines.Put(0, "  Masse ");
    lines.Put(1, "");
    RecordingTargets targets;
    ApplyLanguageLines(lines, targets);
    EXPECT_EQ(targets.applied[0], "label 0=  Masse ");
    EXPECT_EQ(targets.applied[1], "label 1=");
    EXPECT_EQ(targets.applied.back(), "Button5=L95");
}

TEST(LanguageFile, FatalMessagesJoinAnEnglishAndAGermanSentence) {
    EXPECT_EQ(NoLanguageFileMessage(), "No language file has been found.\nEs wurde keine Sprachdatei gefunden.");
    EXPECT_EQ(CorruptedLanguageFileMessage("English.txt"),
              "The language English.txt file is corrupted.\nDie Sprachdatei English.txt ist besch\xE4" "digt.");
    EXPECT_STREQ(FatalErrorCaption, "Fatal Error || Fataler Fehler");
}

}  // namespace
