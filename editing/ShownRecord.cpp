// Showing a record of the handling file in the record controls, committing it and saving.
#include "handling/HandlingFile.h"
#include "platform/Application.h"
#include "ui/Unit1.h"

void TForm1::ListSection(std::int32_t Section) {
    const int first = FindSectionStart(HandlingLines, Section);
    // The record shown so far goes into its own line while SectionStart still names its section.
    CommitShownRecord();
    RecordShown = false;
    ListBox1->Items.Clear();
    SectionStart = first;
    WalkSectionLines(HandlingLines, first,
                     [this](const std::string& line) { ListBox1->Items.Add(GetRecordName(line)); });
    ListBox1->SetItemIndex(0);
    ShowRecord();
}

void TForm1::ShowRecord() {
    const int selected = ListBox1->ItemIndex();
    if (selected < 0) return;
    if (selected == ShownIndex && RecordShown) return;
    CommitShownRecord();
    // Until the fill has succeeded no record counts as shown, so that controls filled only
    // in part are never committed into any line.
    RecordShown = false;
    ShownTokens.Assign(SplitRecordLine(HandlingLines.Get(SectionStart + selected)));
    FillRecordControls();
    EditsClean = true;
    ShownIndex = selected;
    RecordShown = true;
}

void TForm1::CommitShownRecord() {
    if (!RecordShown) return;
    HandlingLines.Put(SectionStart + ShownIndex, JoinRecordTokens(TokensFromRecordControls()));
}

void TForm1::ComboBox1Change() { ListSection(ComboBox1->ItemIndex()); }

void TForm1::ListBox1Click() { ShowRecord(); }

void TForm1::LabeledEdit1Change() { EditsClean = false; }

void TForm1::CheckBox1Click() { EditsClean = false; }

void TForm1::ComboBox5Change() { EditsClean = false; }

void TForm1::Button1Click() { SaveHandlingFile(); }

bool TForm1::SaveHandlingFile() {
    CommitShownRecord();
    try {
        SaveHandlingLines(HandlingLines, SettingsLines);
        SavedHandlingLines.Assign(HandlingLines);
        EditsClean = true;
        return true;
    } catch (...) {
        // The lines in memory and the file on disk are both intact; the user can save again.
        Application->MessageBox(MessageTexts[6], MessageTexts[7], TMsgButtons::OK, TMsgIcon::Error);
        return false;
    }
}

bool TForm1::HasUnsavedChanges() const {
    // Controls bound to no line hold nothing a save would write.
    const bool controlsChanged = RecordShown && !EditsClean;
    return controlsChanged || !(HandlingLines == SavedHandlingLines);
}
