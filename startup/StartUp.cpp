// The start-up that runs when the main window is first shown: the start folder, the settings
// and the handling file, and the first setup that asks for the game's executable.
#include "handling/HandlingFile.h"
#include "platform/Application.h"
#include "platform/FileSystem.h"
#include "startup/GameFolder.h"
#include "startup/StartFolder.h"
#include "ui/Unit1.h"

void TForm1::FormShow() {
    StartFolder = GetStartFolder();
    if (!RunLanguageSteps()) return;
    if (!LoadSettingsAndHandling() && !RunFirstSetup()) return;
    ComboBox1->SetItemIndex(0);
    ListSection(0);
}

bool TForm1::LoadSettingsAndHandling() {
    try {
        SettingsLines.LoadFromFile(SettingsFilePath(StartFolder));
        const std::string gameFolder = SettingsLines.Get(0);
        // A read-only handling file could be loaded but never saved.
        MakeFileWritable(HandlingFilePath(gameFolder));
        HandlingLines.LoadFromFile(HandlingFilePath(gameFolder));
        SavedHandlingLines.Assign(HandlingLines);
        return true;
    } catch (...) {
        // Whatever went wrong, asking for the game's executable again is the way out.
        return false;
    }
}

bool TForm1::RunFirstSetup() {
    Application->MessageBox(MessageTexts[0], MessageTexts[1], TMsgButtons::OK, TMsgIcon::None);
    if (!OpenDialog1.Execute()) {
        CloseQuietly();
        return false;
    }
    const std::string gameFolder = GameFolderOfExecutable(OpenDialog1.FileName);
    SettingsLines.Clear();
    SettingsLines.Add(gameFolder);
    SettingsLines.SaveToFile(SettingsFilePath(StartFolder));
    MakeFileWritable(HandlingFilePath(gameFolder));
    HandlingLines.LoadFromFile(HandlingFilePath(gameFolder));
    SavedHandlingLines.Assign(HandlingLines);
    MakeBackupIfMissing(gameFolder);
    return true;
}
