// The program's only contact with the operating system's file calls (POSIX here).
#include "platform/FileSystem.h"

#include "platform/SysUtils.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace {

constexpr std::size_t MaxNameLength = 255;
constexpr int MaxLinkHops = 40;

std::string Reason(int error) { return std::strerror(error); }

[[noreturn]] void Fail(const std::string& action, const std::string& path, int error) {
    throw EFileError(action + " file \"" + path + "\". " + Reason(error));
}

// Owns an open file descriptor and closes it when it goes out of scope.
class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() {
        if (fd_ >= 0) close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }

private:
    int fd_;
};

struct FolderCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(char a, char b) { return AsciiLower(a) == AsciiLower(b); }

// "*" stands for any run of characters, "?" for exactly one. On a mismatch the last "*"
// is made to swallow one more character, which is enough as any earlier "*" could only
// have matched less.
bool MatchesMask(const std::string& name, const std::string& mask) {
    std::size_t n = 0;
    std::size_t m = 0;
    std::size_t starMask = std::string::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() && (mask[m] == '?' || SameIgnoringCase(mask[m], name[n]))) {
            ++m;
            ++n;
        } else if (starMask != std::string::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*') ++m;
    return m == mask.size();
}

int CompareIgnoringCase(const std::string& a, const std::string& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(AsciiLower(a[i]));
        const auto y = static_cast<unsigned char>(AsciiLower(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

// Names equal but for case are ordered by their bytes, so a listing never depends on the
// order in which the folder happens to hold its entries.
bool ListingOrder(const std::string& a, const std::string& b) {
    const int byCase = CompareIgnoringCase(a, b);
    return byCase != 0 ? byCase < 0 : a < b;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::optional<std::string> RealPath(const std::string& path) {
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return std::nullopt;
    std::string result = resolved;
    std::free(resolved);
    return result;
}

std::optional<std::string> LinkContent(const std::string& link) {
    std::string buffer(256, '\0');
    for (;;) {
        const ssize_t length = readlink(link.c_str(), buffer.data(), buffer.size());
        if (length < 0) return std::nullopt;
        if (static_cast<std::size_t>(length) < buffer.size()) {
            buffer.resize(static_cast<std::size_t>(length));
            return buffer;
        }
        buffer.resize(buffer.size() * 2);
    }
}

// The file a save to path really replaces: the end of the link chain when path is a link,
// so the link itself stays. A link to a file not made yet leads to the file it names, as
// writing through the link would create that one.
std::string ResolvedTarget(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        struct stat info {};
        if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return current;
        if (const std::optional<std::string> real = RealPath(current)) return *real;
        const std::optional<std::string> next = LinkContent(current);
        if (!next || next->empty()) return current;
        current = next->front() == '/' ? *next : FolderOf(current) + "/" + *next;
    }
    Fail("Cannot write", path, ELOOP);
}

// Linux tells the umask in /proc; elsewhere it can only be read by setting it and back,
// which for that moment would give files other threads create no mask.
mode_t CurrentUmask() {
#ifdef __linux__
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("Umask:", 0) == 0)
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
#endif
    const mode_t mask = umask(0);
    umask(mask);
    return mask;
}

bool WriteAll(int fd, const std::string& bytes) {
    const char* next = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const std::size_t chunk = std::min<std::size_t>(left, SSIZE_MAX);
        const ssize_t written = write(fd, next, chunk);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) {
            errno = EIO;  // a regular file that takes nothing would loop forever
            return false;
        }
        next += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

bool SyncFile(int fd) {
    int result;
    do result = fsync(fd);
    while (result != 0 && errno == EINTR);
    return result == 0;
}

// The rename is only durable once the folder's entry is on disk. The file has already
// been replaced by then, so a folder that cannot be flushed (some file systems refuse)
// is not reported as a failed save.
void SyncFolder(const std::string& folder) {
    FileHandle handle(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle.IsOpen()) SyncFile(handle.Get());
}

// Gives the new file what the old one had, or what a newly created file would get.
bool TakeOverPermissions(int fd, const struct stat* old) {
    if (old == nullptr) return fchmod(fd, 0666 & ~CurrentUmask()) == 0;
    if (geteuid() == 0) {
        // Best effort: root keeps the owner so a save does not steal the file; where that is
        // refused (e.g. a file system without owners) the file simply stays root's.
        [[maybe_unused]] const int ignored = fchown(fd, old->st_uid, old->st_gid);
    }
    // After the chown, which may clear the set-id bits.
    return fchmod(fd, old->st_mode & 07777) == 0;
}

// A temporary file next to the target, removed again unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target) {
        const std::string suffix = ".XXXXXX";
        // A name the folder can hold even when the target's name is near the limit.
        const std::string name = NameOf(target).substr(0, MaxNameLength - 1 - suffix.size());
        std::string pattern = FolderOf(target) + "/." + name + suffix;
        fd_ = mkstemp(pattern.data());
        if (fd_ >= 0) path_ = pattern;
    }
    ~TemporaryFile() {
        if (fd_ >= 0) close(fd_);
        if (!path_.empty()) unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }
    int Fd() const { return fd_; }

    // Closes now and reports the result, as a close can be the first to tell of a write error.
    bool Close() {
        const int result = close(fd_);
        fd_ = -1;
        return result == 0;
    }

    bool RenameTo(const std::string& target) {
        if (rename(path_.c_str(), target.c_str()) != 0) return false;
        path_.clear();
        return true;
    }

private:
    int fd_ = -1;
    std::string path_;
};

}  // namespace

std::string GetCurrentFolder() {
    std::string buffer(256, '\0');
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) throw EFileError("Cannot get the current folder. " + Reason(errno));
        buffer.resize(buffer.size() * 2);
    }
    buffer.resize(std::strlen(buffer.c_str()));
    // Linux may name a folder outside the process's root "(unreachable)/...".
    if (buffer.empty() || buffer.front() != '/')
        throw EFileError("Cannot get the current folder. " + Reason(ENOENT));
    while (buffer.size() > 1 && buffer.back() == '/') buffer.pop_back();
    return buffer;
}

bool FileExists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool MakeFileWritable(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) return false;
    if ((info.st_mode & S_IWUSR) != 0) return true;
    return chmod(path.c_str(), (info.st_mode & 07777) | S_IWUSR) == 0;
}

bool CopyFileReplacing(const std::string& source, const std::string& target) {
    try {
        WriteFileAtomically(target, ReadFileBytes(source));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

std::string ReadFileBytes(const std::string& path) {
    // Non-blocking so that a pipe standing at the path is refused instead of waited on;
    // reading a regular file is not affected by it.
    FileHandle handle(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!handle.IsOpen()) Fail("Cannot open", path, errno);
    struct stat info {};
    if (fstat(handle.Get(), &info) != 0) Fail("Cannot open", path, errno);
    if (S_ISDIR(info.st_mode)) Fail("Cannot open", path, EISDIR);
    if (!S_ISREG(info.st_mode)) Fail("Cannot open", path, EINVAL);

    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(std::max<off_t>(info.st_size, 0)));
    char block[65536];
    for (;;) {
        const ssize_t got = read(handle.Get(), block, sizeof block);
        if (got < 0) {
            if (errno == EINTR) continue;
            Fail("Cannot read", path, errno);
        }
        if (got == 0) break;
        bytes.append(block, static_cast<std::size_t>(got));
    }
    return bytes;
}

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
    const std::string target = ResolvedTarget(path);
    struct stat old {};
    const bool hasOld = stat(target.c_str(), &old) == 0;
    if (hasOld && S_ISDIR(old.st_mode)) Fail("Cannot write", path, EISDIR);
    // Renaming over a device or pipe would replace it rather than write into it.
    if (hasOld && !S_ISREG(old.st_mode)) Fail("Cannot write", path, EINVAL);

    TemporaryFile temporary(target);
    if (!temporary.IsOpen()) Fail("Cannot create", path, errno);
    if (!WriteAll(temporary.Fd(), bytes)) Fail("Cannot write", path, errno);
    if (!TakeOverPermissions(temporary.Fd(), hasOld ? &old : nullptr))
        Fail("Cannot write", path, errno);
    if (!SyncFile(temporary.Fd())) Fail("Cannot write", path, errno);
    if (!temporary.Close()) Fail("Cannot write", path, errno);
    if (!temporary.RenameTo(target)) Fail("Cannot replace", path, errno);
    SyncFolder(FolderOf(target));
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& mask) {
    std::vector<std::string> names;
    const std::unique_ptr<DIR, FolderCloser> dir(opendir(folder.c_str()));
    if (!dir) return names;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name == "." || name == ".." || !MatchesMask(name, mask)) continue;
        struct stat info {};
        if (fstatat(dirfd(dir.get()), entry->d_name, &info, 0) == 0 && S_ISREG(info.st_mode))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), ListingOrder);
    return names;
}
