// Restoring the shown record or all lines from the backup, and copying one vehicle's values
// onto another, driven through the buttons.
#include <filesystem>

#include "tests/support/HandlingFixtures.h"
#include "tests/support/app/StartedEditor.h"

namespace {

const std::vector<std::string> Original = {
    "; cars",
    RecordLine("CARA", {{1, "1000"}, {2, "1.5"}, {30, "kept-a"}, {31, "0"}}),
    "CARB   2000\t" + RecordLine("X").substr(7),
    "; boats",
    RecordLine("BOATA", {{1, "5000"}, {30, "kept-boat"}}),
    "; end",
};

class RestoreAndCopy : public StartedEditor {
protected:
    // The editor on lines that differ from the backup, which holds the original.
    void StartEdited(std::vector<std::string> lines) {
        PrepareGame(HandlingText(Original));
        WriteFile(BackupPath(), HandlingText(Original));
        WriteFile(HandlingPath(), HandlingText(lines));
        Start();
        ASSERT_TRUE(ShowActive(*form));
        for (int slot = 0; slot < 12; ++slot) form->MessageTexts[slot] = "slot " + std::to_string(slot);
    }
    void Click(TButton* button) { QTest::mouseClick(button->Widget(), Qt::LeftButton); }
};

std::vector<std::string> Edited() {
    std::vector<std::string> lines = Original;
    lines[1] = RecordLine("CARA", {{1, "1111"}, {2, "2.5"}, {30, "kept-a"}, {31, "0"}});
    lines[4] = RecordLine("BOATA", {{1, "5555"}, {30, "kept-boat"}});
    return lines;
}

TEST_F(RestoreAndCopy, RestoringTheShownRecordTakesItsBackupLineAndDropsTypedChanges) {
    StartEdited(Edited());
    TypeInto(*form->LabeledEdit1, "1234");
    Click(form->Button2);
    EXPECT_EQ(form->LabeledEdit1->Text(), "1000");
    EXPECT_EQ(form->LabeledEdit2->Text(), "1.5");
    EXPECT_TRUE(form->EditsClean);
    EXPECT_EQ(Line(1), Original[1]) << "the backup's line, character for character";
    EXPECT_EQ(Line(4), Edited()[4]) << "other records keep their changes";
}

TEST_F(RestoreAndCopy, ARestoredRecordIsRebuiltWhenAnotherIsSelected) {
    std::vector<std::string> lines = Edited();
    lines[2] = RecordLine("CARB", {{1, "2222"}});
    StartEdited(lines);
    ClickListEntry(*form->ListBox1, 1);
    Click(form->Button2);
    EXPECT_EQ(Line(2), Original[2]);
    ClickListEntry(*form->ListBox1, 0);
    EXPECT_EQ(Line(2), JoinRecordTokens(SplitRecordLine(Original[2])));
}

TEST_F(RestoreAndCopy, RestoringAllAsksFirstAndOnYesTakesEveryLineOfTheBackup) {
    StartEdited(Edited());
    ChooseEntry(*form->ComboBox1, 1);
    TypeInto(*form->LabeledEdit1, "5656");

    dialogs->ExpectMessageBox(TMsgAnswer::No);
    Click(form->Button3);
    ASSERT_EQ(dialogs->Boxes().size(), 1u);
    EXPECT_EQ(dialogs->Boxes()[0].text, "slot 10");
    EXPECT_EQ(dialogs->Boxes()[0].caption, "slot 11");
    EXPECT_EQ(dialogs->Boxes()[0].buttons, TMsgButtons::YesNo);
    EXPECT_EQ(dialogs->Boxes()[0].icon, TMsgIcon::Question);
    EXPECT_EQ(form->LabeledEdit1->Text(), "5656");
    EXPECT_EQ(form->HandlingLines.Lines(), Edited());
    EXPECT_FALSE(form->EditsClean);

    dialogs->ExpectMessageBox(TMsgAnswer::Yes);
    Click(form->Button3);
    EXPECT_EQ(form->HandlingLines.Lines(), Original);
    EXPECT_EQ(form->ComboBox1->ItemIndex(), 1) << "the same section is listed again";
    EXPECT_EQ(form->ListBox1->ItemIndex(), 0);
    EXPECT_EQ(form->LabeledEdit1->Text(), "5000");
    EXPECT_TRUE(form->EditsClean);
    EXPECT_EQ(ReadFile(HandlingPath()), HandlingText(Edited())) << "the file changes only on saving";
}

TEST_F(RestoreAndCopy, PastingCopiedValuesKeepsTheTargetsIdentifierAndKeptToken) {
    StartEdited(Original);
    EXPECT_FALSE(form->Button5->Enabled());
    Click(form->Button4);
    EXPECT_TRUE(form->Button5->Enabled());
    TypeInto(*form->LabeledEdit1, "9999");  // typed after the copy: not part of it
    ChooseEntry(*form->ComboBox1, 1);        // the copy crosses sections
    Click(form->Button5);
    TRecordTokens expected = SplitRecordLine(Original[1]);
    expected.Put(0, "BOATA");
    expected.Put(30, "kept-boat");
    EXPECT_EQ(Line(4), JoinRecordTokens(expected));
    EXPECT_EQ(form->LabeledEdit1->Text(), "1000");
    EXPECT_EQ(form->ComboBox5->ItemIndex(), 0);
    EXPECT_EQ(form->ListBox1->Items.Get(0), "BOATA");
    EXPECT_FALSE(form->EditsClean);
    EXPECT_TRUE(form->Button5->Enabled());
}

TEST_F(RestoreAndCopy, PastingOntoTheCopiedRecordBringsBackItsCopiedValues) {
    StartEdited(Original);
    Click(form->Button4);
    TypeInto(*form->LabeledEdit1, "4444");
    Click(form->Button5);
    EXPECT_EQ(form->LabeledEdit1->Text(), "1000");
    EXPECT_EQ(Line(1), Original[1]);
    EXPECT_FALSE(form->EditsClean);
}

TEST_F(RestoreAndCopy, AMissingOrShortBackupIsReportedAndChangesNothing) {
    const struct {
        const char* what;
        std::string backup;  // empty: no backup at all
        TButton* TForm1::*button;
        bool asks;
    } cases[] = {
        {"restore the record, no backup", "", &TForm1::Button2, false},
        {"restore the record, backup too short", "; cars\r\n", &TForm1::Button2, false},
        {"restore all, no backup", "", &TForm1::Button3, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        StartEdited(Edited());
        std::filesystem::remove(BackupPath());
        if (!c.backup.empty()) WriteFile(BackupPath(), c.backup);
        TypeInto(*form->LabeledEdit1, "3333");
        if (c.asks) dialogs->ExpectMessageBox(TMsgAnswer::Yes);
        dialogs->ExpectErrorReport();
        Click(form->*c.button);
        EXPECT_EQ(form->HandlingLines.Lines(), Edited());
        EXPECT_EQ(form->LabeledEdit1->Text(), "3333");
        EXPECT_TRUE(form->RecordShown);
        dialogs->VerifyAllAnswered();
        dialogs->Reset();
        Application->DestroyForms();
    }
}

TEST_F(RestoreAndCopy, RestoringAllFromABackupWithoutTheSectionLeavesNoRecordShown) {
    StartEdited(Edited());
    ChooseEntry(*form->ComboBox1, 1);
    WriteFile(BackupPath(), HandlingText({"; cars", RecordLine("ONLY"), "; end"}));
    dialogs->ExpectMessageBox(TMsgAnswer::Yes);
    dialogs->ExpectErrorReport();
    Click(form->Button3);
    EXPECT_EQ(form->HandlingLines.Count(), 3);
    EXPECT_EQ(form->ListBox1->Items.Get(0), "BOATA") << "the old names stay";
    EXPECT_FALSE(form->RecordShown);
    TypeInto(*form->LabeledEdit1, "1");
    ChooseEntry(*form->ComboBox1, 0);
    EXPECT_EQ(Line(1), RecordLine("ONLY")) << "the old controls were bound to no line";
}

}  // namespace
