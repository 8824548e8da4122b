#include "config/config_file.h"

#include "config/file_names.h"
#include "config/file_replace.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#ifdef _WIN32
// clang-format off
#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>
// clang-format on
#else
#include <unistd.h>
#endif

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f != nullptr) std::fclose(f);
    }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

FileResult LoadRecord(const std::string& path, ConfigRecord& record, LoadMode mode) {
    FileResult result;
    errno = 0;
    FilePtr file(OpenFileUtf8(path, "rb"));
    if (!file) {
        result.osError = errno;
        result.status = errno == ENOENT ? FileStatus::kMissing : FileStatus::kOpenFailed;
        return result;
    }
    std::uint8_t buffer[ConfigRecord::kSize] = {};
    errno = 0;
    std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
    result.bytesRead = static_cast<long>(got);
    if (std::ferror(file.get())) {
        // A folder opens on some systems and fails on the first read (EISDIR).
        result.osError = errno;
        result.status = FileStatus::kReadFailed;
        return result;
    }
    if (got < sizeof buffer && mode == LoadMode::kWholeRecord) {
        result.status = FileStatus::kShort;
        return result;
    }
    record.ReplaceAll(buffer);
    return result;
}

FileResult SaveRecord(const std::string& path, const ConfigRecord& record) {
    const ReplaceResult replaced =
        ReplaceFileHead(path, record.Bytes().data(), ConfigRecord::kSize);
    FileResult result;
    if (!replaced.ok) {
        result.status = replaced.openFailed ? FileStatus::kOpenFailed : FileStatus::kWriteFailed;
        result.osError = replaced.osError;
    }
    return result;
}

std::string DescribeFileResult(const FileResult& result, const std::string& path) {
    const std::string reason = result.osError != 0 ? std::strerror(result.osError) : "";
    switch (result.status) {
        case FileStatus::kOk:
            return "";
        case FileStatus::kMissing:
            return "The file \"" + path + "\" does not exist.";
        case FileStatus::kShort:
            return "The file \"" + path + "\" holds " + std::to_string(result.bytesRead) +
                   " bytes, but a parameter file holds 15; nothing was loaded.";
        case FileStatus::kOpenFailed:
            return "Could not open the file \"" + path + "\": " + reason + ".";
        case FileStatus::kReadFailed:
            return "Could not read the file \"" + path + "\": " + reason + ".";
        case FileStatus::kWriteFailed:
            return "Could not write the file \"" + path + "\": " + reason + ".";
    }
    return "";
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(PathFromUtf8(path), ec);
}

namespace {

bool DirectoryWritable(const std::string& dir) {
#ifdef _WIN32
    // The access bits say nothing about a folder's rights on Windows: try to make a file.
    const std::wstring probe = WideFromUtf8(dir) + L"\\.vt350-write-test.tmp";
    HANDLE h = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
#else
    return access(dir.c_str(), W_OK) == 0;
#endif
}

}  // namespace

bool IsSharedProgramFolder(const std::string& dir) {
    auto startsWith = [&](const std::string& prefix) {
        return dir.size() >= prefix.size() &&
               std::equal(prefix.begin(), prefix.end(), dir.begin(), [](char a, char b) {
                   return std::tolower(static_cast<unsigned char>(a)) ==
                          std::tolower(static_cast<unsigned char>(b));
               });
    };
#ifdef _WIN32
    for (const char* name : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432"}) {
        const char* folder = std::getenv(name);
        if (folder != nullptr && folder[0] != '\0' && startsWith(folder)) return true;
    }
    return false;
#else
    return dir == "/bin" || dir == "/sbin" || startsWith("/usr/") || startsWith("/snap/");
#endif
}

std::string AutosavePath(const std::string& executableDir, const std::string& userDataDir,
                         const std::string& fileName) {
    // An installed program never writes into its installation folder, root included.
    if (IsSharedProgramFolder(executableDir)) {
        std::error_code ec;
        std::filesystem::create_directories(PathFromUtf8(userDataDir), ec);
        return userDataDir + "/" + fileName;
    }
    const std::string exeCandidate = executableDir + "/" + fileName;
    // A writable autosave file beside the program wins even in a read-only folder.
    if (DirectoryWritable(executableDir)) return exeCandidate;
    if (FileExists(exeCandidate) && WritableUtf8(exeCandidate)) return exeCandidate;
    std::error_code ec;
    std::filesystem::create_directories(PathFromUtf8(userDataDir), ec);
    return userDataDir + "/" + fileName;
}

std::string ExecutableDirectory() {
#ifdef _WIN32
    std::wstring buffer(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    buffer.resize(n);
    return Utf8FromPath(std::filesystem::path(buffer).parent_path());
#else
    std::error_code ec;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return ".";
    return exe.parent_path().string();
#endif
}

std::string UserDataDirectory() {
#ifdef _WIN32
    PWSTR folder = nullptr;
    std::string base = ".";
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &folder) == S_OK) {
        base = Utf8FromWide(folder);
    }
    CoTaskMemFree(folder);
    return base + "\\vt350-config";
#else
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && xdg[0] == '/') return std::string(xdg) + "/vt350-config";
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : ".") + "/.local/share/vt350-config";
#endif
}
