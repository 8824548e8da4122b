#include "config/file_replace.h"

#include "config/file_names.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
ssize_t WriteCall(int fd, const void* data, std::size_t size) {
    return _write(fd, data, static_cast<unsigned>(size));
}
int FsyncCall(int fd) {
    return _commit(fd);
}
int RenameCall(const char* from, const char* to) {
    if (MoveFileExW(WideFromUtf8(from).c_str(), WideFromUtf8(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return 0;
    }
    errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
    return -1;
}
int CloseFd(int fd) {
    return _close(fd);
}
#else
ssize_t WriteCall(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}
int FsyncCall(int fd) {
    return ::fsync(fd);
}
int RenameCall(const char* from, const char* to) {
    return ::rename(from, to);
}
int CloseFd(int fd) {
    return ::close(fd);
}
#endif

// Follows symbolic links to the file they finally name, so that the rename replaces the
// target and leaves the link a link.
std::string FinalTarget(const std::string& path) {
    fs::path p = PathFromUtf8(path);
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec))) break;
        const fs::path next = fs::read_symlink(p, ec);
        if (ec) break;
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    return Utf8FromPath(p);
}

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ReplaceCalls().write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = ENOSPC;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// The old file's bytes, or an empty vector for a missing file. False when it exists but
// cannot be read (no rights, a folder).
bool ReadOld(const std::string& path, std::vector<std::uint8_t>& out, bool& exists, int& error) {
    exists = false;
    std::FILE* f = OpenFileUtf8(path, "rb");
    if (f == nullptr) {
        error = errno;
        return errno == ENOENT;
    }
    exists = true;
    std::uint8_t chunk[4096];
    std::size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) out.insert(out.end(), chunk, chunk + n);
    const bool failed = std::ferror(f) != 0;
    error = errno;
    std::fclose(f);
    return !failed;
}

void SyncFolder(const std::string& file) {
#ifndef _WIN32
    const std::string dir = fs::path(file).parent_path().empty()
                                ? std::string(".")
                                : fs::path(file).parent_path().string();
    const int fd = ::open(dir.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    ReplaceCalls().fsync(fd);  // some file systems refuse folders (EINVAL): nothing to do
    ::close(fd);
#else
    (void)file;
#endif
}

// Where the folder will not take a temporary file: the head written over the old bytes.
ReplaceResult WriteInPlace(const std::string& path, const std::uint8_t* head, std::size_t size) {
    ReplaceResult result;
    const int fd = OpenFdUtf8(path, O_WRONLY);
    if (fd < 0) return {false, true, errno};
    if (!WriteAll(fd, head, size) || ReplaceCalls().fsync(fd) != 0) {
        result = {false, false, errno};
    }
    if (CloseFd(fd) != 0 && result.ok) result = {false, false, errno};
    return result;
}

int MakeTemporary(const std::string& target, std::string& tempPath) {
    const fs::path t = PathFromUtf8(target);
#ifdef _WIN32
    std::wstring name = (t.parent_path() / (L"." + t.filename().wstring() + L".XXXXXX")).wstring();
    if (_wmktemp_s(name.data(), name.size() + 1) != 0) return -1;
    tempPath = Utf8FromWide(name);
    return _wopen(name.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
#else
    tempPath = (t.parent_path() / ("." + t.filename().string() + ".XXXXXX")).string();
    return mkstemp(tempPath.data());
#endif
}

// New files get the mode a plain creation would give them; replaced ones keep theirs.
void CopyModeAndOwner(int fd, bool exists, const struct stat& old) {
#ifndef _WIN32
    if (exists) {
        fchmod(fd, old.st_mode & 07777);
        if (geteuid() == 0) (void)!fchown(fd, old.st_uid, old.st_gid);
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        fchmod(fd, 0666 & ~mask);
    }
#else
    (void)fd, (void)exists, (void)old;
#endif
}

}  // namespace

FileReplaceCalls& ReplaceCalls() {
    static FileReplaceCalls calls{WriteCall, FsyncCall, RenameCall};
    return calls;
}

ReplaceResult ReplaceFileHead(const std::string& path, const std::uint8_t* head, std::size_t size) {
    const std::string target = FinalTarget(path);
    std::error_code ec;
    const fs::file_status status = fs::status(PathFromUtf8(target), ec);
    if (fs::exists(status) && fs::is_directory(status)) return {false, true, EISDIR};
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        // A device or a pipe has no contents to keep and cannot be renamed over.
        return WriteInPlace(target, head, size);
    }
    std::vector<std::uint8_t> bytes;
    bool exists = false;
    int error = 0;
    if (!ReadOld(target, bytes, exists, error)) return {false, true, error};
    // A file the user may not write is refused just as opening it for writing refuses it:
    // the temporary file and the rename must not get around the file's own mode.
    if (exists) {
        const int probe = OpenFdUtf8(target, O_WRONLY);
        if (probe < 0) return {false, true, errno};
        CloseFd(probe);
    }
    struct stat old {};
#ifndef _WIN32
    if (exists && ::stat(target.c_str(), &old) != 0) return {false, true, errno};
#endif
    if (bytes.size() < size) bytes.resize(size);
    std::copy(head, head + size, bytes.begin());

    std::string temp;
    const int fd = MakeTemporary(target, temp);
    if (fd < 0) {
        const int refused = errno;
        if (exists && (refused == EACCES || refused == EPERM) && WritableUtf8(target)) {
            return WriteInPlace(target, head, size);
        }
        return {false, true, refused};
    }
    CopyModeAndOwner(fd, exists, old);
    ReplaceResult result;
    if (!WriteAll(fd, bytes.data(), bytes.size()) || ReplaceCalls().fsync(fd) != 0) {
        result = {false, false, errno};
    }
    if (CloseFd(fd) != 0 && result.ok) result = {false, false, errno};
    if (result.ok && ReplaceCalls().rename(temp.c_str(), target.c_str()) != 0) {
        result = {false, false, errno};
    }
    if (!result.ok) {
        std::error_code ignored;
        fs::remove(PathFromUtf8(temp), ignored);
        return result;
    }
    SyncFolder(target);
    return result;
}
