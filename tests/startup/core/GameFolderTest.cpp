// The start folder, the game folder found from the chosen executable, and the backup.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "handling/HandlingFile.h"
#include "startup/GameFolder.h"
#include "startup/StartFolder.h"
#include "tests/support/TempFolder.h"

namespace {

// Changes the current folder for one test and always changes it back.
class CurrentFolderScope {
public:
    explicit CurrentFolderScope(const std::string& folder) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolderScope() { std::filesystem::current_path(previous_); }

private:
    std::filesystem::path previous_;
};

TEST(StartFolder, IsTheCurrentFolderWhateverItsLength) {
    TempFolder temp;
    std::string deep = temp.Path();
    while (deep.size() < 400) deep += "/a-rather-long-folder-name";
    MakeFolder(deep);
    CurrentFolderScope inDeep(deep);
    EXPECT_EQ(GetStartFolder(), std::filesystem::canonical(deep).string());
    EXPECT_EQ(SettingsFilePath(GetStartFolder()), GetStartFolder() + "/prop.dat");
}

TEST(StartFolder, HasNoTrailingSeparatorExceptAtTheRoot) {
    {
        CurrentFolderScope atRoot("/");
        EXPECT_EQ(GetStartFolder(), "/");
        EXPECT_EQ(LanguageFolderPath(GetStartFolder()), "//languages") << "paths are not normalised";
    }
    TempFolder temp;
    CurrentFolderScope inTemp(temp.Path());
    EXPECT_NE(GetStartFolder().back(), '/');
}

TEST(GameFolder, IsTheFolderThatHoldsTheChosenFile) {
    const struct {
        std::string chosen;
        std::string folder;
    } cases[] = {
        {"/games/Vice City/gta-vc.exe", "/games/Vice City"},
        {"/games/vc/GTA-VC.EXE", "/games/vc"},
        {"/games/vc/vc.exe", "/games/vc"},
        {"/gta-vc.exe", ""},
        {"gta-vc.exe", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(GameFolderOfExecutable(c.chosen), c.folder) << c.chosen;
}

TEST(Backup, IsMadeOnceAndNeverReplaced) {
    TempFolder game;
    MakeFolder(game / "data");
    WriteFile(HandlingFilePath(game.Path()), "original\r\n");
    MakeBackupIfMissing(game.Path());
    EXPECT_EQ(ReadFile(HandlingBackupPath(game.Path())), "original\r\n");

    WriteFile(HandlingFilePath(game.Path()), "edited\r\n");
    MakeBackupIfMissing(game.Path());
    EXPECT_EQ(ReadFile(HandlingBackupPath(game.Path())), "original\r\n");
}

TEST(Backup, ThatCannotBeWrittenIsLeftOut) {
    TempFolder game;
    MakeFolder(game / "data");
    WriteFile(HandlingFilePath(game.Path()), "original\r\n");
    MakeFolder(HandlingBackupPath(game.Path()));  // a folder where the backup should go
    EXPECT_NO_THROW(MakeBackupIfMissing(game.Path()));
    EXPECT_TRUE(std::filesystem::is_directory(HandlingBackupPath(game.Path())));
}

}  // namespace
