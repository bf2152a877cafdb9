// The file calls: atomic replacement (failures leave the old file), permissions, links,
// copying, reading, listing a folder and the current folder.
#include "platform/FileSystem.h"

#include "platform/SysUtils.h"
#include "platform/TextList.h"
#include "tests/support/TempFolder.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

using Names = std::vector<std::string>;

::testing::AssertionResult Mentions(const std::string& message, const std::string& part) {
    if (message.find(part) != std::string::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << message << "\" does not mention " << part;
}

// Every entry of a folder, hidden ones too, so a left-over temporary file shows.
Names EntriesOf(const std::string& folder) {
    Names names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) return 0;
    return info.st_mode & 07777;
}

bool IsFolder(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string AllBytes() {
    std::string bytes;
    for (int value = 0; value <= 0xFF; ++value) bytes += static_cast<char>(value);
    return bytes;
}

// Lowers the file-size limit with SIGXFSZ ignored, so writes past it fail with EFBIG even
// for root; both are put back when the guard goes, whatever happens in between.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        savedSignal_ = sigaction(SIGXFSZ, &ignore, &oldAction_) == 0;
        if (!savedSignal_ || getrlimit(RLIMIT_FSIZE, &oldLimit_) != 0) return;
        rlimit lowered = oldLimit_;
        lowered.rlim_cur = bytes;
        applied_ = setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit() {
        if (applied_) setrlimit(RLIMIT_FSIZE, &oldLimit_);
        if (savedSignal_) sigaction(SIGXFSZ, &oldAction_, nullptr);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool Applied() const { return applied_; }

private:
    struct sigaction oldAction_ {};
    rlimit oldLimit_ {};
    bool savedSignal_ = false;
    bool applied_ = false;
};

class UmaskSetting {
public:
    explicit UmaskSetting(mode_t mask) : old_(umask(mask)) {}
    ~UmaskSetting() { umask(old_); }
    UmaskSetting(const UmaskSetting&) = delete;
    UmaskSetting& operator=(const UmaskSetting&) = delete;

private:
    mode_t old_;
};

// Returns to the current folder when it goes, even if that folder has no short path.
class CurrentFolderKeeper {
public:
    CurrentFolderKeeper() : fd_(open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
    ~CurrentFolderKeeper() {
        if (fd_ < 0) return;
        [[maybe_unused]] const int ignored = fchdir(fd_);
        close(fd_);
    }
    CurrentFolderKeeper(const CurrentFolderKeeper&) = delete;
    CurrentFolderKeeper& operator=(const CurrentFolderKeeper&) = delete;

    bool Kept() const { return fd_ >= 0; }

private:
    int fd_;
};

// A chain of nested folders made by stepping into each, so its path may exceed PATH_MAX;
// removed the same way, deepest first. Leaves the process in the deepest folder.
class DeepFolder {
public:
    DeepFolder(const std::string& base, int levels, const std::string& name) : name_(name) {
        if (chdir(base.c_str()) != 0) return;
        for (; made_ < levels; ++made_)
            if (mkdir(name.c_str(), 0755) != 0 || chdir(name.c_str()) != 0) return;
    }
    ~DeepFolder() {
        for (; made_ > 0; --made_)
            if (chdir("..") != 0 || rmdir(name_.c_str()) != 0) return;
    }
    DeepFolder(const DeepFolder&) = delete;
    DeepFolder& operator=(const DeepFolder&) = delete;

    int Levels() const { return made_; }

private:
    std::string name_;
    int made_ = 0;
};

std::optional<std::string> ErrorOf(const std::function<void()>& action) {
    try {
        action();
        return std::nullopt;
    } catch (const EFileError& error) {
        return error.Message();
    }
}

// The ways of replacing a file's content with that of source; each gives the error it met.
struct Replacement {
    const char* name;
    std::function<std::optional<std::string>(const std::string& target, const std::string& source)>
        replace;
    bool tellsReason;
};

const Replacement Replacements[] = {
    {"WriteFileAtomically",
     [](const std::string& target, const std::string& source) {
         const std::string bytes = ReadFile(source);
         return ErrorOf([&] { WriteFileAtomically(target, bytes); });
     },
     true},
    {"TStringList::SaveToFile",
     [](const std::string& target, const std::string& source) {
         TStringList lines;
         lines.LoadFromFile(source);
         return ErrorOf([&] { lines.SaveToFile(target); });
     },
     true},
    {"CopyFileReplacing",
     [](const std::string& target, const std::string& source) -> std::optional<std::string> {
         if (CopyFileReplacing(source, target)) return std::nullopt;
         return "";
     },
     false},
};

TEST(AtomicSave, FullDiskLeavesOldFileAndNoTemporaryFile) {
    const std::string oldBytes = "old\r\ncontent\xff\r\n";
    const TempFolder sourceFolder;
    const std::string source = sourceFolder / "new.cfg";
    WriteFile(source, std::string(8190, 'n') + "\r\n");
    for (const Replacement& way : Replacements) {
        SCOPED_TRACE(way.name);
        const TempFolder folder;
        const std::string target = folder / "handling.cfg";
        WriteFile(target, oldBytes);
        std::optional<std::string> error;
        {
            FileSizeLimit limit(100);
            ASSERT_TRUE(limit.Applied());
            error = way.replace(target, source);
        }
        ASSERT_TRUE(error.has_value()) << "the save reported no failure";
        if (way.tellsReason) {
            EXPECT_TRUE(Mentions(*error, "\"" + target + "\""));
            EXPECT_TRUE(Mentions(*error, std::strerror(EFBIG)));
        }
        EXPECT_EQ(ReadFile(target), oldBytes);
        EXPECT_EQ(EntriesOf(folder.Path()), Names{"handling.cfg"});
    }
}

TEST(AtomicSave, MissingFolderFails) {
    const TempFolder folder;
    const std::string target = folder / "missing/handling.cfg";
    const std::optional<std::string> error = ErrorOf([&] { WriteFileAtomically(target, "x"); });
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(Mentions(*error, "\"" + target + "\""));
    EXPECT_TRUE(Mentions(*error, "No such file or directory"));
    EXPECT_TRUE(EntriesOf(folder.Path()).empty());
}

TEST(AtomicSave, FolderAtThePathFailsAndStays) {
    const TempFolder folder;
    const std::string target = folder / "handling.cfg";
    MakeFolder(target);
    WriteFile(target + "/inside", "inside");
    const std::optional<std::string> error = ErrorOf([&] { WriteFileAtomically(target, "x"); });
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(Mentions(*error, "\"" + target + "\""));
    EXPECT_TRUE(IsFolder(target));
    EXPECT_EQ(ReadFile(target + "/inside"), "inside");
    EXPECT_EQ(EntriesOf(folder.Path()), Names{"handling.cfg"});
}

TEST(AtomicSave, ReplacesWholeContentByteForByte) {
    const TempFolder folder;
    const std::string target = folder / "data.bin";
    for (const std::string& bytes : {AllBytes() + AllBytes(), std::string(), std::string("ab")}) {
        SCOPED_TRACE(bytes.size());
        WriteFile(target, std::string(5000, 'o'));
        WriteFileAtomically(target, bytes);
        EXPECT_EQ(ReadFile(target), bytes);
        EXPECT_EQ(EntriesOf(folder.Path()), Names{"data.bin"});
    }
}

TEST(AtomicSave, NameOfTheLongestLengthCanBeSaved) {
    const TempFolder folder;
    const std::string name(255, 'n');
    WriteFile(folder / name, "old");
    WriteFileAtomically(folder / name, "new");
    EXPECT_EQ(ReadFile(folder / name), "new");
    EXPECT_EQ(EntriesOf(folder.Path()), Names{name});
}

TEST(AtomicSave, KeepsTheTargetsPermissions) {
    const TempFolder folder;
    const std::string target = folder / "handling.cfg";
    for (const mode_t mode : {0640, 0604, 0755, 0400, 0666}) {
        SCOPED_TRACE(mode);
        WriteFile(target, "old");
        ASSERT_EQ(chmod(target.c_str(), mode), 0);
        WriteFileAtomically(target, "new");
        EXPECT_EQ(ModeOf(target), mode);
        EXPECT_EQ(ReadFile(target), "new");
        std::filesystem::remove(target);
    }
}

TEST(AtomicSave, NewFileGetsTheModeOfACreatedFile) {
    const TempFolder folder;
    const struct {
        mode_t mask;
        mode_t mode;
    } cases[] = {{022, 0644}, {027, 0640}, {002, 0664}, {077, 0600}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mask);
        const std::string target = folder / ("new" + IntToStr(c.mask));
        {
            const UmaskSetting mask(c.mask);
            WriteFileAtomically(target, "new");
        }
        EXPECT_EQ(ModeOf(target), c.mode);
    }
}

TEST(AtomicSave, RootKeepsTheTargetsOwner) {
    if (geteuid() != 0) GTEST_SKIP() << "only root can give a file away";
    const TempFolder folder;
    const std::string target = folder / "handling.cfg";
    WriteFile(target, "old");
    ASSERT_EQ(chown(target.c_str(), 4242, 4343), 0);
    WriteFileAtomically(target, "new");
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 4242u);
    EXPECT_EQ(info.st_gid, 4343u);
}

TEST(AtomicSave, ThroughALinkReplacesThePointedAtFile) {
    const struct {
        const char* name;
        const char* linkContent;  // "$" stands for the test's folder
        const char* realFile;     // where the link leads, inside the folder
    } cases[] = {
        {"absolute link", "$/real/handling.cfg", "real/handling.cfg"},
        {"relative link", "../real/handling.cfg", "real/handling.cfg"},
        {"link to a link", "../real/second", "real/handling.cfg"},
        {"link to a file not made yet", "../real/later.cfg", "real/later.cfg"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TempFolder folder;
        MakeFolder(folder / "real");
        MakeFolder(folder / "links");
        WriteFile(folder / "real/handling.cfg", "old");
        ASSERT_EQ(symlink("handling.cfg", (folder / "real/second").c_str()), 0);
        std::string linkContent = c.linkContent;
        if (linkContent.front() == '$') linkContent = folder.Path() + linkContent.substr(1);
        const std::string link = folder / "links/handling.cfg";
        ASSERT_EQ(symlink(linkContent.c_str(), link.c_str()), 0);

        WriteFileAtomically(link, "new");

        EXPECT_EQ(std::filesystem::read_symlink(link).string(), linkContent);
        EXPECT_EQ(ReadFile(folder / c.realFile), "new");
        EXPECT_EQ(EntriesOf(folder / "links"), Names{"handling.cfg"});
    }
}

TEST(CopyFileReplacing, ReplacesTargetOrReportsFailure) {
    const struct {
        const char* name;
        bool sourceExists;
        const char* target;  // inside the test's folder
        bool copies;
    } cases[] = {
        {"new target", true, "copy.cfg", true},
        {"existing target", true, "old.cfg", true},
        {"missing source", false, "old.cfg", false},
        {"target in a missing folder", true, "missing/copy.cfg", false},
        {"folder at the target", true, "folder", false},
    };
    const std::string sourceBytes = AllBytes() + "\r\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TempFolder folder;
        if (c.sourceExists) WriteFile(folder / "source.cfg", sourceBytes);
        WriteFile(folder / "old.cfg", "old");
        MakeFolder(folder / "folder");
        const Names before = EntriesOf(folder.Path());
        const std::string target = folder / c.target;

        EXPECT_EQ(CopyFileReplacing(folder / "source.cfg", target), c.copies);

        if (c.copies) {
            EXPECT_EQ(ReadFile(target), sourceBytes);
        } else {
            EXPECT_EQ(ReadFile(folder / "old.cfg"), "old");
            EXPECT_TRUE(IsFolder(folder / "folder"));
            EXPECT_EQ(EntriesOf(folder.Path()), before);
        }
    }
}

TEST(CopyFileReplacing, FolderAsSourceFails) {
    const TempFolder folder;
    MakeFolder(folder / "source");
    WriteFile(folder / "target", "old");
    EXPECT_FALSE(CopyFileReplacing(folder / "source", folder / "target"));
    EXPECT_EQ(ReadFile(folder / "target"), "old");
}

TEST(ReadFileBytes, ReadsEveryByteOfALargeFile) {
    const TempFolder folder;
    std::string bytes;
    while (bytes.size() < 300000) bytes += AllBytes();
    WriteFile(folder / "big", bytes);
    EXPECT_EQ(ReadFileBytes(folder / "big"), bytes);
}

TEST(ReadFileBytes, MissingFileOrFolderFailsNamingThePath) {
    const TempFolder folder;
    MakeFolder(folder / "folder");
    ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0644), 0);
    for (const std::string& path : {folder / "missing", folder / "folder", folder / "pipe"}) {
        SCOPED_TRACE(path);
        const std::optional<std::string> error = ErrorOf([&] { ReadFileBytes(path); });
        ASSERT_TRUE(error.has_value());
        EXPECT_TRUE(Mentions(*error, "\"" + path + "\""));
    }
}

TEST(FileExists, OnlyForRegularFilesFollowingLinks) {
    const TempFolder folder;
    WriteFile(folder / "file", "x");
    MakeFolder(folder / "folder");
    ASSERT_EQ(symlink("file", (folder / "link to file").c_str()), 0);
    ASSERT_EQ(symlink("folder", (folder / "link to folder").c_str()), 0);
    ASSERT_EQ(symlink("missing", (folder / "dangling link").c_str()), 0);
    const struct {
        const char* name;
        bool exists;
    } cases[] = {
        {"file", true},           {"link to file", true},   {"folder", false},
        {"link to folder", false}, {"dangling link", false}, {"missing", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FileExists(folder / c.name), c.exists);
    }
}

TEST(MakeFileWritable, AddsOwnerWriteOnly) {
    const TempFolder folder;
    const std::string path = folder / "read-only";
    WriteFile(path, "x");
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    EXPECT_TRUE(MakeFileWritable(path));
    EXPECT_EQ(ModeOf(path), 0644u);
    EXPECT_FALSE(MakeFileWritable(folder / "missing"));
}

TEST(ListFiles, MatchesMaskWithoutCaseInStableOrder) {
    const TempFolder folder;
    for (const char* name : {"b.txt", "A.TXT", "a.txt", "c.TxT", "notes.md", "txt", "ab.txt.bak",
                             ".hidden.txt", "Zeta.Txt"})
        WriteFile(folder / name, "x");
    MakeFolder(folder / "folder.txt");
    ASSERT_EQ(symlink("b.txt", (folder / "link.txt").c_str()), 0);
    ASSERT_EQ(symlink("folder.txt", (folder / "linked folder.txt").c_str()), 0);
    ASSERT_EQ(symlink("missing", (folder / "dangling.txt").c_str()), 0);

    const struct {
        const char* mask;
        Names names;
    } cases[] = {
        {"*.txt", {".hidden.txt", "A.TXT", "a.txt", "b.txt", "c.TxT", "link.txt", "Zeta.Txt"}},
        {"*.TXT", {".hidden.txt", "A.TXT", "a.txt", "b.txt", "c.TxT", "link.txt", "Zeta.Txt"}},
        {"?.txt", {"A.TXT", "a.txt", "b.txt", "c.TxT"}},
        {"*", {".hidden.txt", "A.TXT", "a.txt", "ab.txt.bak", "b.txt", "c.TxT", "link.txt",
               "notes.md", "txt", "Zeta.Txt"}},
        {"a*", {"A.TXT", "a.txt", "ab.txt.bak"}},
        {"*t*t*", {".hidden.txt", "A.TXT", "a.txt", "ab.txt.bak", "b.txt", "c.TxT", "link.txt",
                   "txt", "Zeta.Txt"}},
        {"*.md", {"notes.md"}},
        {"notes.md", {"notes.md"}},
        {"*.txt?", {}},
        {"?", {}},
        {"", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mask);
        EXPECT_EQ(ListFiles(folder.Path(), c.mask), c.names);
    }
}

TEST(ListFiles, NamesEqualButForCaseFollowByteOrder) {
    const TempFolder folder;
    for (const char* name : {"x.txt", "X.TXT", "x.TXT", "X.txt", "x.Txt", "X.tXT", "Y", "w"})
        WriteFile(folder / name, "x");
    EXPECT_EQ(ListFiles(folder.Path(), "*"),
              (Names{"w", "X.TXT", "X.tXT", "X.txt", "x.TXT", "x.Txt", "x.txt", "Y"}));
}

TEST(ListFiles, MissingFolderGivesNothing) {
    const TempFolder folder;
    EXPECT_TRUE(ListFiles(folder / "missing", "*").empty());
    WriteFile(folder / "file", "x");
    EXPECT_TRUE(ListFiles(folder / "file", "*").empty());
}

TEST(GetCurrentFolder, DeepFoldersHaveTheirFullPath) {
    const TempFolder folder;
    const std::string base = std::filesystem::canonical(folder.Path()).string();
    const struct {
        const char* name;
        int levels;
        int nameLength;
    } cases[] = {
        {"over 300 characters", 3, 120},
        {"over PATH_MAX", 25, 200},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string name(static_cast<std::size_t>(c.nameLength), 'd');
        std::string expected = base;
        for (int level = 0; level < c.levels; ++level) expected += "/" + name;

        const CurrentFolderKeeper keeper;
        ASSERT_TRUE(keeper.Kept());
        const DeepFolder deep(base, c.levels, name);
        ASSERT_EQ(deep.Levels(), c.levels) << std::strerror(errno);
        EXPECT_EQ(GetCurrentFolder(), expected);
    }
}

TEST(GetCurrentFolder, RootIsASingleSlash) {
    const CurrentFolderKeeper keeper;
    ASSERT_TRUE(keeper.Kept());
    ASSERT_EQ(chdir("/"), 0);
    EXPECT_EQ(GetCurrentFolder(), "/");
}

}  // namespace
