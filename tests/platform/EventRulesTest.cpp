// The event rules that the program's handlers rely on, each checked once with real Qt widgets.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Application.h"
#include "platform/Dialogs.h"
#include "platform/SysUtils.h"
#include "tests/support/FormTesting.h"
#include "tests/support/ScriptedDialogs.h"

namespace {

// A small window with one control of each kind that has events.
class TProbeForm : public TForm {
public:
    TProbeForm() : TForm("ProbeForm") {
        SetBounds(10, 10, 400, 300);
        Edit1 = Make<TLabeledEdit>(this, "Edit1");
        Edit1->SetBounds(8, 24, 80, 21);
        Edit1->SetTabOrder(0);
        Edit2 = Make<TLabeledEdit>(this, "Edit2");
        Edit2->SetBounds(100, 24, 80, 21);
        Edit2->SetTabOrder(1);
        Check = Make<TCheckBox>(this, "Check");
        Check->SetBounds(8, 60, 80, 17);
        Check->SetTabOrder(2);
        Choice = Make<TComboBox>(this, "Choice", TComboBoxStyle::csDropDownList);
        Choice->SetBounds(8, 90, 80, 21);
        Choice->SetTabOrder(3);
        for (const char* item : {"F", "R", "4"}) Choice->Items.Add(item);
        List = Make<TListBox>(this, "List");
        List->SetBounds(200, 60, 100, 120);
        List->SetTabOrder(4);
        for (const char* item : {"one", "two", "three"}) List->Items.Add(item);
        Button = Make<TButton>(this, "Button");
        Button->SetBounds(8, 200, 80, 25);
        Button->SetTabOrder(5);
        OnCreate = [this] { createdWithControls.push_back(FindControl("Button") != nullptr); };
    }

    TLabeledEdit* Edit1;
    TLabeledEdit* Edit2;
    TCheckBox* Check;
    TComboBox* Choice;
    TListBox* List;
    TButton* Button;
    std::vector<bool> createdWithControls;
};

class EventRules : public testing::Test {
protected:
    void SetUp() override {
        Application->CreateForm(form);
        form->Edit1->OnChange = [this] { Log("Edit1.Change"); };
        form->Edit1->OnExit = [this] { Log("Edit1.Exit"); };
        form->Edit2->OnExit = [this] { Log("Edit2.Exit"); };
        form->Check->OnClick = [this] { Log("Check.Click"); };
        form->Choice->OnChange = [this] { Log("Choice.Change"); };
        form->List->OnClick = [this] { Log("List.Click"); };
        form->Button->OnClick = [this] { Log("Button.Click"); };
    }
    void TearDown() override { Application->DestroyForms(); }

    void Log(const std::string& event) { events.push_back(event); }
    std::vector<std::string> Take() { return std::exchange(events, {}); }

    TProbeForm* form = nullptr;
    std::vector<std::string> events;
    using Events = std::vector<std::string>;
};

TEST_F(EventRules, EditorChangesAfterEveryChangeOfItsTextByUserOrProgram) {
    ASSERT_TRUE(ShowActive(*form));
    form->Edit1->SetText("12");
    EXPECT_EQ(Take(), Events{"Edit1.Change"});
    form->Edit1->SetText("12");
    EXPECT_EQ(Take(), Events{}) << "the same text is no change";
    form->Edit1->SetFocus();
    QTest::keyClick(form->Edit1->Widget(), Qt::Key_End);
    QTest::keyClicks(form->Edit1->Widget(), "3");
    EXPECT_EQ(Take(), Events{"Edit1.Change"});
    EXPECT_EQ(form->Edit1->Text(), "123");
}

TEST_F(EventRules, CheckBoxClicksAfterEveryChangeOfItsStateAndNotForTheStateItHas) {
    ASSERT_TRUE(ShowActive(*form));
    form->Check->SetFocus();
    Take();
    form->Check->SetChecked(true);
    EXPECT_EQ(Take(), Events{"Check.Click"});
    form->Check->SetChecked(true);
    EXPECT_EQ(Take(), Events{});
    QTest::mouseClick(form->Check->Widget(), Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_EQ(Take(), Events{"Check.Click"});
    EXPECT_FALSE(form->Check->Checked());
    QTest::keyClick(form->Check->Widget(), Qt::Key_Space);
    EXPECT_EQ(Take(), Events{"Check.Click"});
    EXPECT_TRUE(form->Check->Checked());
}

TEST_F(EventRules, SelectionsChangeOnlyForTheUser) {
    ASSERT_TRUE(ShowActive(*form));
    form->Button->SetFocus();
    Take();
    EXPECT_EQ(form->Choice->ItemIndex(), -1) << "filling selects nothing";
    EXPECT_EQ(form->List->ItemIndex(), -1);

    form->Choice->SetItemIndex(1);
    form->Choice->Items.Clear();
    for (const char* item : {"a", "b", "c"}) form->Choice->Items.Add(item);
    form->Choice->SetItemIndex(2);
    form->List->SetItemIndex(1);
    form->List->Items.Clear();
    for (const char* item : {"x", "y", "z"}) form->List->Items.Add(item);
    form->List->SetItemIndex(0);
    EXPECT_EQ(Take(), Events{}) << "selecting, emptying and filling by program raise nothing";
    EXPECT_EQ(form->Choice->ItemIndex(), 2);
    EXPECT_EQ(form->List->ItemIndex(), 0);

    form->Choice->SetFocus();
    QTest::keyClick(form->Choice->Widget(), Qt::Key_Up);
    EXPECT_EQ(Take(), Events{"Choice.Change"});
    EXPECT_EQ(form->Choice->ItemIndex(), 1);

    form->List->SetFocus();
    QTest::keyClick(form->List->Widget(), Qt::Key_Down);
    EXPECT_EQ(Take(), Events{"List.Click"});
    EXPECT_EQ(form->List->ItemIndex(), 1);

    auto* list = static_cast<QListWidget*>(form->List->Widget());
    const QRect third = list->visualItemRect(list->item(2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third.center());
    EXPECT_EQ(Take(), Events{"List.Click"});
    EXPECT_EQ(form->List->ItemIndex(), 2);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, third.center());
    EXPECT_EQ(Take(), Events{}) << "a single-selection list keeps its selection";
    EXPECT_EQ(form->List->ItemIndex(), 2);
}

TEST_F(EventRules, EditorExitsWhenTheFocusMovesToAnotherControlOfTheWindow) {
    ASSERT_TRUE(ShowActive(*form));
    form->Edit1->SetFocus();
    PressTab();
    EXPECT_TRUE(form->Edit2->Focused());
    EXPECT_EQ(Take(), Events{"Edit1.Exit"});

    form->Edit1->SetFocus();
    EXPECT_EQ(Take(), Events{}) << "the program's own move is no exit";
    QTest::mouseClick(form->Button->Widget(), Qt::LeftButton);
    EXPECT_EQ(Take(), (Events{"Edit1.Exit", "Button.Click"})) << "the exit runs before the click";

    form->Edit1->SetFocus();
    Take();
    auto* list = static_cast<QListWidget*>(form->List->Widget());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(Take(), (Events{"Edit1.Exit", "List.Click"}));
}

TEST_F(EventRules, FocusLeavingForAnotherWindowIsNoExit) {
    ASSERT_TRUE(ShowActive(*form));
    form->Edit1->SetFocus();
    Take();
    QWidget other;
    other.setGeometry(500, 10, 100, 100);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    form->Widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->Widget()));
    EXPECT_TRUE(form->Edit1->Focused());
    EXPECT_EQ(Take(), Events{});
}

TEST_F(EventRules, AnExitThatTakesTheFocusBackCancelsTheClickThatCausedIt) {
    ASSERT_TRUE(ShowActive(*form));
    form->Edit1->OnExit = [this] {
        Log("Edit1.Exit");
        form->Edit1->SetFocus();
    };
    form->List->SetItemIndex(0);
    form->Edit1->SetFocus();
    Take();

    QTest::mouseClick(form->Button->Widget(), Qt::LeftButton);
    EXPECT_EQ(Take(), Events{"Edit1.Exit"});
    EXPECT_TRUE(form->Edit1->Focused());

    auto* list = static_cast<QListWidget*>(form->List->Widget());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    EXPECT_EQ(Take(), Events{"Edit1.Exit"});
    EXPECT_EQ(form->List->ItemIndex(), 0);

    // Once the editor lets the focus go, clicks act again.
    form->Edit1->OnExit = [this] { Log("Edit1.Exit"); };
    QTest::mouseClick(form->Button->Widget(), Qt::LeftButton);
    EXPECT_EQ(Take(), (Events{"Edit1.Exit", "Button.Click"}));
}

TEST_F(EventRules, TwoEditorsThatBothKeepTheFocusDoNotHandItToAndFro) {
    ASSERT_TRUE(ShowActive(*form));
    form->Edit1->OnExit = [this] {
        Log("Edit1.Exit");
        form->Edit1->SetFocus();
    };
    form->Edit2->OnExit = [this] {
        Log("Edit2.Exit");
        form->Edit2->SetFocus();
    };
    form->Edit1->SetFocus();
    ClickInto(*form->Edit2);
    EXPECT_EQ(Take(), Events{"Edit1.Exit"});
    EXPECT_TRUE(form->Edit1->Focused());
}

TEST_F(EventRules, CloseQueryMayRefuseAndOnCloseFollowsOnlyAnAcceptedClose) {
    bool allow = false;
    form->OnCloseQuery = [&](bool& canClose) {
        Log("CloseQuery");
        canClose = allow;
    };
    form->OnClose = [this](TCloseAction&) { Log("Close"); };
    ASSERT_TRUE(ShowActive(*form));

    form->Close();
    EXPECT_EQ(Take(), Events{"CloseQuery"});
    EXPECT_TRUE(form->Widget()->isVisible());

    form->Widget()->close();  // the title bar's close button
    EXPECT_EQ(Take(), Events{"CloseQuery"});
    EXPECT_TRUE(form->Widget()->isVisible());

    allow = true;
    form->Widget()->close();
    EXPECT_EQ(Take(), (Events{"CloseQuery", "Close"}));
    EXPECT_FALSE(form->Widget()->isVisible());
    EXPECT_TRUE(Application->Terminated()) << "closing the main form ends the program";
}

TEST_F(EventRules, ShowRunsOnceBeforeTheWindowFirstBecomesVisible) {
    form->OnShow = [this] { Log(form->Widget()->isVisible() ? "Show.visible" : "Show.hidden"); };
    form->Show();
    form->Hide();
    form->Show();
    EXPECT_EQ(Take(), Events{"Show.hidden"});
    EXPECT_TRUE(form->Widget()->isVisible());
}

TEST_F(EventRules, AWindowClosedWhileBeingShownNeverAppears) {
    form->OnShow = [this] { form->Close(); };
    form->Show();
    EXPECT_FALSE(form->Widget()->isVisible());
    EXPECT_TRUE(form->Closed());
}

TEST_F(EventRules, CreateRunsOnceAfterAllControlsExist) {
    EXPECT_EQ(form->createdWithControls, std::vector<bool>{true});
}

TEST_F(EventRules, AFailingHandlerIsReportedAndTheProgramGoesOn) {
    ScriptedDialogsScope dialogs;
    dialogs->ExpectErrorReport();
    dialogs->ExpectErrorReport();
    Application->SetTitle("Probe");
    form->Button->OnClick = [] { throw EConvertError("'x' is not a valid integer value"); };
    form->Check->OnClick = [] { throw 42; };
    ASSERT_TRUE(ShowActive(*form));
    QTest::mouseClick(form->Button->Widget(), Qt::LeftButton);
    form->Check->SetChecked(true);
    ASSERT_EQ(dialogs->Boxes().size(), 2u);
    EXPECT_EQ(dialogs->Boxes()[0].text, "'x' is not a valid integer value");
    EXPECT_EQ(dialogs->Boxes()[0].caption, "Probe");
    EXPECT_EQ(dialogs->Boxes()[1].text, "") << "what is no error object has no message";
    EXPECT_TRUE(form->Check->Checked());
}

TEST_F(EventRules, FocusOrderFollowsTabOrderIntoFrames) {
    Application->DestroyForms();
    struct TNested : TForm {
        TNested() : TForm("Nested") {
            SetBounds(10, 10, 300, 200);
            Last = Make<TButton>(this, "Last");
            Last->SetBounds(8, 150, 60, 25);
            Last->SetTabOrder(2);
            Frame = Make<TGroupBox>(this, "Frame");
            Frame->SetBounds(8, 8, 200, 100);
            Frame->SetTabOrder(1);
            Inner2 = Make<TLabeledEdit>(Frame, "Inner2");
            Inner2->SetBounds(8, 60, 50, 21);
            Inner2->SetTabOrder(1);
            Inner1 = Make<TLabeledEdit>(Frame, "Inner1");
            Inner1->SetBounds(8, 24, 50, 21);
            Inner1->SetTabOrder(0);
            First = Make<TComboBox>(this, "First", TComboBoxStyle::csDropDownList);
            First->SetBounds(220, 8, 60, 21);
            First->SetTabOrder(0);
            Disabled = Make<TButton>(Frame, "Disabled");
            Disabled->SetBounds(100, 24, 60, 25);
            Disabled->SetTabOrder(2);
            Disabled->SetEnabled(false);
        }
        TButton* Last;
        TGroupBox* Frame;
        TLabeledEdit* Inner1;
        TLabeledEdit* Inner2;
        TComboBox* First;
        TButton* Disabled;
    }* nested = nullptr;
    Application->CreateForm(nested);
    ASSERT_TRUE(ShowActive(*nested));
    nested->First->SetFocus();
    const std::vector<TControl*> expected = {nested->Inner1, nested->Inner2, nested->Last, nested->First};
    for (TControl* next : expected) {
        PressTab();
        EXPECT_TRUE(next->Focused()) << "expected " << next->Name();
    }
}

TEST_F(EventRules, TextsCrossTheWidgetBoundaryInCodePage1252) {
    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte)
        if (byte != '\r' && byte != '\n') everyByte.push_back(static_cast<char>(byte));
    form->Edit1->SetText(everyByte);
    EXPECT_EQ(form->Edit1->Text(), everyByte);
    static_cast<QLineEdit*>(form->Edit1->Widget())->setText(QString::fromUtf8("\u20ac \u00df \u00fc \u03a9"));
    EXPECT_EQ(form->Edit1->Text(), "\x80 \xDF \xFC ?");
    form->Check->SetCaption("Gr\xF6\xDF" "e");
    EXPECT_EQ(static_cast<QCheckBox*>(form->Check->Widget())->text(), QString::fromUtf8("Größe"));
}

TEST_F(EventRules, TheLabelOfAnEditorSitsAboveItAndHintsShowOnlyWhenAsked) {
    form->Edit2->EditLabel().SetCaption("Masse");
    EXPECT_EQ(form->Edit2->EditLabel().Left(), 100);
    EXPECT_EQ(form->Edit2->EditLabel().Top() + form->Edit2->EditLabel().Height() + 3, 24);
    EXPECT_GT(form->Edit2->EditLabel().Width(), 0);
    form->Edit2->SetHint("1 bis 50000");
    EXPECT_TRUE(form->Edit2->Widget()->toolTip().isEmpty());
    form->Edit2->SetShowHint(true);
    EXPECT_EQ(form->Edit2->Widget()->toolTip(), "1 bis 50000");
}

TEST_F(EventRules, TheEditableDropDownKeepsItsTextWhileItsItemsAreReplaced) {
    auto* box = form->Make<TComboBox>(form, "Editable", TComboBoxStyle::csDropDown);
    box->Items.Assign(TStringList({"Deutsch.txt", "English.txt"}));
    EXPECT_EQ(box->Text(), "");
    box->SetItemIndex(0);
    EXPECT_EQ(box->Text(), "Deutsch.txt");
    box->SetText("typed");
    box->Items.Add("More.txt");
    EXPECT_EQ(box->Text(), "typed");
}

TEST(Dialogs, MessageBoxesAndTheOpenDialogGoThroughTheReplaceableInterface) {
    ScriptedDialogsScope dialogs;
    dialogs->ExpectMessageBox(TMsgAnswer::No);
    dialogs->ExpectOpenDialog("/games/vc/gta-vc.exe");
    EXPECT_EQ(Application->MessageBox("Save?", "Wendrix", TMsgButtons::YesNoCancel, TMsgIcon::Question),
              TMsgAnswer::No);
    TOpenDialog dialog;
    dialog.Filter = "gta-vc.exe|gta-vc.exe";
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName, "/games/vc/gta-vc.exe");
    ASSERT_EQ(dialogs->Boxes().size(), 2u);
    EXPECT_EQ(dialogs->Boxes()[0].caption, "Wendrix");
    EXPECT_EQ(dialogs->Boxes()[0].buttons, TMsgButtons::YesNoCancel);
    EXPECT_EQ(dialogs->Boxes()[0].icon, TMsgIcon::Question);
    EXPECT_EQ(dialogs->Boxes()[1].text, "gta-vc.exe|gta-vc.exe");
}

}  // namespace
