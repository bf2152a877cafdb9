// A prepared start folder and game folder, and the real main window started in them, for tests
// that drive the editor as a user does.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Application.h"
#include "tests/support/FormTesting.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempFolder.h"
#include "ui/Unit1.h"

class StartedEditor : public testing::Test {
public:
    StartedEditor();
    ~StartedEditor() override;

    // The start folder (current folder while the test runs) and the game folder inside it.
    std::string StartPath() const { return start_.Path(); }
    std::string GamePath() const { return start_ / "game"; }
    std::string HandlingPath() const { return GamePath() + "/data/handling.cfg"; }
    std::string BackupPath() const { return HandlingPath() + ".bak"; }
    std::string SettingsPath() const { return start_ / "prop.dat"; }

    // The shipped language file of this name in the start folder's languages folder.
    void PrepareLanguage(const std::string& fileName = "English.txt");
    std::string LanguagesPath() const { return start_ / "languages"; }
    // The repository's own folder, where the tests started.
    std::string RepoPath() const { return previousFolder_.string(); }

    // A game folder with this handling file, and prop.dat naming it.
    void PrepareGame(const std::string& handlingBytes);
    void WriteSettings(const std::string& bytes) { WriteFile(SettingsPath(), bytes); }

    // Builds the main window and the hidden credits window, as the program does, and shows
    // the main window, which runs the start-up. Without a prepared language, the shipped
    // English one is used.
    void Start();

    // Starts the editor, shown and active, on a game folder with these handling lines; the
    // message texts are then made to name their slots ("slot 6").
    void StartWith(const std::vector<std::string>& lines);
    std::string Line(int index) const { return form->HandlingLines.Get(index); }

    // Asks the main window to close as its close button does. When the credits window comes,
    // it is closed at once; true when it came.
    bool CloseMainWindow();

    TForm1* form = nullptr;
    // Start() puts the shipped English file in place when no languages folder exists.
    bool useDefaultLanguage = true;
    ScriptedDialogsScope dialogs;

private:
    TempFolder start_;
    std::filesystem::path previousFolder_;
};
