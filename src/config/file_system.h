#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <sys/types.h>

// The operating system's file services behind the parameter files, one implementation per
// system (file_system_posix.cpp, file_system_windows.cpp). The rest of config/ is plain C++
// over these calls. File names are UTF-8 text throughout.
namespace file_system {

// write(2), fsync(2), rename(2) (replacing the target) and close(2), on descriptors from
// OpenFdUtf8; -1 with errno set on failure.
ssize_t Write(int fd, const void* data, std::size_t size);
ssize_t Read(int fd, void* data, std::size_t size);
int Seek(int fd, long offset);    // to `offset` from the start; 0 or -1
int Truncate(int fd, long size);  // ftruncate(2); 0 or -1
long SeekToEnd(int fd);           // the new offset, or -1
int Fsync(int fd);
int Rename(const char* from, const char* to);
int Close(int fd);

// Makes a standard stream (0 or 1) carry bytes as they are, for a parameter set read from
// standard input or written to standard output: Windows' C runtime otherwise writes 0x0A
// as 0x0D 0x0A and stops reading at 0x1A. Returns the mode to give back to
// RestoreStreamMode; standard output is flushed on the way. Nothing to do on POSIX.
int UseBinaryMode(int fd);
void RestoreStreamMode(int fd, int mode);

// Opens a file for reading. At a pipe nobody writes to it does not wait for a writer (the
// pipe reads as empty); a writer that is there is waited for.
int OpenForReading(const std::string& path);

// The file a save of `path` must replace. A symbolic link is written through only where
// the system itself follows it for this user on an open for writing (on Linux the
// kernel's fs.protected_symlinks refuses another user's link in a sticky world-writable
// folder); `target` is then what that open reached. False with `error` set when the
// open is refused.
bool ResolveForWriting(const std::string& path, std::string& target, int& error);

// Creates a new file for writing, exclusively: never over an existing file and never
// through a symbolic link; -1 with errno set (EEXIST when the name is taken).
int CreateExclusive(const std::string& path);
// Opens a file for appending, creating it (a log). Never waits for a pipe's reader: a
// pipe nobody reads is refused (ENXIO).
int OpenForAppending(const std::string& path);

// Creates a new, empty temporary file ".NAME.vt350-XXXXXX" beside `target`, exclusively, and
// opens it for writing; -1 with errno set on failure.
int MakeTemporary(const std::string& target, std::string& tempPath);

// What a replaced file keeps of the one it replaces: its mode, and for root its owner.
struct Ownership {
    bool exists = false;
    unsigned mode = 0;
    unsigned uid = 0, gid = 0;
};
// The file's ownership; false with errno set when it exists but cannot be examined.
bool OwnershipOf(const std::string& path, Ownership& out);
// Gives the open temporary file the old file's mode and group (and for root its owner),
// or for a new file the mode a plain creation would give it. False with `error` set when
// the mode or the group cannot be given (a group the user is not in): the replacement
// would then change who may use the file.
bool TakeOwnership(int fd, const Ownership& old, int& error);

// Removes the temporary files that saves into the folder of `file` left behind when they
// were killed: named ".NAME.vt350-XXXXXX" (IsSaveTemporaryName), this user's where the
// system knows owners, older than a minute. Nothing else in the folder is touched.
void RemoveStaleTemporaries(const std::string& file);

// The folder holding `file`, opened so that it can be flushed (a rename in it then
// survives a power cut); -1 where the system has no such thing.
int OpenFolderOf(const std::string& file);
// Whether the current user may create files in the folder.
bool FolderWritable(const std::string& dir);

// The network file system `path` lies on ("nfs", "cifs", "a network drive", ...), or ""
// for a local disk or where the system cannot tell.
std::string NetworkFileSystemOf(const std::string& path);
// The name of a network file system by its statfs(2) type, or nullptr for any other.
const char* NetworkFileSystemName(unsigned long long type);

// A folder that is this user's own, opened once without following a link in its place;
// the files in it are then created, read, listed and removed relative to it, so that
// nobody can swap the folder for a link between two steps.
struct Folder {
    std::string path;
    int fd = -1;  // POSIX: the open folder; unused on Windows
};
// Opens `path` as such a folder, creating what is missing of it when `create` is set.
// Refused, with `why` in words, when it or (for root) any folder above it belongs to
// another user, when it is a link, or when it cannot be made or opened: root never creates
// folders, nor keeps files, in another user's tree (sudo -E, su -m keep the user's HOME).
bool OpenOwnFolder(const std::string& path, bool create, Folder& out, std::string& why);
void CloseFolder(Folder& folder);
// Whether `name` in the folder is absent or a regular file of this user's (never a link,
// a pipe or a device); false with `why` set otherwise.
bool AbsentOrOwnRegularFile(const Folder& folder, const std::string& name, std::string& why);
// Creates `name` in the folder exclusively, never through a link; -1 with errno set.
int CreateExclusiveIn(const Folder& folder, const std::string& name);
// Opens `name` in the folder for reading only if it is a regular file: never waits on a
// pipe, never follows a link; -1 with errno set.
int OpenRegularFileIn(const Folder& folder, const std::string& name);
int RemoveIn(const Folder& folder, const std::string& name);
int RenameIn(const Folder& folder, const std::string& from, const std::string& to);
// The regular files in the folder with their age in seconds.
struct FolderFile {
    std::string name;
    long long ageSeconds = 0;
};
std::vector<FolderFile> RegularFilesIn(const Folder& folder);

// The folders installed programs share, which a program must never write into: a name
// that the folder is, or (prefix) that it starts with, compared without regard to case.
struct SharedFolder {
    std::string name;
    bool prefix;
};
std::vector<SharedFolder> SharedProgramFolders();

// Whether a program in a writable folder of its own keeps its autosave file there without
// being marked portable: yes on POSIX (a build tree, an unpacked copy); no on Windows,
// where such a folder is one the installer chose and the uninstaller removes.
bool UnmarkedProgramFolderKeepsData();

}  // namespace file_system
