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

void StartedEditor::PrepareLanguage(const std::string& fileName) {
    MakeFolder(LanguagesPath());
    WriteFile(LanguagesPath() + "/" + fileName, ReadFile(RepoPath() + "/languages/" + fileName));
}

void StartedEditor::Start() {
    if (useDefaultLanguage && !std::filesystem::exists(LanguagesPath())) PrepareLanguage();
    Application->CreateForm(form);
    form->Show();
}
