// The file services on Windows: files are opened by their wide (UTF-16) names, so that a
// folder named "Werkstatt Müller" or "工坊" works, and always in binary mode.
// clang-format off
#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>
// clang-format on
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "config/config_file.h"
#include "config/file_names.h"
#include "config/file_system.h"
#include "config/os_error.h"
#include "config/temporary_names.h"
#include "config/wide_names.h"

namespace fs = std::filesystem;

std::int32_t LastOsError() {
    return static_cast<std::int32_t>(GetLastError());
}

std::string SystemErrorText(std::int32_t code) {
    PWSTR buffer = nullptr;
    const DWORD n = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<PWSTR>(&buffer), 0, nullptr);
    std::wstring text(buffer != nullptr ? buffer : L"", n);
    LocalFree(buffer);
    // Windows ends its messages with a full stop and a line break.
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ' ||
                             text.back() == L'.')) {
        text.pop_back();
    }
    const std::string number = "Windows error " + std::to_string(code);
    return text.empty() ? number : Utf8FromWide(text) + ", " + number;
}

bool IsAccessRefused(std::int32_t code) {
    return code == ERROR_ACCESS_DENIED;
}

std::int32_t SystemErrorCode(int errnoValue) {
    // The C runtime's mapping, backwards, for the errors a file operation meets.
    switch (errnoValue) {
        case 0:
            return 0;
        case ENOENT:
            return ERROR_FILE_NOT_FOUND;
        case EACCES:
        case EPERM:
            return ERROR_ACCESS_DENIED;
        case EEXIST:
            return ERROR_FILE_EXISTS;
        case ENOSPC:
            return ERROR_DISK_FULL;
        case EBADF:
            return ERROR_INVALID_HANDLE;
        case EMFILE:
            return ERROR_TOO_MANY_OPEN_FILES;
        case EINVAL:
            return ERROR_INVALID_PARAMETER;
        case ENAMETOOLONG:
            return ERROR_FILENAME_EXCED_RANGE;
        case EROFS:
            return ERROR_WRITE_PROTECT;
        case EISDIR:
            return ERROR_DIRECTORY;
        case ENOMEM:
            return ERROR_NOT_ENOUGH_MEMORY;
        case EPIPE:
            return ERROR_BROKEN_PIPE;
        case EIO:
            return ERROR_GEN_FAILURE;
        default:
            return errnoValue;
    }
}

std::wstring WideFromUtf8(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}

std::string Utf8FromWide(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), n,
                        nullptr, nullptr);
    return utf8;
}

fs::path PathFromUtf8(const std::string& utf8) {
    return fs::path(WideFromUtf8(utf8));
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '\\' || folder.back() == '/') return folder + name;
    return folder + "\\" + name;
}

std::string Utf8FromPath(const fs::path& path) {
    return Utf8FromWide(path.wstring());
}

std::FILE* OpenFileUtf8(const std::string& path, const char* mode) {
    const std::string m(mode);
    return _wfopen(WideFromUtf8(path).c_str(), std::wstring(m.begin(), m.end()).c_str());
}

int OpenFdUtf8(const std::string& path, int flags, int mode) {
    return _wopen(WideFromUtf8(path).c_str(), flags | _O_BINARY, mode);
}

bool WritableUtf8(const std::string& path) {
    return _waccess(WideFromUtf8(path).c_str(), 2) == 0;
}

std::string ExecutableDirectory() {
    std::wstring buffer(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    buffer.resize(n);
    return Utf8FromPath(fs::path(buffer).parent_path());
}

std::string UserDataDirectory() {
    PWSTR folder = nullptr;
    std::string base = ".";
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &folder) == S_OK) {
        base = Utf8FromWide(folder);
    }
    CoTaskMemFree(folder);
    return JoinPath(base, "vt350-config");
}

namespace file_system {

ssize_t Write(int fd, const void* data, std::size_t size) {
    return _write(fd, data, static_cast<unsigned>(size));
}

ssize_t Read(int fd, void* data, std::size_t size) {
    return _read(fd, data, static_cast<unsigned>(size));
}

int Seek(int fd, long offset) {
    return _lseek(fd, offset, SEEK_SET) < 0 ? -1 : 0;
}

int Truncate(int fd, long size) {
    return _chsize_s(fd, size) == 0 ? 0 : -1;
}

long SeekToEnd(int fd) {
    return _lseek(fd, 0, SEEK_END);
}

int OpenForReading(const std::string& path) {
    return OpenFdUtf8(path, _O_RDONLY);
}

bool ResolveForWriting(const std::string& path, std::string& target, int&) {
    // Links are rare on Windows and need rights to make: followed to the file they name.
    fs::path p = PathFromUtf8(path);
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec))) break;
        const fs::path next = fs::read_symlink(p, ec);
        if (ec) break;
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    target = Utf8FromPath(p);
    return true;
}

int CreateExclusive(const std::string& path) {
    return _wopen(WideFromUtf8(path).c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY,
                  _S_IREAD | _S_IWRITE);
}

int OpenForAppending(const std::string& path) {
    return _wopen(WideFromUtf8(path).c_str(), _O_APPEND | _O_CREAT | _O_WRONLY | _O_BINARY,
                  _S_IREAD | _S_IWRITE);
}

int Fsync(int fd) {
    return _commit(fd);
}

int Rename(const char* from, const char* to) {
    if (MoveFileExW(WideFromUtf8(from).c_str(), WideFromUtf8(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return 0;
    }
    errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
    return -1;
}

int UseBinaryMode(int fd) {
    if (fd == 1) std::fflush(stdout);  // what was written so far in the mode it was written in
    return _setmode(fd, _O_BINARY);
}

void RestoreStreamMode(int fd, int mode) {
    if (fd == 1) std::fflush(stdout);
    if (mode != -1) _setmode(fd, mode);
}

int Close(int fd) {
    return _close(fd);
}

int MakeTemporary(const std::string& target, std::string& tempPath) {
    const fs::path t = PathFromUtf8(target);
    std::wstring name =
        (t.parent_path() / PathFromUtf8(TemporaryTemplateFor(Utf8FromPath(t.filename()))))
            .wstring();
    if (_wmktemp_s(name.data(), name.size() + 1) != 0) return -1;
    tempPath = Utf8FromWide(name);
    return _wopen(name.c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
}

// Windows keeps no mode bits worth carrying; a replaced file's attributes are those of a
// new file.
bool OwnershipOf(const std::string& path, Ownership& out) {
    out = {};
    out.exists = _waccess(WideFromUtf8(path).c_str(), 0) == 0;
    return true;
}

bool TakeOwnership(int, const Ownership&, int&) {
    return true;
}

void RemoveStaleTemporaries(const std::string& file) {
    const fs::path folder = PathFromUtf8(file).parent_path();
    std::error_code ec;
    const auto now = fs::file_time_type::clock::now();
    for (const auto& entry : fs::directory_iterator(folder.empty() ? fs::path(L".") : folder, ec)) {
        if (!IsSaveTemporaryName(Utf8FromPath(entry.path().filename()))) continue;
        std::error_code e;
        if (!entry.is_regular_file(e)) continue;
        if (now - entry.last_write_time(e) < std::chrono::minutes(1)) continue;
        fs::remove(entry.path(), e);
    }
}

// Windows: the user's data folder is the user's own by its place (%APPDATA%); a folder
// is named by its path, and links in it are not followed by the opens below.
bool OpenOwnFolder(const std::string& path, bool create, Folder& out, std::string& why) {
    std::error_code ec;
    if (create) fs::create_directories(PathFromUtf8(path), ec);
    const fs::file_status st = fs::symlink_status(PathFromUtf8(path), ec);
    if (!create && !fs::exists(st)) {
        why.clear();
        return false;
    }
    if (ec || !fs::is_directory(st)) {
        why = "\"" + path + "\" is no folder";
        return false;
    }
    out = {path, -1};
    return true;
}

void CloseFolder(Folder&) {}

bool AbsentOrOwnRegularFile(const Folder& folder, const std::string& name, std::string& why) {
    std::error_code ec;
    const fs::file_status st = fs::symlink_status(PathFromUtf8(JoinPath(folder.path, name)), ec);
    if (!fs::exists(st) || fs::is_regular_file(st)) return true;
    why = "\"" + JoinPath(folder.path, name) + "\" is not a regular file";
    return false;
}

int CreateExclusiveIn(const Folder& folder, const std::string& name) {
    return CreateExclusive(JoinPath(folder.path, name));
}

int OpenRegularFileIn(const Folder& folder, const std::string& name) {
    std::string why;
    if (!AbsentOrOwnRegularFile(folder, name, why)) {
        errno = EINVAL;
        return -1;
    }
    return _wopen(WideFromUtf8(JoinPath(folder.path, name)).c_str(), _O_RDONLY | _O_BINARY);
}

int RemoveIn(const Folder& folder, const std::string& name) {
    return _wunlink(WideFromUtf8(JoinPath(folder.path, name)).c_str());
}

int RenameIn(const Folder& folder, const std::string& from, const std::string& to) {
    return Rename(JoinPath(folder.path, from).c_str(), JoinPath(folder.path, to).c_str());
}

std::vector<FolderFile> RegularFilesIn(const Folder& folder) {
    std::vector<FolderFile> out;
    std::error_code ec;
    const auto now = fs::file_time_type::clock::now();
    for (const auto& entry : fs::directory_iterator(PathFromUtf8(folder.path), ec)) {
        std::error_code e;
        if (!entry.is_regular_file(e) || entry.is_symlink(e)) continue;
        const auto age =
            std::chrono::duration_cast<std::chrono::seconds>(now - entry.last_write_time(e));
        out.push_back({Utf8FromPath(entry.path().filename()), age.count()});
    }
    return out;
}

int OpenFolderOf(const std::string&) {
    return -1;
}

const char* NetworkFileSystemName(unsigned long long) {
    return nullptr;  // Windows names no file system types; its drives say they are remote
}

std::string NetworkFileSystemOf(const std::string& path) {
    const std::wstring wide = WideFromUtf8(path);
    if (wide.rfind(L"\\\\", 0) == 0 && wide.rfind(L"\\\\?\\", 0) != 0) return "a network share";
    wchar_t volume[MAX_PATH + 1] = {};
    if (!GetVolumePathNameW(wide.c_str(), volume, MAX_PATH)) return "";
    return GetDriveTypeW(volume) == DRIVE_REMOTE ? "a network drive" : "";
}

bool FolderWritable(const std::string& dir) {
    // The access bits say nothing about a folder's rights on Windows: try to make a file.
    const std::wstring probe = WideFromUtf8(dir) + L"\\.vt350-write-test.tmp";
    HANDLE h = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
}

std::vector<SharedFolder> SharedProgramFolders() {
    std::vector<SharedFolder> out;
    for (const char* name : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432"}) {
        const char* folder = std::getenv(name);
        if (folder != nullptr && folder[0] != '\0') out.push_back({folder, true});
    }
    // The per-user programs folder (%LOCALAPPDATA%\Programs), where the installer puts the
    // programs without administrator rights: writable, but the uninstaller removes it, so
    // the sets must live elsewhere.
    // Some systems (wine among them) do not know that folder: it is then where Windows
    // puts it, under the local application data.
    PWSTR programs = nullptr;
    if (SHGetKnownFolderPath(FOLDERID_UserProgramFiles, 0, nullptr, &programs) == S_OK) {
        out.push_back({Utf8FromWide(programs), true});
    } else {
        CoTaskMemFree(programs);
        programs = nullptr;
        if (SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &programs) == S_OK) {
            out.push_back({JoinPath(Utf8FromWide(programs), "Programs"), true});
        }
    }
    CoTaskMemFree(programs);
    return out;
}

bool UnmarkedProgramFolderKeepsData() {
    return false;
}

}  // namespace file_system
