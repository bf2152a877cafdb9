// Restoring the shown record or the whole file from the backup, and copying values between records.
#include "handling/HandlingFile.h"
#include "platform/Application.h"
#include "ui/Unit1.h"

void TForm1::Button2Click() {
    // The record selected in the list is the shown one; after a fill that failed it is the
    // record whose line could not be shown, which its backup can mend.
    const int selected = ListBox1->ItemIndex();
    if (selected < 0) return;
    TStringList backup;
    backup.LoadFromFile(HandlingBackupPath(SettingsLines.Get(0)));
    const int line = SectionStart + selected;
    HandlingLines.Put(line, backup.Get(line));
    RecordShown = false;
    ShowRecord();
}

void TForm1::Button3Click() {
    if (Application->MessageBox(MessageTexts[10], MessageTexts[11], TMsgButtons::YesNo, TMsgIcon::Question) !=
        TMsgAnswer::Yes)
        return;
    HandlingLines.LoadFromFile(HandlingBackupPath(SettingsLines.Get(0)));
    RecordShown = false;
    ComboBox1Change();
    EditsClean = true;
}

void TForm1::Button4Click() {
    CopiedTokens.Assign(ShownTokens);
    Button5->SetEnabled(true);
}

void TForm1::Button5Click() {
    // The shown record keeps its own identifier (token 0) and its kept token (token 30).
    for (int token = 1; token < ShownTokens.Count(); ++token)
        if (token != 30) ShownTokens.Put(token, CopiedTokens.Get(token));
    FillRecordControls();
    CommitShownRecord();
    EditsClean = false;
}
