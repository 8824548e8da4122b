#include "config/file_replace.h"

#include "config/file_names.h"

#include <fcntl.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "config/file_system.h"

namespace fs = std::filesystem;

namespace {

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
    const int fd = file_system::OpenFolderOf(file);
    if (fd < 0) return;
    ReplaceCalls().fsync(fd);  // some file systems refuse folders (EINVAL): nothing to do
    file_system::Close(fd);
}

// Where the folder will not take a temporary file: the head written over the old bytes.
ReplaceResult WriteInPlace(const std::string& path, const std::uint8_t* head, std::size_t size) {
    ReplaceResult result;
    const int fd = OpenFdUtf8(path, O_WRONLY);
    if (fd < 0) return {false, true, errno};
    if (!WriteAll(fd, head, size) || ReplaceCalls().fsync(fd) != 0) {
        result = {false, false, errno};
    }
    if (file_system::Close(fd) != 0 && result.ok) result = {false, false, errno};
    return result;
}

}  // namespace

FileReplaceCalls& ReplaceCalls() {
    static FileReplaceCalls calls{file_system::Write, file_system::Fsync, file_system::Rename};
    return calls;
}

ReplaceResult ReplaceFileHead(const std::string& path, const std::uint8_t* head, std::size_t size) {
    std::string target;
    int refused = 0;
    if (!file_system::ResolveForWriting(path, target, refused)) return {false, true, refused};
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
        file_system::Close(probe);
    }
    file_system::Ownership old;
    if (exists && !file_system::OwnershipOf(target, old)) return {false, true, errno};
    if (bytes.size() < size) bytes.resize(size);
    std::copy(head, head + size, bytes.begin());

    std::string temp;
    const int fd = file_system::MakeTemporary(target, temp);
    if (fd < 0) {
        const int refused = errno;
        if (exists && (refused == EACCES || refused == EPERM) && WritableUtf8(target)) {
            return WriteInPlace(target, head, size);
        }
        return {false, true, refused};
    }
    file_system::TakeOwnership(fd, old);
    ReplaceResult result;
    if (!WriteAll(fd, bytes.data(), bytes.size()) || ReplaceCalls().fsync(fd) != 0) {
        result = {false, false, errno};
    }
    if (file_system::Close(fd) != 0 && result.ok) result = {false, false, errno};
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
