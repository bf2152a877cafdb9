// The shown record driven as a user does: selecting records and sections, typing, leaving
// editors and saving, checked against the lines in memory and the file on disk.
#include <filesystem>

#include "tests/support/HandlingFixtures.h"
#include "tests/support/app/StartedEditor.h"

namespace {

const std::vector<std::string> TwoSections = {
    "; header",
    "; cars",
    RecordLine("CARA", {{1, "1000"}, {30, "kept-a"}}),
    RecordLine("CARB", {{1, "2000"}}),
    "CARC\t3000  " + RecordLine("X").substr(7),  // tabs and a run of blanks
    "; boats",
    RecordLine("BOATA", {{1, "5000"}}),
    RecordLine("BOATB", {{1, "6000"}}),
    "; end",
};

class ShownRecord : public StartedEditor {
protected:
    void ChooseSection(int section) { ChooseEntry(*form->ComboBox1, section); }
};

TEST_F(ShownRecord, StartUpShowsTheFirstRecordOfSectionZero) {
    StartWith(TwoSections);
    EXPECT_EQ(form->ListBox1->Items.Lines().Lines(), (std::vector<std::string>{"CARA", "CARB", "CARC"}));
    EXPECT_EQ(form->ListBox1->ItemIndex(), 0);
    EXPECT_EQ(form->SectionStart, 2);
    EXPECT_EQ(form->ShownIndex, 0);
    EXPECT_TRUE(form->RecordShown);
    EXPECT_TRUE(form->EditsClean);
    EXPECT_EQ(form->LabeledEdit1->Text(), "1000");
    EXPECT_EQ(form->HandlingLines.Lines(), TwoSections) << "nothing is committed before a record is shown";
}

TEST_F(ShownRecord, SelectingTheShownEntryAgainDoesNothing) {
    StartWith(TwoSections);
    TypeInto(*form->LabeledEdit1, "1234");
    EXPECT_FALSE(form->EditsClean);
    ClickListEntry(*form->ListBox1, 0);
    EXPECT_EQ(form->LabeledEdit1->Text(), "1234");
    EXPECT_FALSE(form->EditsClean);
    EXPECT_EQ(Line(2), TwoSections[2]);
}

TEST_F(ShownRecord, EditingARecordThenSelectingAnotherCommitsTheFirst) {
    StartWith(TwoSections);
    TypeInto(*form->LabeledEdit1, "1234");
    ClickListEntry(*form->ListBox1, 1);
    EXPECT_EQ(Line(2), RecordLine("CARA", {{1, "1234"}, {30, "kept-a"}}));
    EXPECT_EQ(Line(3), TwoSections[3]);
    EXPECT_EQ(form->ShownIndex, 1);
    EXPECT_EQ(form->LabeledEdit1->Text(), "2000");
    EXPECT_TRUE(form->EditsClean) << "the committed change is no longer counted by the controls";
}

TEST_F(ShownRecord, ARecordLeftWithoutEditsIsRebuiltWithSingleSpaces) {
    StartWith(TwoSections);
    ClickListEntry(*form->ListBox1, 2);
    ClickListEntry(*form->ListBox1, 0);
    EXPECT_EQ(Line(4), JoinRecordTokens(SplitRecordLine(TwoSections[4])));
    EXPECT_EQ(Line(4).find('\t'), std::string::npos);
}

TEST_F(ShownRecord, ChangingTheSectionCommitsIntoTheOldSectionAndShowsTheNewFirstRecord) {
    StartWith(TwoSections);
    ClickListEntry(*form->ListBox1, 1);
    TypeInto(*form->LabeledEdit1, "2222");
    ChooseSection(1);
    EXPECT_EQ(Line(3), RecordLine("CARB", {{1, "2222"}}));
    EXPECT_EQ(Line(6), TwoSections[6]);
    EXPECT_EQ(Line(7), TwoSections[7]);
    EXPECT_EQ(form->SectionStart, 6);
    EXPECT_EQ(form->ShownIndex, 0);
    EXPECT_EQ(form->ListBox1->Items.Lines().Lines(), (std::vector<std::string>{"BOATA", "BOATB"}));
    EXPECT_EQ(form->LabeledEdit1->Text(), "5000");

    // Back in the first section, its first record is shown, not the one shown before.
    ChooseSection(0);
    EXPECT_EQ(form->ListBox1->ItemIndex(), 0);
    EXPECT_EQ(form->LabeledEdit1->Text(), "1000");
}

TEST_F(ShownRecord, SavingWithoutEditsRebuildsTheShownLineAndWritesTheWholeFile) {
    StartWith(TwoSections);
    ClickListEntry(*form->ListBox1, 2);
    QTest::mouseClick(form->Button1->Widget(), Qt::LeftButton);
    std::vector<std::string> expected = TwoSections;
    expected[4] = JoinRecordTokens(SplitRecordLine(TwoSections[4]));
    EXPECT_EQ(ReadFile(HandlingPath()), HandlingText(expected));
    EXPECT_TRUE(form->EditsClean);
    EXPECT_TRUE(dialogs->Boxes().empty());
}

TEST_F(ShownRecord, ASaveThatFailsIsReportedAndALaterSaveSucceeds) {
    StartWith(TwoSections);
    TypeInto(*form->LabeledEdit1, "4321");
    const std::string data = GamePath() + "/data";
    std::filesystem::rename(data, data + ".away");  // the file cannot be written now
    dialogs->ExpectMessageBox(TMsgAnswer::OK);
    QTest::mouseClick(form->Button1->Widget(), Qt::LeftButton);
    ASSERT_EQ(dialogs->Boxes().size(), 1u);
    EXPECT_EQ(dialogs->Boxes()[0].text, "slot 6");
    EXPECT_EQ(dialogs->Boxes()[0].caption, "slot 7");
    EXPECT_EQ(dialogs->Boxes()[0].icon, TMsgIcon::Error);
    EXPECT_EQ(dialogs->Boxes()[0].buttons, TMsgButtons::OK);
    EXPECT_FALSE(form->EditsClean);
    EXPECT_EQ(Line(2), RecordLine("CARA", {{1, "4321"}, {30, "kept-a"}})) << "the commit stays in memory";

    std::filesystem::rename(data + ".away", data);
    QTest::mouseClick(form->Button1->Widget(), Qt::LeftButton);
    EXPECT_TRUE(form->EditsClean);
    EXPECT_NE(ReadFile(HandlingPath()).find("CARA 4321 "), std::string::npos);
}

TEST_F(ShownRecord, LeavingAnEditorChecksItsNumberAndOnlyAChangedTextMarksTheRecord) {
    StartWith(TwoSections);
    ClickInto(*form->LabeledEdit2);
    PressTab();
    EXPECT_TRUE(form->EditsClean) << "a valid number in its bounds is not rewritten";

    const struct {
        QString typed;
        std::string shown;
    } cases[] = {{"1,5", "1.5"}, {"25", "20"}, {"-3", "0"}, {"007", "007"}};
    for (const auto& c : cases) {
        TypeInto(*form->LabeledEdit2, c.typed);
        PressTab();
        EXPECT_EQ(form->LabeledEdit2->Text(), c.shown) << c.typed.toStdString();
        EXPECT_TRUE(form->LabeledEdit3->Focused());
    }
    EXPECT_FALSE(form->EditsClean);
}

TEST_F(ShownRecord, TextThatIsNoNumberIsReportedAndKeepsTheFocus) {
    StartWith(TwoSections);
    form->FieldsValid = true;
    dialogs->ExpectMessageBox(TMsgAnswer::OK);
    TypeInto(*form->LabeledEdit2, "1,5,5");
    PressTab();
    ASSERT_EQ(dialogs->Boxes().size(), 1u);
    EXPECT_EQ(dialogs->Boxes()[0].text, "slot 8");
    EXPECT_EQ(dialogs->Boxes()[0].caption, "slot 9");
    EXPECT_EQ(dialogs->Boxes()[0].icon, TMsgIcon::Error);
    EXPECT_EQ(form->LabeledEdit2->Text(), "1,5,5");
    EXPECT_TRUE(form->LabeledEdit2->Focused());
    EXPECT_FALSE(form->FieldsValid);
}

// A click that leaves an editor holding no number must not act: the save would write the
// rejected text into the file, the list would commit it into the record's line.
TEST_F(ShownRecord, AClickThatFollowsARejectedValueDoesNotAct) {
    StartWith(TwoSections);
    const std::string onDisk = ReadFile(HandlingPath());
    TypeInto(*form->LabeledEdit1, "heavy");
    dialogs->ExpectMessageBox(TMsgAnswer::OK);
    QTest::mouseClick(form->Button1->Widget(), Qt::LeftButton);
    EXPECT_EQ(ReadFile(HandlingPath()), onDisk);
    EXPECT_EQ(Line(2), TwoSections[2]);
    EXPECT_TRUE(form->LabeledEdit1->Focused());

    dialogs->ExpectMessageBox(TMsgAnswer::OK);
    ClickListEntry(*form->ListBox1, 1);
    EXPECT_EQ(form->ListBox1->ItemIndex(), 0);
    EXPECT_EQ(form->ShownIndex, 0);
    EXPECT_EQ(Line(2), TwoSections[2]);
    EXPECT_EQ(dialogs->Boxes().size(), 2u);

    // Once the value is a number, the same click acts.
    TypeInto(*form->LabeledEdit1, "1111");
    ClickListEntry(*form->ListBox1, 1);
    EXPECT_EQ(form->ShownIndex, 1);
    EXPECT_EQ(Line(2), RecordLine("CARA", {{1, "1111"}, {30, "kept-a"}}));
}

TEST_F(ShownRecord, EveryExitHandlerChecksWithItsOwnFieldsBounds) {
    StartWith(TwoSections);
    for (int entry = 0; entry < ValueEditorCount; ++entry) {
        TLabeledEdit* editor = form->Editors[entry];
        const TFieldBounds& bounds = FieldOfEditor(entry).Bounds;
        editor->SetText("99999999");
        editor->OnExit();
        const std::string upper = editor->Text();
        editor->SetText("-99999999");
        editor->OnExit();
        EXPECT_EQ(std::stod(upper), bounds.Upper) << editor->Name();
        EXPECT_EQ(std::stod(editor->Text()), bounds.Lower) << editor->Name();
    }
}

// Each kind of record control, filled from a record and committed back.
TEST_F(ShownRecord, FillAndCommitOfEveryKind) {
    const struct {
        const char* what;
        std::map<int, std::string> tokens;
        int drive, engine;
        bool abs;
        int front, rear;
        std::map<int, std::string> committed;  // tokens the commit writes differently
    } cases[] = {
        {"design letters", {{15, "F"}, {16, "D"}, {19, "1"}, {31, "2"}, {32, "0"}}, 0, 1, true, 2, 0, {}},
        {"4 and E", {{15, "4"}, {16, "E"}, {19, "0"}, {31, "3"}, {32, "1"}}, 2, 2, false, 3, 1, {}},
        {"lower case", {{15, "f"}, {16, "p"}}, 2, 2, false, 1, 2, {{15, "4"}, {16, "E"}}},
        {"unknown letters", {{15, "FR"}, {16, "e"}}, 2, 2, false, 1, 2, {{15, "4"}, {16, "E"}}},
        {"light beyond the entries", {{31, "4"}, {32, "-1"}}, 1, 0, false, -1, -1, {}},
        {"identifier and kept token", {{0, "WEIRD;ID"}, {30, "x,y"}}, 1, 0, false, 1, 2, {}},
        {"values outside bounds", {{1, "60000"}, {2, "1,5"}}, 1, 0, false, 1, 2, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::map<int, std::string> tokens = c.tokens;
        const std::string id = tokens.count(0) ? tokens[0] : "CAR";
        const std::string line = RecordLine(id, tokens);
        StartWith({"; cars", line, RecordLine("OTHER"), "; end"});
        EXPECT_EQ(form->ComboBox2->ItemIndex(), c.drive);
        EXPECT_EQ(form->ComboBox3->ItemIndex(), c.engine);
        EXPECT_EQ(form->CheckBox1->Checked(), c.abs);
        EXPECT_EQ(form->ComboBox5->ItemIndex(), c.front) << "front lights are token 31";
        EXPECT_EQ(form->ComboBox4->ItemIndex(), c.rear) << "rear lights are token 32";
        for (int token = 1; token <= 29; ++token) {
            const TRecordField& field = RecordFields()[token];
            if (field.Kind != TFieldKind::Number) continue;
            EXPECT_EQ(form->Editors[field.Editor]->Text(), SplitRecordLine(line).Get(token)) << token;
        }
        ClickListEntry(*form->ListBox1, 1);
        std::map<int, std::string> expected = tokens;
        for (const auto& [index, text] : c.committed) expected[index] = text;
        EXPECT_EQ(Line(1), RecordLine(id, expected));
        Application->DestroyForms();
    }
}

TEST_F(ShownRecord, EmptyLetterTokensChooseTheThirdEntry) {
    StartWith(TwoSections);
    TRecordTokens tokens = SplitRecordLine(RecordLine("CAR"));
    tokens.Put(15, "");
    tokens.Put(16, "");
    form->ShownTokens.Assign(tokens);
    form->FillRecordControls();
    EXPECT_EQ(form->ComboBox2->ItemIndex(), 2);
    EXPECT_EQ(form->ComboBox3->ItemIndex(), 2);
    EXPECT_EQ(form->TokensFromRecordControls().Get(15), "4");
    EXPECT_EQ(form->TokensFromRecordControls().Get(16), "E");
}

// A record whose flag or light token cannot be read is shown only in part; it then counts
// as not shown, so nothing of the half-filled controls reaches any line.
TEST_F(ShownRecord, AFillThatFailsLeavesNoRecordShown) {
    for (int token : {19, 31, 32}) {
        SCOPED_TRACE(token);
        const std::vector<std::string> lines = {"; cars", RecordLine("GOOD", {{1, "1000"}}),
                                                RecordLine("BROKEN", {{1, "2000"}, {token, "x"}}),
                                                RecordLine("THIRD", {{1, "3000"}}), "; end"};
        StartWith(lines);
        dialogs->ExpectErrorReport();
        ClickListEntry(*form->ListBox1, 1);
        EXPECT_FALSE(form->RecordShown);
        TypeInto(*form->LabeledEdit1, "1500");
        ClickListEntry(*form->ListBox1, 2);
        EXPECT_EQ(form->HandlingLines.Lines(), lines) << "no line took the half-filled controls";
        EXPECT_TRUE(form->RecordShown);
        EXPECT_EQ(form->ShownIndex, 2);
        EXPECT_EQ(form->LabeledEdit1->Text(), "3000");
        dialogs->VerifyAllAnswered();
        dialogs->Reset();
        Application->DestroyForms();
    }
}

TEST_F(ShownRecord, ASectionThatIsNotThereChangesNothing) {
    StartWith(TwoSections);
    TypeInto(*form->LabeledEdit1, "1234");
    dialogs->ExpectErrorReport();
    ChooseSection(3);
    EXPECT_EQ(form->ListBox1->Items.Count(), 3);
    EXPECT_EQ(form->SectionStart, 2);
    EXPECT_TRUE(form->RecordShown);
    EXPECT_EQ(form->HandlingLines.Lines(), TwoSections);
    EXPECT_EQ(form->LabeledEdit1->Text(), "1234");
}

TEST_F(ShownRecord, ALastSectionWithoutAClosingCommentIsListedWithoutAShownRecord) {
    std::vector<std::string> lines = TwoSections;
    lines.pop_back();
    StartWith(lines);
    dialogs->ExpectErrorReport();
    ChooseSection(1);
    EXPECT_EQ(form->ListBox1->Items.Lines().Lines(), (std::vector<std::string>{"BOATA", "BOATB"}));
    EXPECT_EQ(form->ListBox1->ItemIndex(), -1);
    EXPECT_FALSE(form->RecordShown);
    EXPECT_EQ(form->SectionStart, 6);

    // The old controls are bound to no line: editing them commits nothing.
    TypeInto(*form->LabeledEdit1, "7777");
    ClickListEntry(*form->ListBox1, 1);
    EXPECT_EQ(form->HandlingLines.Lines(), lines);
    EXPECT_EQ(form->LabeledEdit1->Text(), "6000");
}

}  // namespace
