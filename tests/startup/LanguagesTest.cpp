// The language files as the editor meets them: listed at start-up, the first one applied,
// the fatal messages for none or a broken one, and the switch to another while working.
#include <QLabel>
#include <QLineEdit>

#include <filesystem>

#include "startup/LanguageFile.h"
#include "tests/support/HandlingFixtures.h"
#include "tests/support/app/StartedEditor.h"

namespace {

using Kind = RecordedBox::Kind;

const std::vector<std::string> Records = {
    "; cars", RecordLine("CARA", {{1, "1000"}, {15, "F"}}), RecordLine("CARB", {{1, "2000"}}), "; boats",
    RecordLine("BOATA", {{1, "5000"}}), RecordLine("BOATB", {{1, "6000"}, {16, "D"}, {31, "3"}, {32, "0"}}),
    "; end"};

std::string NumberedLanguage(int count, const std::string& lineEnd = "\r\n", bool lastLineEnd = true) {
    std::string text;
    for (int n = 0; n < count; ++n) {
        text += "L" + std::to_string(n);
        if (n + 1 < count || lastLineEnd) text += lineEnd;
    }
    return text;
}

class Languages : public StartedEditor {
public:
    void WriteLanguage(const std::string& name, const std::string& bytes) {
        MakeFolder(LanguagesPath());
        WriteFile(LanguagesPath() + "/" + name, bytes);
    }
    std::string ShippedLanguage(const std::string& name) { return ReadFile(RepoPath() + "/languages/" + name); }

    // Starts and expects the start-up to close quietly after one fatal message.
    void ExpectFatalClose(const std::string& text) {
        dialogs->ExpectMessageBox(TMsgAnswer::OK);
        Start();
        ASSERT_EQ(dialogs->Boxes().size(), 1u);
        EXPECT_EQ(dialogs->Boxes()[0].text, text);
        EXPECT_EQ(dialogs->Boxes()[0].caption, "Fatal Error || Fataler Fehler");
        EXPECT_EQ(dialogs->Boxes()[0].icon, TMsgIcon::Error);
        EXPECT_EQ(dialogs->Boxes()[0].buttons, TMsgButtons::OK);
        EXPECT_TRUE(form->QuietClose);
        EXPECT_TRUE(form->Closed());
        EXPECT_FALSE(form->Widget()->isVisible());
        EXPECT_EQ(form->HandlingLines.Count(), 0) << "the start-up went no further";
    }
};

TEST_F(Languages, CompleteFilesApplyEveryLine) {
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"96 lines", NumberedLanguage(96)},
        {"96 lines without a final line end", NumberedLanguage(96, "\r\n", false)},
        {"96 lines with LF", NumberedLanguage(96, "\n")},
        {"200 lines", NumberedLanguage(200)},
    };
    PrepareGame(HandlingText(Records));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteLanguage("Only.txt", c.bytes);
        Start();
        EXPECT_TRUE(dialogs->Boxes().empty());
        EXPECT_EQ(form->LabeledEdit1->EditLabel().Caption(), "L0");
        EXPECT_EQ(form->Label1->Caption(), "L14");
        EXPECT_EQ(form->LabeledEdit26->Hint(), "L78");
        EXPECT_EQ(form->Button5->Caption(), "L95");
        EXPECT_EQ(form->MessageTexts[11], "L93");
        EXPECT_EQ(form->ComboBox1->Items.Lines().Lines(), (std::vector<std::string>{"L47", "L48", "L49", "L50"}));
        EXPECT_EQ(form->ComboBox4->Items.Lines(), form->ComboBox5->Items.Lines());
        EXPECT_EQ(form->ComboBox6->Text(), "Only.txt");
        EXPECT_EQ(form->LanguageLines.Count(), c.bytes == NumberedLanguage(200) ? 200 : 96);
        EXPECT_TRUE(form->RecordShown);
        Application->DestroyForms();
    }
}

TEST_F(Languages, AFileOf95LinesAppliesAllButTheLastThenClosesQuietly) {
    PrepareGame(HandlingText(Records));
    WriteLanguage("Short.txt", NumberedLanguage(95));
    ExpectFatalClose("The language Short.txt file is corrupted.\nDie Sprachdatei Short.txt ist besch\xE4" "digt.");
    EXPECT_EQ(form->Button4->Caption(), "L94");
    EXPECT_EQ(form->Button5->Caption(), "Button4") << "the design's caption stays";
}

TEST_F(Languages, AFileOf45LinesLeavesTheRearLightsHalfFilledAndTheFrontUntouched) {
    PrepareGame(HandlingText(Records));
    WriteLanguage("Half.txt", NumberedLanguage(45));
    ExpectFatalClose(CorruptedLanguageFileMessage("Half.txt"));
    EXPECT_EQ(form->ComboBox4->Items.Lines().Lines(), (std::vector<std::string>{"L43", "L44"}));
    EXPECT_EQ(form->ComboBox5->Items.Count(), 0);
}

TEST_F(Languages, WithoutALanguageFileNothingElseIsRead) {
    const struct {
        const char* what;
        void (*prepare)(Languages&);
    } cases[] = {
        {"no languages folder", [](Languages&) {}},
        {"an empty folder", [](Languages& t) { MakeFolder(t.LanguagesPath()); }},
        {"only readme.doc and a folder", [](Languages& t) {
             t.WriteLanguage("readme.doc", "read me");
             MakeFolder(t.LanguagesPath() + "/folder.txt");
         }},
    };
    useDefaultLanguage = false;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(LanguagesPath());
        c.prepare(*this);
        // No prop.dat: reading it would ask for the game's executable.
        ExpectFatalClose(NoLanguageFileMessage());
        EXPECT_FALSE(std::filesystem::exists(SettingsPath()));
        dialogs->Reset();
        Application->DestroyForms();
    }
}

TEST_F(Languages, AFileThatCannotBeReadIsReportedAndTheProgramClosesQuietly) {
    PrepareGame(HandlingText(Records));
    MakeFolder(LanguagesPath());
    // A regular file whose reading fails even for root.
    std::filesystem::create_symlink("/proc/self/mem", LanguagesPath() + "/Broken.txt");
    dialogs->ExpectErrorReport();
    Start();
    ASSERT_EQ(dialogs->Boxes().size(), 1u);
    EXPECT_EQ(dialogs->Boxes()[0].kind, Kind::ErrorReport);
    EXPECT_NE(dialogs->Boxes()[0].text.find("Broken.txt"), std::string::npos);
    EXPECT_TRUE(form->QuietClose);
    EXPECT_TRUE(form->Closed());
    EXPECT_EQ(form->LabeledEdit1->EditLabel().Caption(), "Masse") << "no text was changed";
    EXPECT_EQ(form->HandlingLines.Count(), 0);
}

TEST_F(Languages, OfSeveralFilesTheFirstByNameIsApplied) {
    PrepareGame(HandlingText(Records));
    WriteLanguage("english.txt", ShippedLanguage("English.txt"));
    WriteLanguage("Deutsch.txt", ShippedLanguage("Deutsch.txt"));
    WriteLanguage("zulu.TXT", NumberedLanguage(3));
    Start();
    EXPECT_EQ(form->ComboBox6->Items.Lines().Lines(),
              (std::vector<std::string>{"Deutsch.txt", "english.txt", "zulu.TXT"}));
    EXPECT_EQ(form->ComboBox6->ItemIndex(), 0);
    EXPECT_EQ(form->LabeledEdit1->EditLabel().Caption(), "Masse");
    EXPECT_TRUE(dialogs->Boxes().empty()) << "only the first file is applied";
}

TEST_F(Languages, TextsInCodePage1252AreShownWithTheirCharacters) {
    PrepareGame(HandlingText(Records));
    std::string bytes = NumberedLanguage(96);
    bytes.replace(0, 2, "Gr\xF6\xDF" "e \x80 \xC4\xD6\xDC");
    WriteLanguage("Umlaute.txt", bytes);
    Start();
    const auto* label = static_cast<QLabel*>(form->LabeledEdit1->EditLabel().Widget());
    EXPECT_EQ(label->text(), QString::fromUtf8("Größe € ÄÖÜ"));
}

TEST_F(Languages, BothShippedFilesApplyAll96Lines) {
    PrepareGame(HandlingText(Records));
    for (const char* name : {"Deutsch.txt", "English.txt"}) {
        SCOPED_TRACE(name);
        std::filesystem::remove_all(LanguagesPath());
        PrepareLanguage(name);
        Start();
        EXPECT_TRUE(dialogs->Boxes().empty());
        const TStringList lines(TStringList::SplitText(ShippedLanguage(name)));
        ASSERT_EQ(lines.Count(), LanguageLineCount);
        EXPECT_EQ(form->Button5->Caption(), lines.Get(95));
        EXPECT_EQ(form->MessageTexts[0], lines.Get(80));
        for (int editor = 0; editor < 26; ++editor) EXPECT_FALSE(form->Editors[editor]->Hint().empty());
        Application->DestroyForms();
    }
}

class LanguageSwitch : public Languages {
protected:
    // Deutsch.txt is applied at start; the user works in section 1 and leaves unsaved edits.
    void StartWorking() {
        PrepareGame(HandlingText(Records));
        PrepareLanguage("Deutsch.txt");
        PrepareLanguage("English.txt");
        Start();
        ASSERT_TRUE(ShowActive(*form));
        ChooseEntry(*form->ComboBox1, 1);
        ClickListEntry(*form->ListBox1, 1);
        TypeInto(*form->LabeledEdit1, "6543");
        ChooseEntry(*form->ComboBox2, 0);
        ClickInto(*form->LabeledEdit2);
        ASSERT_FALSE(form->EditsClean);
    }

    struct TWork {
        int section, record, shown, drive, engine, rear, front;
        std::vector<std::string> names;
        std::string mass;
        bool clean;
        std::vector<std::string> lines;
    };
    TWork Work() const {
        return {form->ComboBox1->ItemIndex(), form->ListBox1->ItemIndex(), form->ShownIndex,
                form->ComboBox2->ItemIndex(), form->ComboBox3->ItemIndex(), form->ComboBox4->ItemIndex(),
                form->ComboBox5->ItemIndex(), form->ListBox1->Items.Lines().Lines(), form->LabeledEdit1->Text(),
                form->EditsClean, form->HandlingLines.Lines()};
    }
    static void ExpectSameWork(const TWork& before, const TWork& after) {
        EXPECT_EQ(after.section, before.section);
        EXPECT_EQ(after.record, before.record);
        EXPECT_EQ(after.shown, before.shown);
        EXPECT_EQ(after.drive, before.drive);
        EXPECT_EQ(after.engine, before.engine);
        EXPECT_EQ(after.rear, before.rear);
        EXPECT_EQ(after.front, before.front);
        EXPECT_EQ(after.names, before.names);
        EXPECT_EQ(after.mass, before.mass);
        EXPECT_EQ(after.clean, before.clean);
        EXPECT_EQ(after.lines, before.lines);
    }
};

TEST_F(LanguageSwitch, ChoosingAnotherFileAppliesItAndKeepsTheWork) {
    StartWorking();
    const TWork before = Work();
    EXPECT_EQ(before.section, 1);
    EXPECT_EQ(before.drive, 0);
    EXPECT_EQ(before.front, 3);
    ChooseEntry(*form->ComboBox6, 1);
    EXPECT_TRUE(dialogs->Boxes().empty());
    EXPECT_EQ(form->LabeledEdit1->EditLabel().Caption(), "Mass");
    EXPECT_EQ(form->ComboBox1->Items.Get(0), "Cars");
    EXPECT_EQ(form->MessageTexts[8], TStringList(TStringList::SplitText(ShippedLanguage("English.txt"))).Get(88));
    ExpectSameWork(before, Work());
    EXPECT_TRUE(form->RecordShown);

    // The work goes on as before: the shown record commits its edits into its own line.
    ClickListEntry(*form->ListBox1, 0);
    EXPECT_EQ(form->HandlingLines.Get(5), RecordLine("BOATB", {{1, "6543"}, {15, "F"}, {16, "D"}, {31, "3"}, {32, "0"}}));
}

TEST_F(LanguageSwitch, TypingIntoTheLanguageBoxDoesNothing) {
    StartWorking();
    auto* edit = static_cast<QComboBox*>(form->ComboBox6->Widget())->lineEdit();
    ClickInto(*form->ComboBox6);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    edit->selectAll();
    QTest::keyClicks(edit, "English.txt");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(form->LabeledEdit1->EditLabel().Caption(), "Masse");
    EXPECT_EQ(form->ComboBox6->ItemIndex(), 0);
}

TEST_F(LanguageSwitch, ACorruptedFileIsReportedAndThePreviousTextsComeBack) {
    WriteLanguage("Kaputt.txt", NumberedLanguage(60));
    StartWorking();
    const TWork before = Work();
    dialogs->ExpectMessageBox(TMsgAnswer::OK);
    ChooseEntry(*form->ComboBox6, 2);
    ASSERT_EQ(dialogs->Boxes().size(), 1u);
    EXPECT_EQ(dialogs->Boxes()[0].text, CorruptedLanguageFileMessage("Kaputt.txt"));
    EXPECT_EQ(dialogs->Boxes()[0].caption, FatalErrorCaption);
    EXPECT_FALSE(form->QuietClose);
    EXPECT_TRUE(form->Widget()->isVisible());
    EXPECT_EQ(form->LabeledEdit1->EditLabel().Caption(), "Masse");
    EXPECT_EQ(form->Button5->Caption(), TStringList(TStringList::SplitText(ShippedLanguage("Deutsch.txt"))).Get(95));
    EXPECT_EQ(form->ComboBox6->Text(), "Deutsch.txt");
    ExpectSameWork(before, Work());
}

}  // namespace
