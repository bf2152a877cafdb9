// The main window: every control of its design, the editing state the handlers share, and
// the handlers of its events. Each handler is defined with the behaviour it implements.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "handling/HandlingFile.h"
#include "handling/RecordFields.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/Events.h"
#include "platform/Forms.h"
#include "platform/TextList.h"

class TForm1 : public TForm {
public:
    // Builds the window and its controls as designed; FormCreate runs once the application
    // has finished the construction.
    TForm1();

    // The components, in the order of the design's declarations. The form owns the controls.
    TOpenDialog OpenDialog1;
    TComboBox* ComboBox1 = nullptr;
    TListBox* ListBox1 = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TLabeledEdit* LabeledEdit1 = nullptr;
    TGroupBox* GroupBox2 = nullptr;
    TLabeledEdit* LabeledEdit2 = nullptr;
    TLabeledEdit* LabeledEdit3 = nullptr;
    TLabeledEdit* LabeledEdit4 = nullptr;
    TGroupBox* GroupBox3 = nullptr;
    TLabeledEdit* LabeledEdit5 = nullptr;
    TLabeledEdit* LabeledEdit6 = nullptr;
    TLabeledEdit* LabeledEdit7 = nullptr;
    TLabeledEdit* LabeledEdit8 = nullptr;
    TGroupBox* GroupBox4 = nullptr;
    TLabeledEdit* LabeledEdit9 = nullptr;
    TLabeledEdit* LabeledEdit10 = nullptr;
    TLabeledEdit* LabeledEdit11 = nullptr;
    TLabeledEdit* LabeledEdit12 = nullptr;
    TLabeledEdit* LabeledEdit13 = nullptr;
    TLabeledEdit* LabeledEdit14 = nullptr;
    TComboBox* ComboBox2 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TComboBox* ComboBox3 = nullptr;
    TGroupBox* GroupBox5 = nullptr;
    TLabeledEdit* LabeledEdit15 = nullptr;
    TLabeledEdit* LabeledEdit16 = nullptr;
    TCheckBox* CheckBox1 = nullptr;
    TLabeledEdit* LabeledEdit17 = nullptr;
    TGroupBox* GroupBox6 = nullptr;
    TLabeledEdit* LabeledEdit18 = nullptr;
    TLabeledEdit* LabeledEdit19 = nullptr;
    TLabeledEdit* LabeledEdit20 = nullptr;
    TLabeledEdit* LabeledEdit21 = nullptr;
    TLabeledEdit* LabeledEdit22 = nullptr;
    TLabeledEdit* LabeledEdit23 = nullptr;
    TLabeledEdit* LabeledEdit24 = nullptr;
    TLabeledEdit* LabeledEdit25 = nullptr;
    TLabeledEdit* LabeledEdit26 = nullptr;
    TGroupBox* GroupBox7 = nullptr;
    TLabel* Label3 = nullptr;
    TComboBox* ComboBox4 = nullptr;
    TLabel* Label4 = nullptr;
    TComboBox* ComboBox5 = nullptr;
    TButton* Button1 = nullptr;
    TComboBox* ComboBox6 = nullptr;
    TLabel* Label5 = nullptr;
    TFileListBox* FileListBox1 = nullptr;
    TButton* Button2 = nullptr;
    TButton* Button3 = nullptr;
    TButton* Button4 = nullptr;
    TButton* Button5 = nullptr;

    // The program's own state, kept as long as the window lives.
    TStringList SettingsLines;                  // prop.dat; line 0 is the game folder
    THandlingFile HandlingLines;                // every line of the handling file
    std::int32_t SectionStart = 0;              // line of the current section's first record
    TRecordTokens ShownTokens;                  // tokens of the record in the record controls
    std::array<TLabeledEdit*, 26> Editors{};    // entry n is LabeledEdit n + 1
    bool EditsClean = false;                    // the record controls hold no unsaved change
    std::int32_t ShownIndex = 0;                // index within the section of the shown record
    TStringList LanguageLines;                  // the applied language file
    std::string StartFolder;                    // the current folder at start
    std::array<std::string, 12> MessageTexts;   // message box texts, each followed by its caption
    TRecordTokens CopiedTokens;                 // tokens copied by Button4
    bool QuietClose = false;                    // close without checks, question or credits
    bool FieldsValid = false;                   // cleared when a check rejects a value on closing
    bool RecordShown = false;                   // the controls hold line SectionStart + ShownIndex
    // The handling file's lines as last loaded or saved: what is on disk, so closing can tell
    // whether saving would change anything.
    THandlingFile SavedHandlingLines;

    // Construction: the lists start empty and Editors is filled.
    void FormCreate();

    // The start-up sequence: start folder, language file, game folder, first record.
    void FormShow();
    // Applies the language file named by the language box; false, with the window closing
    // quietly, when the file lacks lines.
    bool LoadLanguage();
    // The user chose another language file from the language box.
    void ComboBox6Change();

    // Closing: the field checks, the offer to save and the credits window.
    void FormCloseQuery(bool& CanClose);
    void FormClose(TCloseAction& Action);

    // The shown record: listing a section, showing and committing a record, saving.
    void ListSection(std::int32_t Section);
    void ShowRecord();
    void CommitShownRecord();
    // The record controls from ShownTokens, and the 33 token texts they stand for.
    void FillRecordControls();
    TRecordTokens TokensFromRecordControls() const;
    // Commits the shown record and writes the file; false, after its message, when it failed.
    bool SaveHandlingFile();
    // Saving now would change the file on disk: the record controls or the lines hold a change.
    bool HasUnsavedChanges() const;
    // Tests, normalises and clamps one value editor's number; reports a text that is none.
    void CheckFieldRange(double Lower, double Upper, TLabeledEdit* Editor);

    // Handlers of the shown record: choosing section and record, tracking edits, saving.
    void ComboBox1Change();
    void ListBox1Click();
    void LabeledEdit1Change();
    void CheckBox1Click();
    void ComboBox5Change();
    void Button1Click();

    // Each value editor's check when the user leaves it.
    void LabeledEdit1Exit();
    void LabeledEdit2Exit();
    void LabeledEdit3Exit();
    void LabeledEdit4Exit();
    void LabeledEdit5Exit();
    void LabeledEdit6Exit();
    void LabeledEdit7Exit();
    void LabeledEdit8Exit();
    void LabeledEdit9Exit();
    void LabeledEdit10Exit();
    void LabeledEdit11Exit();
    void LabeledEdit12Exit();
    void LabeledEdit13Exit();
    void LabeledEdit14Exit();
    void LabeledEdit15Exit();
    void LabeledEdit16Exit();
    void LabeledEdit17Exit();
    void LabeledEdit18Exit();
    void LabeledEdit19Exit();
    void LabeledEdit20Exit();
    void LabeledEdit21Exit();
    void LabeledEdit22Exit();
    void LabeledEdit23Exit();
    void LabeledEdit24Exit();
    void LabeledEdit25Exit();
    void LabeledEdit26Exit();

    // Restoring from the backup (Button2: the shown record, Button3: the whole file) and
    // copying values (Button4: copy, Button5: paste).
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();

private:
    // The choice box a letter choice or light index is shown in.
    TComboBox* ChoiceBoxOf(const TRecordField& Field) const;
    void SetRecordControl(const TRecordField& Field, const std::string& Token);
    std::string RecordControlToken(const TRecordField& Field) const;
    void CheckValueEditor(int Entry);

    // Language files: listing and applying the first at start-up, switching later.
    bool RunLanguageSteps();
    bool ApplyLanguageLinesOrReport();
    std::string LanguageFilePath() const;
    void CloseQuietly();
    int AppliedLanguageEntry = -1;

    // Start-up steps: loading what prop.dat names, or the first setup that asks for the game's
    // executable (false when the user cancels and the window is closing).
    bool LoadSettingsAndHandling();
    bool RunFirstSetup();

    // The design, one part per frame, called in the order the controls are created.
    void DesignWindow();
    void DesignRecordFrame();
    void DesignSizeFrame();
    void DesignCentreOfMassFrame();
    void DesignGripFrame();
    void DesignBrakesFrame();
    void DesignSuspensionFrame();
    void DesignLightsFrame();
};

extern TForm1* Form1;
