#include "config/file_replace.h"

#include "config/file_names.h"

#include <fcntl.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "config/file_system.h"

#ifndef O_NOCTTY
#define O_NOCTTY 0  // Windows has no controlling terminals
#endif

namespace fs = std::filesystem;

namespace {

// A file with more than this after its head is written in place: a parameter file is 15
// bytes, and copying a large file whole to change 15 of its bytes would cost its size in
// time and disk.
constexpr std::uintmax_t kLongestTailCopied = 1 << 20;

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

// Copies what follows the head of the old file into the new one, a block at a time, so
// that a file of any size costs no more memory than one block.
bool CopyTail(std::FILE* old, std::size_t headSize, int fd, int& error) {
    if (std::fseek(old, static_cast<long>(headSize), SEEK_SET) != 0) return true;  // shorter
    std::vector<std::uint8_t> block(1 << 16);
    std::size_t n = 0;
    while ((n = ReplaceCalls().read(block.data(), 1, block.size(), old)) > 0) {
        if (!WriteAll(fd, block.data(), n)) {
            error = errno;
            return false;
        }
    }
    if (std::ferror(old) != 0) {
        error = errno != 0 ? errno : EIO;
        return false;
    }
    return true;
}

void SyncFolder(const std::string& file) {
    const int fd = file_system::OpenFolderOf(file);
    if (fd < 0) return;
    ReplaceCalls().fsync(fd);  // some file systems refuse folders (EINVAL): nothing to do
    file_system::Close(fd);
}

// Where the folder will not take a temporary file, or refuses the rename (another user's
// file in a sticky folder), or the file is long enough that copying it to save 15 bytes
// would cost more than the save is worth: the head written over the old bytes in one
// call, flushed and read back. When that does not hold, the old head is put back, so that
// a set is never left half old and half new; only when even that fails is the file said
// to hold a mixture.
ReplaceResult WriteInPlace(const std::string& path, const std::uint8_t* head, std::size_t size) {
    const int fd = OpenFdUtf8(path, O_RDWR);
    if (fd < 0) return {false, true, errno};
    std::vector<std::uint8_t> old(size);
    const ssize_t had = file_system::Read(fd, old.data(), size);
    if (had < 0 || file_system::Seek(fd, 0) != 0) {
        const int error = errno;
        file_system::Close(fd);
        return {false, true, error};
    }
    ReplaceResult result;
    const ssize_t written = ReplaceCalls().write(fd, head, size);
    if (written != static_cast<ssize_t>(size)) {
        result = {false, false, written < 0 ? errno : ENOSPC};
    } else if (ReplaceCalls().fsync(fd) != 0) {
        result = {false, false, errno};
    } else {
        std::vector<std::uint8_t> back(size);
        const bool same = file_system::Seek(fd, 0) == 0 &&
                          file_system::Read(fd, back.data(), size) == static_cast<ssize_t>(size) &&
                          std::equal(back.begin(), back.end(), head);
        if (!same) result = {false, false, EIO};
    }
    if (!result.ok) {
        const auto oldSize = static_cast<std::size_t>(had);
        const bool putBack =
            file_system::Seek(fd, 0) == 0 && file_system::Write(fd, old.data(), oldSize) == had &&
            (oldSize == size || file_system::Truncate(fd, had) == 0) && file_system::Fsync(fd) == 0;
        result.mixed = !putBack;
    }
    if (file_system::Close(fd) != 0 && result.ok) result = {false, false, errno};
    return result;
}

// A target that is no regular file takes the bytes in order; a flush that such a file
// does not know (a pipe, a terminal, /dev/null answer EINVAL) is no failure.
ReplaceResult WriteStream(const std::string& path, const std::uint8_t* head, std::size_t size) {
    const int fd = OpenFdUtf8(path, O_WRONLY | O_NOCTTY);
    if (fd < 0) return {false, true, errno};
    ReplaceResult result;
    if (!WriteAll(fd, head, size)) {
        result = {false, false, errno};
    } else if (ReplaceCalls().fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP) {
        result = {false, false, errno};
    }
    if (file_system::Close(fd) != 0 && result.ok) result = {false, false, errno};
    return result;
}

}  // namespace

FileReplaceCalls& ReplaceCalls() {
    static FileReplaceCalls calls{file_system::Write, file_system::Fsync, file_system::Rename,
                                  std::fread};
    return calls;
}

ReplaceResult ReplaceFileHead(const std::string& path, const std::uint8_t* head, std::size_t size) {
    std::error_code ec;
    const fs::file_status reached = fs::status(PathFromUtf8(path), ec);
    if (fs::exists(reached) && fs::is_directory(reached)) return {false, true, EISDIR};
    if (fs::exists(reached) && !fs::is_regular_file(reached)) {
        // A pipe, a terminal, /dev/null or /dev/stdout: no contents to keep, nothing to
        // rename over; written as it is, as cp or tee would. The name is opened as given,
        // never as the text of a link (/dev/stdout into a pipe reads "pipe:[N]").
        return WriteStream(path, head, size);
    }
    std::string target;
    int refused = 0;
    if (!file_system::ResolveForWriting(path, target, refused)) return {false, true, refused};
    std::FILE* oldFile = OpenFileUtf8(target, "rb");
    const bool exists = oldFile != nullptr;
    if (!exists && errno != ENOENT) return {false, true, errno};
    struct Closer {
        std::FILE* f;
        ~Closer() {
            if (f != nullptr) std::fclose(f);
        }
    } closeOld{oldFile};
    // A file the user may not write is refused just as opening it for writing refuses it:
    // the temporary file and the rename must not get around the file's own mode.
    if (exists) {
        const int probe = OpenFdUtf8(target, O_WRONLY);
        if (probe < 0) return {false, true, errno};
        file_system::Close(probe);
    }
    file_system::Ownership old;
    if (exists && !file_system::OwnershipOf(target, old)) return {false, true, errno};
    if (exists && fs::file_size(PathFromUtf8(target), ec) > size + kLongestTailCopied && !ec) {
        return WriteInPlace(target, head, size);
    }
    // What a save killed part-way left behind in this folder goes now.
    file_system::RemoveStaleTemporaries(target);

    std::string temp;
    const int fd = file_system::MakeTemporary(target, temp);
    if (fd < 0) {
        const int refused = errno;
        if (exists && (refused == EACCES || refused == EPERM) && WritableUtf8(target)) {
            return WriteInPlace(target, head, size);
        }
        return {false, true, refused};
    }
    ReplaceResult result;
    int error = 0;
    bool keptOwnership = file_system::TakeOwnership(fd, old, error);
    if (!keptOwnership) result = {false, false, error};
    if (result.ok && !WriteAll(fd, head, size)) result = {false, false, errno};
    if (result.ok && exists && !CopyTail(oldFile, size, fd, error)) result = {false, false, error};
    if (result.ok && ReplaceCalls().fsync(fd) != 0) result = {false, false, errno};
    if (file_system::Close(fd) != 0 && result.ok) result = {false, false, errno};
    bool renameRefused = false;
    if (result.ok && ReplaceCalls().rename(temp.c_str(), target.c_str()) != 0) {
        result = {false, false, errno};
        renameRefused = errno == EPERM || errno == EACCES;
    }
    if (!result.ok) {
        std::error_code ignored;
        fs::remove(PathFromUtf8(temp), ignored);
        // Another user's writable file in a sticky folder, or a group this user is not in:
        // the file itself takes the new head.
        const bool inPlace = exists && WritableUtf8(target) && (renameRefused || !keptOwnership);
        return inPlace ? WriteInPlace(target, head, size) : result;
    }
    SyncFolder(target);
    return result;
}

bool AppendWhole(int fd, const std::string& bytes) {
    const long before = file_system::SeekToEnd(fd);
    const ssize_t n = file_system::Write(fd, bytes.data(), bytes.size());
    if (n == static_cast<ssize_t>(bytes.size())) return true;
    const int error = n < 0 ? errno : ENOSPC;
    if (before >= 0 && n > 0 && file_system::Truncate(fd, before) != 0) {
        // Where even the cut fails, the torn line is at least ended, so that the next
        // line starts on a line of its own.
        file_system::Write(fd, "\n", 1);
    }
    errno = error;
    return false;
}
