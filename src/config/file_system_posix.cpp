// The file services on POSIX systems: UTF-8 names are the bytes of the name.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "config/config_file.h"
#include "config/file_names.h"
#include "config/file_system.h"
#include "config/os_error.h"

namespace fs = std::filesystem;

std::int32_t LastOsError() {
    return errno;
}

std::int32_t SystemErrorCode(int errnoValue) {
    return errnoValue;
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

int OpenForReading(const std::string& path) {
    // Opened without blocking, so that a pipe without a writer does not hold the open;
    // blocking is restored for the reads.
    const int fd = OpenFdUtf8(path, O_RDONLY | O_NONBLOCK);
    if (fd >= 0) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool ResolveForWriting(const std::string& path, std::string& target, int& error) {
    struct stat st {};
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
    return ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
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
    tempPath = (t.parent_path() / ("." + t.filename().string() + ".XXXXXX")).string();
    return mkstemp(tempPath.data());
}

bool OwnershipOf(const std::string& path, Ownership& out) {
    struct stat st {};
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
        // ".NAME.XXXXXX": what MakeTemporary makes for a file NAME.
        if (name.size() < 9 || name[0] != '.' || name[name.size() - 7] != '.') continue;
        struct stat st {};
        if (::lstat(entry.path().c_str(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        if (st.st_uid != geteuid() || now - st.st_mtime < 60) continue;
        ::unlink(entry.path().c_str());
    }
}

int OpenFolderOf(const std::string& file) {
    const fs::path parent = fs::path(file).parent_path();
    return ::open(parent.empty() ? "." : parent.c_str(), O_RDONLY | O_CLOEXEC);
}

bool FolderWritable(const std::string& dir) {
    return ::access(dir.c_str(), W_OK) == 0;
}

std::vector<SharedFolder> SharedProgramFolders() {
    return {{"/bin", false}, {"/sbin", false}, {"/usr/", true}, {"/snap/", true}};
}

}  // namespace file_system
