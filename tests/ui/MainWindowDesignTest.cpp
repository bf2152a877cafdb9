// The main window as built: every control's kind, parent, place, size, tab order, texts and
// states, the window's settings, the members FormCreate leaves, the wiring of every event,
// and the focus order the Tab key follows.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/Application.h"
#include "platform/Cp1252.h"
#include "tests/support/ScriptedDialogs.h"
#include "ui/Unit1.h"

namespace {

enum class Kind { Label, ListBox, DropDownList, DropDown, Frame, LabeledEdit, CheckBox, Button, FileList };
using enum Kind;

using Handler = void (TForm1::*)();

template <auto Member>
TControl* MemberOf(const TForm1& form) {
    return form.*Member;
}

// One control of the design. Texts are written in UTF-8, as the design has them.
struct ControlRow {
    const char* name;
    TControl* (*member)(const TForm1&);
    Kind kind;
    const char* parent;
    int left, top, width, height;
    int tab;
    const char* text;  // caption, or a labelled editor's label
    const char* hint;
    bool showHint;
    std::vector<const char*> items;
    Handler changeOrClick;  // OnChange of editors and drop-downs, OnClick of the others
    Handler exit;           // OnExit of a labelled editor
};

#define CONTROL(member) #member, &MemberOf<&TForm1::member>

// In the order the design creates the controls.
const std::vector<ControlRow> Design = {
    {CONTROL(Label5), Label, "Form1", 552, 304, 40, 13, -1, "Sprache", "", false, {}, nullptr, nullptr},
    {CONTROL(ListBox1), ListBox, "Form1", 8, 32, 129, 313, 1, "", "", false, {}, &TForm1::ListBox1Click, nullptr},
    {CONTROL(ComboBox1), DropDownList, "Form1", 8, 8, 129, 21, 0, "", "", false, {}, &TForm1::ComboBox1Change, nullptr},
    {CONTROL(GroupBox1), Frame, "Form1", 144, 8, 513, 289, 2, "", "", false, {}, nullptr, nullptr},
    {CONTROL(Label1), Label, "GroupBox1", 352, 8, 35, 13, -1, "Fahrtyp", "", false, {}, nullptr, nullptr},
    {CONTROL(Label2), Label, "GroupBox1", 424, 8, 41, 13, -1, "Motortyp", "", false, {}, nullptr, nullptr},
    {CONTROL(LabeledEdit1), LabeledEdit, "GroupBox1", 8, 24, 57, 21, 0, "Masse", "1 bis 50000", true, {},
     &TForm1::LabeledEdit1Change, &TForm1::LabeledEdit1Exit},
    {CONTROL(GroupBox2), Frame, "GroupBox1", 8, 48, 65, 145, 1, "Größe", "", false, {}, nullptr, nullptr},
    {CONTROL(LabeledEdit2), LabeledEdit, "GroupBox2", 8, 32, 41, 21, 0, "X-Achse", "", true, {},
     &TForm1::LabeledEdit1Change, &TForm1::LabeledEdit2Exit},
    {CONTROL(LabeledEdit3), LabeledEdit, "GroupBox2", 8, 72, 41, 21, 1, "Y-Achse", "", true, {},
     &TForm1::LabeledEdit1Change, &TForm1::LabeledEdit3Exit},
    {CONTROL(LabeledEdit4), LabeledEdit, "GroupBox2", 8, 112, 41, 21, 2, "Z-Achse",
     "Schwerpunkt des Autos in der Z-Achse (-10 bis 10)", true, {}, &TForm1::LabeledEdit1Change,
     &TForm1::LabeledEdit4Exit},
    {CONTROL(GroupBox3), Frame, "GroupBox1", 80, 48, 73, 145, 2, "Schwerpunkt", "", false, {}, nullptr, nullptr},
    {CONTROL(LabeledEdit5), LabeledEdit, "GroupBox3", 8, 32, 41, 21, 0, "X-Achse", "", true, {},
     &TForm1::LabeledEdit1Change, &TForm1::LabeledEdit5Exit},
    {CONTROL(LabeledEdit6), LabeledEdit, "GroupBox3", 8, 72, 41, 21, 1, "Y-Achse", "", true, {},
     &TForm1::LabeledEdit1Change, &TForm1::LabeledEdit6Exit},
    {CONTROL(LabeledEdit7), LabeledEdit, "GroupBox3", 8, 112, 41, 21, 2, "Z-Achse", "", true, {},
     &TForm1::LabeledEdit1Change, &TForm1::LabeledEdit7Exit},
    {CONTROL(LabeledEdit8), LabeledEdit, "GroupBox1", 136, 216, 89, 21, 3, "Tiefgang (Wasser)", "", true, {},
     &TForm1::LabeledEdit1Change, &TForm1::LabeledEdit8Exit},
    {CONTROL(GroupBox4), Frame, "GroupBox1", 160, 48, 89, 145, 4, "Bodenhaftung", "", false, {}, nullptr, nullptr},
    {CONTROL(LabeledEdit9), LabeledEdit, "GroupBox4", 8, 32, 41, 21, 0, "Bodenhafung", "", true, {},
     &TForm1::LabeledEdit1Change, &TForm1::LabeledEdit9Exit},
    {CONTROL(LabeledEdit10), LabeledEdit, "GroupBox4", 8, 72, 41, 21, 1, "Verlust", "", true, {},
     &TForm1::LabeledEdit1Change, &TForm1::LabeledEdit10Exit},
    {CONTROL(LabeledEdit11), LabeledEdit, "GroupBox4", 8, 112, 41, 21, 2, "Neigung", "", true, {},
     &TForm1::LabeledEdit1Change, &TForm1::LabeledEdit11Exit},
    {CONTROL(LabeledEdit12), LabeledEdit, "GroupBox1", 304, 24, 41, 21, 5, "Gänge", "1 bis 5", true, {},
     &TForm1::LabeledEdit1Change, &TForm1::LabeledEdit12Exit},
    {CONTROL(LabeledEdit13), LabeledEdit, "GroupBox1", 80, 24, 89, 21, 6, "Höchstgeschw.", "1 bis 999", true, {},
     &TForm1::LabeledEdit1Change, &TForm1::LabeledEdit13Exit},
    {CONTROL(LabeledEdit14), LabeledEdit, "GroupBox1", 192, 24, 97, 21, 7, "Beschleunigung", "", true, {},
     &TForm1::LabeledEdit1Change, &TForm1::LabeledEdit14Exit},
    {CONTROL(ComboBox2), DropDownList, "GroupBox1", 352, 24, 65, 21, 8, "", "", true, {"F", "R", "4"},
     &TForm1::ComboBox5Change, nullptr},
    {CONTROL(ComboBox3), DropDownList, "GroupBox1", 424, 24, 65, 21, 9, "", "", true, {"P", "D", "E"},
     &TForm1::ComboBox5Change, nullptr},
    {CONTROL(GroupBox5), Frame, "GroupBox1", 256, 48, 57, 145, 10, "Bremsen", "", false, {}, nullptr, nullptr},
    {CONTROL(LabeledEdit15), LabeledEdit, "GroupBox5", 8, 36, 41, 21, 0, "Stärke", "", true, {},
     &TForm1::LabeledEdit1Change, &TForm1::LabeledEdit15Exit},
    {CONTROL(LabeledEdit16), LabeledEdit, "GroupBox5", 8, 76, 41, 21, 1, "Neigung", "", true, {},
     &TForm1::LabeledEdit1Change, &TForm1::LabeledEdit16Exit},
    {CONTROL(CheckBox1), CheckBox, "GroupBox5", 8, 112, 41, 17, 2, "ABS", "", true, {}, &TForm1::CheckBox1Click,
     nullptr},
    {CONTROL(LabeledEdit17), LabeledEdit, "GroupBox1", 264, 216, 73, 21, 11, "Lenkung", "", true, {},
     &TForm1::LabeledEdit1Change, &TForm1::LabeledEdit17Exit},
    {CONTROL(GroupBox6), Frame, "GroupBox1", 320, 48, 169, 145, 12, "Aufhängung", "", false, {}, nullptr, nullptr},
    {CONTROL(LabeledEdit18), LabeledEdit, "GroupBox6", 8, 36, 73, 21, 0, "Stärke", "", true, {},
     &TForm1::LabeledEdit1Change, &TForm1::LabeledEdit18Exit},
    {CONTROL(LabeledEdit19), LabeledEdit, "GroupBox6", 8, 76, 73, 21, 1, "Dämpfung", "", true, {},
     &TForm1::LabeledEdit1Change, &TForm1::LabeledEdit19Exit},
    {CONTROL(LabeledEdit23), LabeledEdit, "GroupBox6", 88, 36, 73, 21, 2, "obere Grenze", "", true, {},
     &TForm1::LabeledEdit1Change, &TForm1::LabeledEdit23Exit},
    {CONTROL(LabeledEdit24), LabeledEdit, "GroupBox6", 88, 76, 73, 21, 3, "untere Grenze", "", true, {},
     &TForm1::LabeledEdit1Change, &TForm1::LabeledEdit24Exit},
    {CONTROL(LabeledEdit25), LabeledEdit, "GroupBox6", 8, 116, 73, 21, 4, "relative Neigung", "", true, {},
     &TForm1::LabeledEdit1Change, &TForm1::LabeledEdit25Exit},
    {CONTROL(LabeledEdit26), LabeledEdit, "GroupBox6", 88, 116, 73, 21, 5, "ANTI-DIVE", "", true, {},
     &TForm1::LabeledEdit1Change, &TForm1::LabeledEdit26Exit},
    {CONTROL(LabeledEdit20), LabeledEdit, "GroupBox1", 368, 216, 105, 21, 13, "Türaufmach-Abstand", "", true, {},
     &TForm1::LabeledEdit1Change, &TForm1::LabeledEdit20Exit},
    {CONTROL(LabeledEdit21), LabeledEdit, "GroupBox1", 136, 256, 49, 21, 14, "Schaden",
     "gibt an, wieviel Schaden das Fahrzeug nimmt ()", true, {}, &TForm1::LabeledEdit1Change,
     &TForm1::LabeledEdit21Exit},
    {CONTROL(LabeledEdit22), LabeledEdit, "GroupBox1", 200, 256, 49, 21, 15, "Preis", "", true, {},
     &TForm1::LabeledEdit1Change, &TForm1::LabeledEdit22Exit},
    {CONTROL(GroupBox7), Frame, "GroupBox1", 8, 200, 121, 73, 16, "Licht", "", false, {}, nullptr, nullptr},
    {CONTROL(Label3), Label, "GroupBox7", 62, 16, 29, 13, -1, "hinten", "", false, {}, nullptr, nullptr},
    {CONTROL(Label4), Label, "GroupBox7", 8, 16, 27, 13, -1, "vorne", "", false, {}, nullptr, nullptr},
    {CONTROL(ComboBox4), DropDownList, "GroupBox7", 64, 32, 49, 21, 0, "", "", true,
     {"lang", "klein", "groß", "breit"}, &TForm1::ComboBox5Change, nullptr},
    {CONTROL(ComboBox5), DropDownList, "GroupBox7", 8, 32, 49, 21, 1, "", "", true, {}, &TForm1::ComboBox5Change,
     nullptr},
    {CONTROL(Button4), Button, "GroupBox1", 264, 256, 89, 25, 17, "Button4", "", false, {}, &TForm1::Button4Click,
     nullptr},
    {CONTROL(Button5), Button, "GroupBox1", 368, 256, 89, 25, 18, "Button4", "", false, {}, &TForm1::Button5Click,
     nullptr},
    {CONTROL(Button1), Button, "Form1", 144, 320, 105, 25, 3, "Daten ändern", "", false, {}, &TForm1::Button1Click,
     nullptr},
    // The language box switches the language when the user chooses another file.
    {CONTROL(ComboBox6), DropDown, "Form1", 552, 320, 105, 21, 4, "", "", false, {}, &TForm1::ComboBox6Change,
     nullptr},
    {CONTROL(FileListBox1), FileList, "Form1", 8, -8, 17, 17, 5, "", "", false, {}, nullptr, nullptr},
    {CONTROL(Button2), Button, "Form1", 408, 320, 137, 25, 6, "Button2", "", false, {}, &TForm1::Button2Click,
     nullptr},
    {CONTROL(Button3), Button, "Form1", 264, 320, 137, 25, 7, "Button2", "", false, {}, &TForm1::Button3Click,
     nullptr},
};

#undef CONTROL

bool IsComboBoxOfStyle(const TControl* control, TComboBoxStyle style) {
    const auto* box = dynamic_cast<const TComboBox*>(control);
    return box != nullptr && box->Style() == style;
}

bool IsOfKind(const TControl* control, Kind kind) {
    switch (kind) {
        case Label: return dynamic_cast<const TLabel*>(control) != nullptr;
        case ListBox: return dynamic_cast<const TListBox*>(control) != nullptr;
        case DropDownList: return IsComboBoxOfStyle(control, TComboBoxStyle::csDropDownList);
        case DropDown: return IsComboBoxOfStyle(control, TComboBoxStyle::csDropDown);
        case Frame: return dynamic_cast<const TGroupBox*>(control) != nullptr;
        case LabeledEdit: return dynamic_cast<const TLabeledEdit*>(control) != nullptr;
        case CheckBox: return dynamic_cast<const TCheckBox*>(control) != nullptr;
        case Button: return dynamic_cast<const TButton*>(control) != nullptr;
        case FileList: return dynamic_cast<const TFileListBox*>(control) != nullptr;
    }
    return false;
}

// The caption a control shows, or a labelled editor's label; empty for the other kinds.
std::string DesignText(const TControl* control) {
    if (const auto* label = dynamic_cast<const TLabel*>(control)) return label->Caption();
    if (const auto* frame = dynamic_cast<const TGroupBox*>(control)) return frame->Caption();
    if (const auto* edit = dynamic_cast<const TLabeledEdit*>(control)) return edit->EditLabel().Caption();
    if (const auto* box = dynamic_cast<const TCheckBox*>(control)) return box->Caption();
    if (const auto* button = dynamic_cast<const TButton*>(control)) return button->Caption();
    return "";
}

std::vector<std::string> ItemsOf(const TControl* control) {
    if (const auto* list = dynamic_cast<const TListBox*>(control)) return list->Items.Lines().Lines();
    if (const auto* box = dynamic_cast<const TComboBox*>(control)) return box->Items.Lines().Lines();
    if (const auto* files = dynamic_cast<const TFileListBox*>(control)) return files->Items.Lines().Lines();
    return {};
}

std::vector<std::string> InCodePage1252(const std::vector<const char*>& texts) {
    std::vector<std::string> converted;
    for (const char* text : texts) converted.push_back(Cp1252FromUtf8(text));
    return converted;
}

// OnChange of an editor or a drop-down, OnClick of a list box, check box or button.
const TNotifyEvent* ChangeOrClickEvent(TControl* control) {
    if (auto* list = dynamic_cast<TListBox*>(control)) return &list->OnClick;
    if (auto* box = dynamic_cast<TComboBox*>(control)) return &box->OnChange;
    if (auto* edit = dynamic_cast<TLabeledEdit*>(control)) return &edit->OnChange;
    if (auto* box = dynamic_cast<TCheckBox*>(control)) return &box->OnClick;
    if (auto* button = dynamic_cast<TButton*>(control)) return &button->OnClick;
    return nullptr;
}

const TNotifyEvent* ExitEvent(TControl* control) {
    if (auto* edit = dynamic_cast<TLabeledEdit*>(control)) return &edit->OnExit;
    return nullptr;
}

// Checks one event slot against the handler the design wires to it, or against none.
void ExpectWiredTo(TForm1* form, const TNotifyEvent* event, Handler handler, const std::string& what) {
    if (handler == nullptr) {
        if (event != nullptr) {
            EXPECT_FALSE(static_cast<bool>(*event)) << what << " has a handler";
        }
        return;
    }
    ASSERT_NE(event, nullptr) << what << " does not exist";
    EXPECT_TRUE(*event == TNotifyEvent(form, handler)) << what << " is not wired to its handler";
}

bool WaitUntil(const std::function<bool()>& done) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > 2000) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

class MainWindowDesignTest : public testing::Test {
protected:
    void SetUp() override { Application->CreateForm(form); }
    void TearDown() override { Application->DestroyForms(); }

    // Shows the window as it was built: without the start-up, and without the exit checks,
    // which would object to the editors' empty texts while the focus moves on.
    void ShowWithoutStartUp() {
        form->OnShow = TNotifyEvent();
        for (TLabeledEdit* editor : form->Editors) editor->OnExit = TNotifyEvent();
        form->Show();
        form->Widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form->Widget()));
    }

    std::string FocusedControlName() const {
        for (const TControl* control : form->AllControls())
            if (control->Focused()) return control->Name();
        return "nothing";
    }

    // Presses Tab from each control in turn and checks where the focus lands.
    void ExpectTabOrder(const std::vector<TControl*>& order) {
        order.front()->SetFocus();
        ASSERT_TRUE(WaitUntil([&] { return order.front()->Focused(); })) << order.front()->Name();
        for (std::size_t i = 1; i < order.size(); ++i) {
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            QTest::keyClick(focus, Qt::Key_Tab);
            ASSERT_TRUE(WaitUntil([&] { return order[i]->Focused(); }))
                << "Tab from " << order[i - 1]->Name() << " went to " << FocusedControlName()
                << " instead of " << order[i]->Name();
        }
    }

    ScriptedDialogsScope dialogs;
    TForm1* form = nullptr;
};

TEST_F(MainWindowDesignTest, ControlsAreCreatedInDesignOrderWithTheirKindPlaceSizeAndTabOrder) {
    std::vector<std::string> designed;
    for (const ControlRow& row : Design) designed.push_back(row.name);
    std::vector<std::string> created;
    for (const TControl* control : form->AllControls()) created.push_back(control->Name());
    EXPECT_EQ(created, designed);

    for (const ControlRow& row : Design) {
        SCOPED_TRACE(row.name);
        TControl* control = row.member(*form);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->Name(), row.name);
        EXPECT_EQ(form->FindControl(row.name), control);
        EXPECT_TRUE(IsOfKind(control, row.kind));
        ASSERT_NE(control->Parent(), nullptr);
        EXPECT_EQ(control->Parent()->Name(), row.parent);
        EXPECT_EQ(control->OwnerForm(), form);
        EXPECT_EQ(control->Left(), row.left);
        EXPECT_EQ(control->Top(), row.top);
        // A label's width follows its caption in the window's font.
        if (row.kind != Label) {
            EXPECT_EQ(control->Width(), row.width);
        }
        EXPECT_EQ(control->Height(), row.height);
        EXPECT_EQ(control->TabOrder(), row.tab);
    }
}

TEST_F(MainWindowDesignTest, ControlsCarryTheirDesignTextsAndStates) {
    for (const ControlRow& row : Design) {
        SCOPED_TRACE(row.name);
        TControl* control = row.member(*form);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(DesignText(control), Cp1252FromUtf8(row.text));
        EXPECT_EQ(control->Hint(), Cp1252FromUtf8(row.hint));
        EXPECT_EQ(control->ShowHint(), row.showHint);
        EXPECT_EQ(ItemsOf(control), InCodePage1252(row.items));
        EXPECT_EQ(control->Enabled(), control != form->Button5);
        EXPECT_EQ(control->Visible(), control != form->FileListBox1);
    }
    // The design's umlauts reach the controls as single code page 1252 bytes.
    EXPECT_EQ(form->GroupBox2->Caption(), "Gr\xF6\xDF" "e");
    EXPECT_EQ(form->FileListBox1->Mask(), "*.txt");

    // Nothing is selected, typed or ticked yet.
    EXPECT_EQ(form->ListBox1->ItemIndex(), -1);
    for (TComboBox* box : {form->ComboBox1, form->ComboBox2, form->ComboBox3, form->ComboBox4,
                           form->ComboBox5, form->ComboBox6}) {
        EXPECT_EQ(box->ItemIndex(), -1) << box->Name();
        EXPECT_EQ(box->Text(), "") << box->Name();
    }
    for (const TLabeledEdit* editor : form->Editors) EXPECT_EQ(editor->Text(), "") << editor->Name();
    EXPECT_FALSE(form->CheckBox1->Checked());
}

TEST_F(MainWindowDesignTest, EveryEventIsWiredToItsHandler) {
    for (const ControlRow& row : Design) {
        TControl* control = row.member(*form);
        ASSERT_NE(control, nullptr) << row.name;
        ExpectWiredTo(form, ChangeOrClickEvent(control), row.changeOrClick, std::string(row.name) + " OnChange/OnClick");
        ExpectWiredTo(form, ExitEvent(control), row.exit, std::string(row.name) + " OnExit");
    }
    EXPECT_TRUE(form->OnCreate == TNotifyEvent(form, &TForm1::FormCreate));
    EXPECT_TRUE(form->OnShow == TNotifyEvent(form, &TForm1::FormShow));
    EXPECT_TRUE(form->OnCloseQuery == TCloseQueryEvent(form, &TForm1::FormCloseQuery));
    EXPECT_TRUE(form->OnClose == TCloseEvent(form, &TForm1::FormClose));

    // The comparison tells handlers apart, so the checks above can fail.
    EXPECT_FALSE(form->LabeledEdit4->OnExit == TNotifyEvent(form, &TForm1::LabeledEdit5Exit));
}

TEST_F(MainWindowDesignTest, WindowHasItsDesignSettings) {
    EXPECT_EQ(form->Name(), "Form1");
    EXPECT_EQ(form->Caption(), "GTA VC - Wendrix v1.0");
    EXPECT_EQ(form->Left(), 90);
    EXPECT_EQ(form->Top(), 120);
    EXPECT_EQ(form->Width(), 676);
    EXPECT_EQ(form->Height(), 386);
    EXPECT_EQ(form->BorderStyle(), TBorderStyle::bsSizeable);
    EXPECT_EQ(form->Font().Name, "MS Sans Serif");
    EXPECT_EQ(form->Font().Height, -11);
    EXPECT_EQ(form->OpenDialog1.Filter, "gta-vc.exe|gta-vc.exe");
    EXPECT_EQ(Application->MainForm(), form);
}

TEST_F(MainWindowDesignTest, MembersHoldTheirInitialValuesAfterFormCreate) {
    EXPECT_TRUE(form->EditsClean);
    EXPECT_EQ(form->ShownIndex, 0);
    EXPECT_EQ(form->SectionStart, 0);
    EXPECT_FALSE(form->RecordShown);
    EXPECT_FALSE(form->QuietClose);
    EXPECT_FALSE(form->FieldsValid);
    EXPECT_EQ(form->SettingsLines.Count(), 0);
    EXPECT_EQ(form->HandlingLines.Count(), 0);
    EXPECT_EQ(form->ShownTokens.Count(), 0);
    EXPECT_EQ(form->LanguageLines.Count(), 0);
    EXPECT_EQ(form->CopiedTokens.Count(), 0);
    EXPECT_EQ(form->StartFolder, "");
    for (const std::string& text : form->MessageTexts) EXPECT_EQ(text, "");

    // In the order of the editors' numbers, not of the layout.
    for (std::size_t n = 0; n < form->Editors.size(); ++n) {
        const std::string name = "LabeledEdit" + std::to_string(n + 1);
        ASSERT_NE(form->Editors[n], nullptr) << name;
        EXPECT_EQ(form->Editors[n]->Name(), name) << "Editors[" << n << "]";
        EXPECT_EQ(form->Editors[n], form->FindControl(name)) << "Editors[" << n << "]";
    }
}

TEST_F(MainWindowDesignTest, TabMovesThroughEveryControlInTheDesignedFocusOrder) {
    ShowWithoutStartUp();
    ASSERT_FALSE(HasFatalFailure());
    // Button5 is skipped while it is disabled, FileListBox1 because it is never shown.
    ExpectTabOrder({form->LabeledEdit1,  form->LabeledEdit2,  form->LabeledEdit3,  form->LabeledEdit4,
                    form->LabeledEdit5,  form->LabeledEdit6,  form->LabeledEdit7,  form->LabeledEdit8,
                    form->LabeledEdit9,  form->LabeledEdit10, form->LabeledEdit11, form->LabeledEdit12,
                    form->LabeledEdit13, form->LabeledEdit14, form->ComboBox2,     form->ComboBox3,
                    form->LabeledEdit15, form->LabeledEdit16, form->CheckBox1,     form->LabeledEdit17,
                    form->LabeledEdit18, form->LabeledEdit19, form->LabeledEdit23, form->LabeledEdit24,
                    form->LabeledEdit25, form->LabeledEdit26, form->LabeledEdit20, form->LabeledEdit21,
                    form->LabeledEdit22, form->ComboBox4,     form->ComboBox5,     form->Button4,
                    form->Button1,       form->ComboBox6,     form->Button2,       form->Button3,
                    form->ComboBox1,     form->ListBox1,      form->LabeledEdit1});
}

TEST_F(MainWindowDesignTest, EnabledButton5TakesTheFocusAfterButton4) {
    form->Button5->SetEnabled(true);
    ShowWithoutStartUp();
    ASSERT_FALSE(HasFatalFailure());
    ExpectTabOrder({form->Button4, form->Button5, form->Button1});
}

}  // namespace
