#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include <sys/types.h>

// Replacing a file's first bytes as one step: the whole new file is written to a
// temporary file in the same folder, flushed to the disk and renamed over the old name, so
// that a crash, a full disk or a pulled stick leaves either the old file or the new one,
// never a mixture and never an empty file.

struct ReplaceResult {
    bool ok = true;
    bool openFailed = false;  // the file or its folder could not be opened at all
    int osError = 0;
    bool mixed = false;  // written in place and not as given: the file may hold a mixture
};

// Writes `head` over the start of `path`. The bytes past the head of a longer file, the
// file's mode (and, for root, its owner) are kept; a symbolic link is written through to
// its target only where the system would follow it for this user (see ResolveForWriting). Where the
// folder refuses a temporary file but the file itself is writable (an autosave file in a read-only
// folder), the head is written in place instead.
ReplaceResult ReplaceFileHead(const std::string& path, const std::uint8_t* head, std::size_t size);

// The system calls the replacement makes, replaceable so that tests can make a write, a
// flush or the read of the old file's tail fail part-way.
struct FileReplaceCalls {
    ssize_t (*write)(int fd, const void* data, std::size_t size);
    int (*fsync)(int fd);
    int (*rename)(const char* from, const char* to);
    std::size_t (*read)(void* buffer, std::size_t size, std::size_t count, std::FILE* file);
};
FileReplaceCalls& ReplaceCalls();

// Appends `bytes` (a log's line) to the end of an O_APPEND descriptor in one write, so that
// lines of programs sharing the file never mix. When it cannot be written whole (a full
// disk), the file is cut back to where it ended before, so that the next line starts
// clean; false with errno set then.
bool AppendWhole(int fd, const std::string& bytes);
