#include "config/config_file.h"

#include "config/file_names.h"
#include "config/file_replace.h"
#include "config/file_system.h"
#include "config/ui_text.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

namespace {

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

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
        result.mixed = replaced.mixed;
        result.osError = replaced.osError;
    }
    return result;
}

FileResult SaveNewRecord(const std::string& path, const ConfigRecord& record,
                         std::string& written) {
    const std::filesystem::path given = PathFromUtf8(path);
    const std::string stem = Utf8FromPath(given.parent_path() / given.stem());
    const std::string extension = Utf8FromPath(given.extension());
    FileResult result;
    for (int n = 1; n <= 1000; ++n) {
        written = n == 1 ? path : stem + "-" + std::to_string(n) + extension;
        const int fd = file_system::CreateExclusive(written);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) {
            result.status = FileStatus::kOpenFailed;
            result.osError = errno;
            return result;
        }
        const auto n15 = file_system::Write(fd, record.Bytes().data(), ConfigRecord::kSize);
        const bool ok =
            n15 == static_cast<ssize_t>(ConfigRecord::kSize) && file_system::Fsync(fd) == 0;
        const int error = ok ? 0 : (errno != 0 ? errno : ENOSPC);
        if (file_system::Close(fd) != 0 && ok) {
            result.status = FileStatus::kWriteFailed;
            result.osError = errno;
        }
        if (!ok) {
            result.status = FileStatus::kWriteFailed;
            result.osError = error;
            std::error_code ec;
            std::filesystem::remove(PathFromUtf8(written), ec);
        }
        return result;
    }
    result.status = FileStatus::kOpenFailed;
    result.osError = EEXIST;
    return result;
}

std::string DescribeFileResult(const FileResult& result, const std::string& path) {
    const std::string reason = result.osError != 0 ? std::strerror(result.osError) : "";
    switch (result.status) {
        case FileStatus::kOk:
            return "";
        case FileStatus::kMissing:
            return FillText(UiText("Messages", "The file \"%1\" does not exist."), {path});
        case FileStatus::kShort:
            return FillText(UiText("Messages",
                                   "The file \"%1\" holds %2 bytes, but a parameter "
                                   "file holds 15; nothing was loaded."),
                            {path, std::to_string(result.bytesRead)});
        case FileStatus::kOpenFailed:
            return FillText(UiText("Messages", "Could not open the file \"%1\": %2."),
                            {path, reason});
        case FileStatus::kReadFailed:
            return FillText(UiText("Messages", "Could not read the file \"%1\": %2."),
                            {path, reason});
        case FileStatus::kWriteFailed:
            return FillText(UiText("Messages", "Could not write the file \"%1\": %2."),
                            {path, reason}) +
                   (result.mixed ? " " + UiText("Messages",
                                                "It may now hold parts of the old "
                                                "and the new set.")
                                 : "");
    }
    return "";
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(PathFromUtf8(path), ec);
}

bool IsSharedProgramFolder(const std::string& dir) {
    // The folder itself or one inside it: "C:\Program Files Portable" is neither.
    auto startsWith = [&](std::string prefix) {
        while (!prefix.empty() && IsSeparator(prefix.back())) prefix.pop_back();
        return dir.size() >= prefix.size() &&
               std::equal(prefix.begin(), prefix.end(), dir.begin(),
                          [](char a, char b) {
                              return std::tolower(static_cast<unsigned char>(a)) ==
                                     std::tolower(static_cast<unsigned char>(b));
                          }) &&
               (dir.size() == prefix.size() || IsSeparator(dir[prefix.size()]));
    };
    for (const file_system::SharedFolder& shared : file_system::SharedProgramFolders()) {
        if (shared.prefix ? startsWith(shared.name) : dir == shared.name) return true;
    }
    return false;
}

namespace {

// The user's data folder, made where it is missing, but never by root in another user's
// tree (sudo -E keeps the user's HOME): a folder of root's there would lock the user out.
void MakeOwnFolder(const std::string& dir) {
    file_system::Folder folder;
    std::string why;
    if (file_system::OpenOwnFolder(dir, true, folder, why)) file_system::CloseFolder(folder);
}

}  // namespace

bool IsPortableCopy(const std::string& executableDir) {
    return FileExists(JoinPath(executableDir, kPortableMarker));
}

std::string AutosavePath(const std::string& executableDir, const std::string& userDataDir,
                         const std::string& fileName) {
    const std::string inUserData = JoinPath(userDataDir, fileName);
    // An installed program never writes into its installation folder, root included.
    if (IsSharedProgramFolder(executableDir) ||
        (!IsPortableCopy(executableDir) && !file_system::UnmarkedProgramFolderKeepsData())) {
        MakeOwnFolder(userDataDir);
        return inUserData;
    }
    const std::string exeCandidate = JoinPath(executableDir, fileName);
    // A writable autosave file beside the program wins even in a read-only folder.
    if (file_system::FolderWritable(executableDir)) return exeCandidate;
    if (FileExists(exeCandidate) && WritableUtf8(exeCandidate)) return exeCandidate;
    MakeOwnFolder(userDataDir);
    return inUserData;
}
