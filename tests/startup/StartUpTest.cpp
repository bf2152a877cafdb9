// The start-up as the main window is first shown: the game folder from prop.dat, or the first
// setup that asks for the game's executable, and every way it can fail.
#include <sys/stat.h>

#include <filesystem>

#include "tests/support/HandlingFixtures.h"
#include "tests/support/app/StartedEditor.h"

namespace {

const std::string Handling = HandlingText({"; vehicles", RecordLine("CAR"), "; end"});

using Kind = RecordedBox::Kind;
using StartUp = StartedEditor;

TEST_F(StartUp, LoadsTheHandlingFileOfTheStoredGameFolder) {
    PrepareGame(Handling);
    Start();
    EXPECT_EQ(form->StartFolder, StartPath());
    EXPECT_EQ(form->SettingsLines.Lines(), std::vector<std::string>{GamePath()});
    EXPECT_EQ(form->HandlingLines.Lines(), (std::vector<std::string>{"; vehicles", RecordLine("CAR"), "; end"}));
    EXPECT_TRUE(dialogs->Boxes().empty());
    EXPECT_FALSE(std::filesystem::exists(BackupPath())) << "a backup is made at first setup only";
    EXPECT_TRUE(form->Widget()->isVisible());
}

TEST_F(StartUp, UsesLineZeroOfSettingsAndKeepsTheOtherLines) {
    PrepareGame(Handling);
    WriteSettings(GamePath() + "\r\nsecond line\r\n");
    Start();
    EXPECT_EQ(form->HandlingLines.Count(), 3);
    EXPECT_EQ(ReadFile(SettingsPath()), GamePath() + "\r\nsecond line\r\n");
}

TEST_F(StartUp, MakesAReadOnlyHandlingFileWritable) {
    PrepareGame(Handling);
    chmod(HandlingPath().c_str(), 0444);
    Start();
    EXPECT_EQ(form->HandlingLines.Count(), 3);
    struct stat info {};
    ASSERT_EQ(stat(HandlingPath().c_str(), &info), 0);
    EXPECT_TRUE(info.st_mode & S_IWUSR);
}

// Each way the stored game folder can fail leads to the first setup, which asks for the
// executable, stores its folder and makes the backup.
TEST_F(StartUp, FirstSetupWhenTheSettingsOrTheHandlingFileCannotBeLoaded) {
    const struct {
        const char* situation;
        void (*prepare)(StartUp&);
    } cases[] = {
        {"no prop.dat", [](StartUp& t) { std::filesystem::remove(t.SettingsPath()); }},
        {"prop.dat without a line", [](StartUp& t) { t.WriteSettings(""); }},
        {"prop.dat is a folder", [](StartUp& t) {
             std::filesystem::remove(t.SettingsPath());
             MakeFolder(t.SettingsPath());
         }},
        {"stored folder without a handling file", [](StartUp& t) { t.WriteSettings(t.StartPath() + "/elsewhere\r\n"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.situation);
        PrepareGame(Handling);
        std::filesystem::remove(BackupPath());
        c.prepare(*this);
        const bool settingsIsFolder = std::filesystem::is_directory(SettingsPath());
        dialogs->ExpectMessageBox(TMsgAnswer::OK);
        dialogs->ExpectOpenDialog(GamePath() + "/gta-vc.exe");
        if (settingsIsFolder) dialogs->ExpectErrorReport();
        Start();

        ASSERT_GE(dialogs->Boxes().size(), 2u);
        const RecordedBox& message = dialogs->Boxes()[0];
        EXPECT_EQ(message.kind, Kind::MessageBox);
        EXPECT_EQ(message.text, form->MessageTexts[0]);
        EXPECT_EQ(message.caption, form->MessageTexts[1]);
        EXPECT_EQ(message.buttons, TMsgButtons::OK);
        EXPECT_EQ(message.icon, TMsgIcon::None);
        EXPECT_EQ(dialogs->Boxes()[1].kind, Kind::OpenDialog);
        EXPECT_EQ(dialogs->Boxes()[1].text, "gta-vc.exe|gta-vc.exe");
        if (settingsIsFolder) {
            // prop.dat cannot be written: reported, and nothing is loaded.
            EXPECT_EQ(form->HandlingLines.Count(), 0);
            EXPECT_FALSE(std::filesystem::exists(BackupPath()));
        } else {
            EXPECT_EQ(ReadFile(SettingsPath()), GamePath() + "\r\n");
            EXPECT_EQ(form->HandlingLines.Count(), 3);
            EXPECT_EQ(ReadFile(BackupPath()), Handling);
        }
        dialogs->VerifyAllAnswered();
        Application->DestroyForms();
        std::filesystem::remove_all(SettingsPath());
        dialogs->Reset();
    }
}

TEST_F(StartUp, FirstSetupTakesTheFolderOfAFileWithAnotherName) {
    PrepareGame(Handling);
    std::filesystem::remove(SettingsPath());
    dialogs->ExpectMessageBox(TMsgAnswer::OK);
    dialogs->ExpectOpenDialog(GamePath() + "/vc.exe");
    Start();
    EXPECT_EQ(ReadFile(SettingsPath()), GamePath() + "\r\n");
    EXPECT_EQ(form->HandlingLines.Count(), 3);
}

TEST_F(StartUp, FirstSetupKeepsAnExistingBackup) {
    PrepareGame(Handling);
    std::filesystem::remove(SettingsPath());
    WriteFile(BackupPath(), "; the original data\r\n");
    dialogs->ExpectMessageBox(TMsgAnswer::OK);
    dialogs->ExpectOpenDialog(GamePath() + "/gta-vc.exe");
    Start();
    EXPECT_EQ(ReadFile(BackupPath()), "; the original data\r\n");
}

TEST_F(StartUp, FirstSetupGoesOnWhenTheBackupCannotBeWritten) {
    PrepareGame(Handling);
    std::filesystem::remove(SettingsPath());
    MakeFolder(BackupPath() + "/inside");  // a folder where the backup should go
    dialogs->ExpectMessageBox(TMsgAnswer::OK);
    dialogs->ExpectOpenDialog(GamePath() + "/gta-vc.exe");
    Start();
    EXPECT_EQ(form->HandlingLines.Count(), 3);
    EXPECT_EQ(dialogs->Boxes().size(), 2u) << "a backup that fails is not reported";
}

TEST_F(StartUp, ACancelledOpenDialogClosesQuietlyAndChangesNothing) {
    PrepareGame(Handling);
    WriteSettings(StartPath() + "/elsewhere\r\n");
    dialogs->ExpectMessageBox(TMsgAnswer::OK);
    dialogs->ExpectOpenDialog("");
    Start();
    EXPECT_TRUE(form->QuietClose);
    EXPECT_TRUE(form->Closed());
    EXPECT_FALSE(form->Widget()->isVisible());
    EXPECT_EQ(ReadFile(SettingsPath()), StartPath() + "/elsewhere\r\n");
    EXPECT_FALSE(std::filesystem::exists(BackupPath()));
    EXPECT_EQ(dialogs->Boxes().size(), 2u);
}

TEST_F(StartUp, AChosenFolderWithoutAHandlingFileIsReportedAndStored) {
    PrepareGame(Handling);
    std::filesystem::remove(SettingsPath());
    MakeFolder(StartPath() + "/empty");
    dialogs->ExpectMessageBox(TMsgAnswer::OK);
    dialogs->ExpectOpenDialog(StartPath() + "/empty/gta-vc.exe");
    dialogs->ExpectErrorReport();
    Start();
    EXPECT_EQ(ReadFile(SettingsPath()), StartPath() + "/empty\r\n");
    EXPECT_EQ(form->HandlingLines.Count(), 0);
    EXPECT_NE(dialogs->Boxes()[2].text.find("handling.cfg"), std::string::npos);
    EXPECT_FALSE(form->QuietClose);
    EXPECT_TRUE(form->Widget()->isVisible()) << "the window stays open with what was loaded";
}

}  // namespace
