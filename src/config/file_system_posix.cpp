// The file services on POSIX systems: UTF-8 names are the bytes of the name.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "config/config_file.h"
#include "config/file_names.h"
#include "config/file_system.h"
#include "config/os_error.h"
#include "config/temporary_names.h"

namespace fs = std::filesystem;

std::int32_t LastOsError() {
    return errno;
}

std::int32_t SystemErrorCode(int errnoValue) {
    return errnoValue;
}

std::string SystemErrorText(std::int32_t code) {
    return std::strerror(code);
}

bool IsAccessRefused(std::int32_t code) {
    return code == EACCES || code == EPERM;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

fs::path PathFromUtf8(const std::string& utf8) {
    return fs::path(utf8);
}

std::string Utf8FromPath(const fs::path& path) {
    return path.string();
}

std::FILE* OpenFileUtf8(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

int OpenFdUtf8(const std::string& path, int flags, int mode) {
    return ::open(path.c_str(), flags | O_CLOEXEC, mode);
}

bool WritableUtf8(const std::string& path) {
    return ::access(path.c_str(), W_OK) == 0;
}

std::string ExecutableDirectory() {
    std::error_code ec;
    auto exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return ".";
    return exe.parent_path().string();
}

std::string UserDataDirectory() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && xdg[0] == '/') return std::string(xdg) + "/vt350-config";
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : ".") + "/.local/share/vt350-config";
}

namespace file_system {

ssize_t Write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}

ssize_t Read(int fd, void* data, std::size_t size) {
    return ::read(fd, data, size);
}

int Seek(int fd, long offset) {
    return ::lseek(fd, offset, SEEK_SET) < 0 ? -1 : 0;
}

int Truncate(int fd, long size) {
    return ::ftruncate(fd, size);
}

long SeekToEnd(int fd) {
    return static_cast<long>(::lseek(fd, 0, SEEK_END));
}

int OpenForReading(const std::string& path) {
    // Opened without blocking, so that a pipe without a writer does not hold the open;
    // blocking is restored for the reads.
    const int fd = OpenFdUtf8(path, O_RDONLY | O_NONBLOCK);
    if (fd >= 0) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool ResolveForWriting(const std::string& path, std::string& target, int& error) {
    struct stat st = {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
        target = path;
        return true;
    }
    // Opened as the program's own open would be, so that the kernel decides whether the
    // link may be followed; a missing target is created as a plain open would.
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOCTTY | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = errno;
        return false;
    }
    std::error_code ec;
    const fs::path reached = fs::read_symlink("/proc/self/fd/" + std::to_string(fd), ec);
    ::close(fd);
    if (ec) {
        error = ec.value();
        return false;
    }
    target = reached.string();
    return true;
}

int CreateExclusive(const std::string& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
}

int OpenForAppending(const std::string& path) {
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd >= 0) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

int Fsync(int fd) {
    return ::fsync(fd);
}

int Rename(const char* from, const char* to) {
    return ::rename(from, to);
}

int UseBinaryMode(int) {
    return 0;
}

void RestoreStreamMode(int, int) {}

int Close(int fd) {
    return ::close(fd);
}

int MakeTemporary(const std::string& target, std::string& tempPath) {
    const fs::path t = PathFromUtf8(target);
    tempPath = (t.parent_path() / TemporaryTemplateFor(t.filename().string())).string();
    return mkstemp(tempPath.data());
}

bool OwnershipOf(const std::string& path, Ownership& out) {
    struct stat st = {};
    if (::stat(path.c_str(), &st) != 0) {
        out = {};
        return errno == ENOENT;
    }
    out = {true, static_cast<unsigned>(st.st_mode & 07777), st.st_uid, st.st_gid};
    return true;
}

bool TakeOwnership(int fd, const Ownership& old, int& error) {
    if (!old.exists) {
        const mode_t mask = umask(0);
        umask(mask);
        if (fchmod(fd, 0666 & ~mask) == 0) return true;
        error = errno;
        return false;
    }
    // The group first: a set-group-ID bit would not survive a later change of group.
    const bool ownerKept = geteuid() == 0         ? fchown(fd, old.uid, old.gid) == 0
                           : old.gid != getegid() ? fchown(fd, static_cast<uid_t>(-1), old.gid) == 0
                                                  : true;
    if (!ownerKept || fchmod(fd, old.mode) != 0) {
        error = errno;
        return false;
    }
    return true;
}

void RemoveStaleTemporaries(const std::string& file) {
    const fs::path folder =
        fs::path(file).parent_path().empty() ? fs::path(".") : fs::path(file).parent_path();
    std::error_code ec;
    const auto now = std::time(nullptr);
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (!IsSaveTemporaryName(name)) continue;
        struct stat st = {};
        if (::lstat(entry.path().c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        if (st.st_uid != geteuid() || now - st.st_mtime < 60) continue;
        ::unlink(entry.path().c_str());
    }
}

int OpenFolderOf(const std::string& file) {
    const fs::path parent = fs::path(file).parent_path();
    return ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_CLOEXEC);
}

const char* NetworkFileSystemName(unsigned long long type) {
    // The kernel's magic numbers (linux/magic.h and the file systems' own headers).
    switch (type) {
        case 0x6969:
            return "nfs";
        case 0x517B:
            return "smbfs";
        case 0xFF534D42:
            return "cifs";
        case 0xFE534D42:
            return "smb3";
        case 0x73757245:
            return "coda";
        case 0x5346414F:
        case 0x6B414653:
            return "afs";
        case 0x00C36400:
            return "ceph";
        case 0x0BD00BD0:
            return "lustre";
        default:
            return nullptr;
    }
}

std::string NetworkFileSystemOf(const std::string& path) {
    struct statfs st = {};
    if (::statfs(path.c_str(), &st) != 0) return "";
    const char* name = NetworkFileSystemName(static_cast<unsigned long long>(st.f_type));
    return name != nullptr ? name : "";
}

bool FolderWritable(const std::string& dir) {
    return ::access(dir.c_str(), W_OK) == 0;
}

namespace {

// "belongs to another user (uid 1000)" for an owner that is not this process's user.
std::string ForeignOwner(const std::string& path, uid_t owner) {
    return "\"" + path + "\" belongs to another user (uid " + std::to_string(owner) + ")";
}

// For root: the first folder on the way to `path` that another user owns, who could
// replace what lies below it with a link while root works there.
bool OwnedByRootAllTheWay(const fs::path& path, std::string& why) {
    fs::path walked;
    for (const fs::path& part : path) {
        walked /= part;
        struct stat st = {};
        if (::lstat(walked.c_str(), &st) != 0) return true;  // the rest does not exist yet
        if (st.st_uid != 0) {
            why = ForeignOwner(walked.string(), st.st_uid) +
                  "; as root nothing is kept in another user's folder";
            return false;
        }
    }
    return true;
}

}  // namespace

bool OpenOwnFolder(const std::string& path, bool create, Folder& out, std::string& why) {
    const fs::path folder = fs::path(path).lexically_normal();
    if (geteuid() == 0 &&
        !OwnedByRootAllTheWay(folder.is_absolute() ? folder : fs::absolute(folder), why)) {
        return false;
    }
    if (create) {
        std::error_code ec;
        fs::create_directories(folder, ec);
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        // A folder not made yet is nothing to complain about where nothing was to be made.
        why = !create && errno == ENOENT ? "" : "\"" + path + "\": " + std::strerror(errno);
        return false;
    }
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || st.st_uid != geteuid()) {
        why = ForeignOwner(path, st.st_uid);
        ::close(fd);
        return false;
    }
    out = {path, fd};
    return true;
}

void CloseFolder(Folder& folder) {
    if (folder.fd >= 0) ::close(folder.fd);
    folder.fd = -1;
}

bool AbsentOrOwnRegularFile(const Folder& folder, const std::string& name, std::string& why) {
    struct stat st = {};
    if (::fstatat(folder.fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
        if (errno == ENOENT) return true;
        why = "\"" + folder.path + "/" + name + "\": " + std::strerror(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        why = "\"" + folder.path + "/" + name + "\" is not a regular file";
        return false;
    }
    if (st.st_uid != geteuid()) {
        why = ForeignOwner(folder.path + "/" + name, st.st_uid);
        return false;
    }
    return true;
}

int CreateExclusiveIn(const Folder& folder, const std::string& name) {
    return ::openat(folder.fd, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                    0666);
}

int OpenRegularFileIn(const Folder& folder, const std::string& name) {
    const int fd =
        ::openat(folder.fd, name.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat st = {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

int RemoveIn(const Folder& folder, const std::string& name) {
    return ::unlinkat(folder.fd, name.c_str(), 0);
}

int RenameIn(const Folder& folder, const std::string& from, const std::string& to) {
    return ::renameat(folder.fd, from.c_str(), folder.fd, to.c_str());
}

std::vector<FolderFile> RegularFilesIn(const Folder& folder) {
    std::vector<FolderFile> out;
    const int fd = ::openat(folder.fd, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return out;
    DIR* dir = ::fdopendir(fd);
    if (dir == nullptr) {
        ::close(fd);
        return out;
    }
    const auto now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        struct stat st = {};
        if (::fstatat(folder.fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISREG(st.st_mode)) continue;
        out.push_back({entry->d_name, static_cast<long long>(now - st.st_mtime)});
    }
    ::closedir(dir);
    return out;
}

bool UnmarkedProgramFolderKeepsData() {
    return true;
}

std::vector<SharedFolder> SharedProgramFolders() {
    return {{"/bin", false}, {"/sbin", false}, {"/usr/", true}, {"/snap/", true}};
}

}  // namespace file_system
