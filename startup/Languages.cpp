// The language steps of the start-up, and the language box that switches the language while
// the user works: the files of the languages folder, and applying one to the main window.
#include <array>

#include "platform/Application.h"
#include "platform/SysUtils.h"
#include "startup/LanguageFile.h"
#include "startup/StartFolder.h"
#include "ui/Unit1.h"

namespace {

// The main window's controls as the targets of a language file's lines.
class TMainWindowTexts : public ILanguageTargets {
public:
    explicit TMainWindowTexts(TForm1& form) : form_(form) {}

    void SetEditorLabel(int editor, const std::string& text) override {
        form_.Editors[editor]->EditLabel().SetCaption(text);
    }
    void SetEditorHint(int editor, const std::string& text) override { form_.Editors[editor]->SetHint(text); }
    void SetCaption(const std::string& control, const std::string& text) override {
        TControl* target = form_.FindControl(control);
        if (auto* label = dynamic_cast<TLabel*>(target)) label->SetCaption(text);
        if (auto* frame = dynamic_cast<TGroupBox*>(target)) frame->SetCaption(text);
        if (auto* check = dynamic_cast<TCheckBox*>(target)) check->SetCaption(text);
        if (auto* button = dynamic_cast<TButton*>(target)) button->SetCaption(text);
    }
    void ClearItems(const std::string& box) override { Box(box).Items.Clear(); }
    void AddItem(const std::string& box, const std::string& text) override { Box(box).Items.Add(text); }
    void SetMessageText(int slot, const std::string& text) override { form_.MessageTexts[slot] = text; }

private:
    TComboBox& Box(const std::string& name) { return dynamic_cast<TComboBox&>(*form_.FindControl(name)); }
    TForm1& form_;
};

}  // namespace

bool TForm1::RunLanguageSteps() {
    FileListBox1->SetDirectory(LanguageFolderPath(StartFolder));
    if (FileListBox1->Items.Count() == 0) {
        Application->MessageBox(NoLanguageFileMessage(), FatalErrorCaption, TMsgButtons::OK, TMsgIcon::Error);
        CloseQuietly();
        return false;
    }
    ComboBox6->Items.Assign(FileListBox1->Items.Lines());
    ComboBox6->SetItemIndex(0);
    try {
        return LoadLanguage();
    } catch (...) {
        // A listed file that cannot be read: nothing of the window's texts is loaded, and every
        // message text is still empty, so the report is followed by a quiet close.
        Application->HandleException(std::current_exception());
        CloseQuietly();
        return false;
    }
}

bool TForm1::LoadLanguage() {
    LanguageLines.LoadFromFile(LanguageFilePath());
    if (ApplyLanguageLinesOrReport()) {
        AppliedLanguageEntry = ComboBox6->ItemIndex();
        return true;
    }
    CloseQuietly();
    return false;
}

bool TForm1::ApplyLanguageLinesOrReport() {
    TMainWindowTexts texts(*this);
    try {
        ApplyLanguageLines(LanguageLines, texts);
        return true;
    } catch (...) {
        Application->MessageBox(CorruptedLanguageFileMessage(ComboBox6->Text()), FatalErrorCaption,
                                TMsgButtons::OK, TMsgIcon::Error);
        return false;
    }
}

std::string TForm1::LanguageFilePath() const {
    return LanguageFolderPath(StartFolder) + PathDelim + ComboBox6->Text();
}

void TForm1::CloseQuietly() {
    QuietClose = true;
    Close();
}

void TForm1::ComboBox6Change() {
    // Applying a file empties and refills the choice boxes; the section and the shown
    // record's choices are put back as they were.
    std::array<TComboBox*, 5> choices = {ComboBox1, ComboBox2, ComboBox3, ComboBox4, ComboBox5};
    std::array<int, 5> selected{};
    for (std::size_t n = 0; n < choices.size(); ++n) selected[n] = choices[n]->ItemIndex();
    const TStringList applied = LanguageLines;
    try {
        LanguageLines.LoadFromFile(LanguageFilePath());
    } catch (...) {
        ComboBox6->SetItemIndex(AppliedLanguageEntry);
        throw;
    }
    if (ApplyLanguageLinesOrReport()) {
        AppliedLanguageEntry = ComboBox6->ItemIndex();
    } else {
        // The user's work is open: the texts applied before come back instead of a close.
        LanguageLines.Assign(applied);
        TMainWindowTexts texts(*this);
        ApplyLanguageLines(LanguageLines, texts);
        ComboBox6->SetItemIndex(AppliedLanguageEntry);
    }
    for (std::size_t n = 0; n < choices.size(); ++n) choices[n]->SetItemIndex(selected[n]);
}
