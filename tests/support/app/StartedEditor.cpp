#include "tests/support/app/StartedEditor.h"

StartedEditor::StartedEditor() : previousFolder_(std::filesystem::current_path()) {
    std::filesystem::current_path(start_.Path());
}

StartedEditor::~StartedEditor() {
    Application->DestroyForms();
    std::filesystem::current_path(previousFolder_);
}

void StartedEditor::PrepareGame(const std::string& handlingBytes) {
    MakeFolder(GamePath() + "/data");
    WriteFile(GamePath() + "/gta-vc.exe", "");
    WriteFile(HandlingPath(), handlingBytes);
    WriteSettings(GamePath() + "\r\n");
}

void StartedEditor::Start() {
    Application->CreateForm(form);
    form->Show();
}
