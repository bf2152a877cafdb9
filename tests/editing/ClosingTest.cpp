// Closing the main window: the field checks, the question whether to save, the credits
// window, and the quiet close.
#include <filesystem>

#include "tests/support/HandlingFixtures.h"
#include "tests/support/app/StartedEditor.h"

namespace {

const std::vector<std::string> Lines = {
    "; cars", RecordLine("CARA", {{1, "1000"}}), RecordLine("CARB", {{1, "2000"}}), "; end"};

using Closing = StartedEditor;

void ExpectSaveQuestion(const RecordedBox& box) {
    EXPECT_EQ(box.text, "slot 2");
    EXPECT_EQ(box.caption, "slot 3");
    EXPECT_EQ(box.buttons, TMsgButtons::YesNoCancel);
    EXPECT_EQ(box.icon, TMsgIcon::Question);
}

TEST_F(Closing, RightAfterStartUpNothingIsAskedAndTheCreditsEndTheProgram) {
    StartWith(Lines);
    EXPECT_TRUE(CloseMainWindow());
    EXPECT_TRUE(dialogs->Boxes().empty());
    EXPECT_FALSE(form->Widget()->isVisible());
    EXPECT_TRUE(Application->Terminated());
    EXPECT_EQ(ReadFile(HandlingPath()), HandlingText(Lines));
}

TEST_F(Closing, TypedChangesBringTheQuestion) {
    const struct {
        TMsgAnswer answer;
        bool closes;
        std::string onDisk;
    } cases[] = {
        {TMsgAnswer::Yes, true, HandlingText({Lines[0], RecordLine("CARA", {{1, "1234"}}), Lines[2], Lines[3]})},
        {TMsgAnswer::No, true, HandlingText(Lines)},
        {TMsgAnswer::Cancel, false, HandlingText(Lines)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        StartWith(Lines);
        TypeInto(*form->LabeledEdit1, "1234");
        dialogs->ExpectMessageBox(c.answer);
        EXPECT_EQ(CloseMainWindow(), c.closes);
        ASSERT_EQ(dialogs->Boxes().size(), 1u);
        ExpectSaveQuestion(dialogs->Boxes()[0]);
        EXPECT_EQ(ReadFile(HandlingPath()), c.onDisk);
        EXPECT_EQ(form->Widget()->isVisible(), !c.closes);
        if (!c.closes) {
            EXPECT_EQ(form->LabeledEdit1->Text(), "1234");
            EXPECT_FALSE(form->EditsClean);
        }
        dialogs->Reset();
        Application->DestroyForms();
    }
}

TEST_F(Closing, EveryEditorWithoutANumberIsReportedInEditorOrderAndTheWindowStays) {
    StartWith(Lines);
    form->LabeledEdit20->SetText("door");
    form->LabeledEdit3->SetText("");
    ClickInto(*form->LabeledEdit1);
    dialogs->ExpectMessageBox(TMsgAnswer::OK);
    dialogs->ExpectMessageBox(TMsgAnswer::OK);
    EXPECT_FALSE(CloseMainWindow());
    ASSERT_EQ(dialogs->Boxes().size(), 2u);
    EXPECT_EQ(dialogs->Boxes()[0].text, "slot 8");
    EXPECT_EQ(dialogs->Boxes()[1].focus, "LabeledEdit3") << "LabeledEdit3 was reported first";
    EXPECT_TRUE(form->LabeledEdit20->Focused());
    EXPECT_FALSE(form->FieldsValid);
    EXPECT_TRUE(form->Widget()->isVisible());
    EXPECT_EQ(ReadFile(HandlingPath()), HandlingText(Lines));
    EXPECT_EQ(form->HandlingLines.Lines(), Lines) << "the checks never commit";
}

TEST_F(Closing, AValueOutsideItsBoundsIsClampedAndBringsTheQuestion) {
    StartWith({"; cars", RecordLine("HEAVY", {{1, "60000"}}), "; end"});
    dialogs->ExpectMessageBox(TMsgAnswer::Cancel);
    EXPECT_FALSE(CloseMainWindow());
    EXPECT_EQ(form->LabeledEdit1->Text(), "50000");
    ASSERT_EQ(dialogs->Boxes().size(), 1u);
    ExpectSaveQuestion(dialogs->Boxes()[0]);
}

TEST_F(Closing, AQuietCloseChecksNothingAsksNothingAndShowsNoCredits) {
    StartWith(Lines);
    TypeInto(*form->LabeledEdit1, "not a number");
    form->QuietClose = true;
    EXPECT_FALSE(CloseMainWindow());
    EXPECT_TRUE(dialogs->Boxes().empty());
    EXPECT_TRUE(form->Closed());
    EXPECT_TRUE(Application->Terminated());
}

// Changes already committed into the lines are offered for saving too, not only those still
// in the record controls.
TEST_F(Closing, CommittedButUnsavedChangesBringTheQuestion) {
    const struct {
        const char* what;
        void (*act)(Closing&);
    } cases[] = {
        {"edit a record, select another", [](Closing& t) {
             TypeInto(*t.form->LabeledEdit1, "1234");
             ClickListEntry(*t.form->ListBox1, 1);
         }},
        {"paste onto another record, select another", [](Closing& t) {
             QTest::mouseClick(t.form->Button4->Widget(), Qt::LeftButton);
             ClickListEntry(*t.form->ListBox1, 1);
             QTest::mouseClick(t.form->Button5->Widget(), Qt::LeftButton);
             ClickListEntry(*t.form->ListBox1, 0);
         }},
        {"restore all from a backup that differs", [](Closing& t) {
             WriteFile(t.BackupPath(), HandlingText({"; cars", RecordLine("OLD"), RecordLine("OLDER"), "; end"}));
             t.dialogs->ExpectMessageBox(TMsgAnswer::Yes);
             QTest::mouseClick(t.form->Button3->Widget(), Qt::LeftButton);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        StartWith(Lines);
        c.act(*this);
        ASSERT_TRUE(form->EditsClean);
        const std::vector<std::string> inMemory = form->HandlingLines.Lines();
        const std::size_t before = dialogs->Boxes().size();
        dialogs->ExpectMessageBox(TMsgAnswer::Yes);
        EXPECT_TRUE(CloseMainWindow());
        ASSERT_EQ(dialogs->Boxes().size(), before + 1);
        ExpectSaveQuestion(dialogs->Boxes().back());
        EXPECT_EQ(ReadFile(HandlingPath()), HandlingText(inMemory));
        dialogs->Reset();
        Application->DestroyForms();
    }
}

TEST_F(Closing, RightAfterASaveNothingIsAsked) {
    StartWith(Lines);
    TypeInto(*form->LabeledEdit1, "1234");
    ClickListEntry(*form->ListBox1, 1);
    QTest::mouseClick(form->Button1->Widget(), Qt::LeftButton);
    EXPECT_TRUE(CloseMainWindow());
    EXPECT_TRUE(dialogs->Boxes().empty());
}

// A save that fails while closing keeps the window open with everything as it was, so the
// user can mend the cause and save, or close without saving.
TEST_F(Closing, ASaveThatFailsAtClosingKeepsTheWindowOpen) {
    StartWith(Lines);
    TypeInto(*form->LabeledEdit1, "1234");
    const std::string data = GamePath() + "/data";
    std::filesystem::rename(data, data + ".away");
    dialogs->ExpectMessageBox(TMsgAnswer::Yes);
    dialogs->ExpectMessageBox(TMsgAnswer::OK);
    EXPECT_FALSE(CloseMainWindow());
    ASSERT_EQ(dialogs->Boxes().size(), 2u);
    EXPECT_EQ(dialogs->Boxes()[1].text, "slot 6");
    EXPECT_TRUE(form->Widget()->isVisible());
    EXPECT_FALSE(Application->Terminated());
    EXPECT_EQ(form->LabeledEdit1->Text(), "1234");
    EXPECT_FALSE(form->EditsClean);

    std::filesystem::rename(data + ".away", data);
    dialogs->ExpectMessageBox(TMsgAnswer::Yes);
    EXPECT_TRUE(CloseMainWindow());
    EXPECT_NE(ReadFile(HandlingPath()).find("CARA 1234 "), std::string::npos);
}

TEST_F(Closing, WithoutAShownRecordTheEditorsAreNotChecked) {
    const struct {
        const char* what;
        bool committedChange;
    } cases[] = {{"nothing changed", false}, {"a change committed before", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        StartWith({"; cars", RecordLine("CARA"), "; boats", RecordLine("BOATA")});
        if (c.committedChange) TypeInto(*form->LabeledEdit1, "1234");
        dialogs->ExpectErrorReport();  // the boats run to the end of the file
        ChooseEntry(*form->ComboBox1, 1);
        ASSERT_FALSE(form->RecordShown);
        form->LabeledEdit1->SetText("heavy");  // controls bound to no line
        if (c.committedChange) dialogs->ExpectMessageBox(TMsgAnswer::No);
        EXPECT_TRUE(CloseMainWindow());
        ASSERT_EQ(dialogs->Boxes().size(), c.committedChange ? 2u : 1u);
        if (c.committedChange) ExpectSaveQuestion(dialogs->Boxes().back());
        dialogs->Reset();
        Application->DestroyForms();
    }
}

}  // namespace
