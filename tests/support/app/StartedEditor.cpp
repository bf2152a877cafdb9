#include "tests/support/app/StartedEditor.h"

#include <QTimer>

#include "tests/support/HandlingFixtures.h"
#include "ui/Unit2.h"

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
    Application->CreateForm(Form2);
    form->Show();
}

void StartedEditor::StartWith(const std::vector<std::string>& lines) {
    PrepareGame(HandlingText(lines));
    Start();
    ASSERT_TRUE(ShowActive(*form));
    for (int slot = 0; slot < 12; ++slot) form->MessageTexts[slot] = "slot " + std::to_string(slot);
}

bool StartedEditor::CloseMainWindow() {
    bool creditsShown = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (!Form2->ModalShowing()) return;
        creditsShown = true;
        Form2->Close();
    });
    closer.start(5);
    form->Widget()->close();
    return creditsShown;
}
