#pragma once

#include <string>

#include "config/config_record.h"

// Parameter files (".qkf"): fixed records of 15 bytes without header; only record 1
// is used, so the content that matters is the record at offsets 0 to 14.

enum class FileStatus {
    kOk,
    kMissing,     // the file does not exist
    kShort,       // fewer than 15 bytes; the record was not replaced (strict loads only)
    kOpenFailed,  // exists but cannot be opened (rights, a folder, ...)
    kReadFailed,
    kWriteFailed,
};

struct FileResult {
    FileStatus status = FileStatus::kOk;
    int osError = 0;     // errno of the failing call (SystemErrorCode gives the system's)
    long bytesRead = 0;  // how many record bytes the file supplied on a load
    bool mixed = false;  // a save in place that did not hold: old and new bytes may be mixed

    bool ok() const { return status == FileStatus::kOk; }
};

enum class LoadMode {
    // A file the user chose: it must hold a whole record, otherwise nothing changes.
    kWholeRecord,
    // The autosave file: bytes the file does not supply are 0, a missing file leaves
    // the record as it is.
    kAutosave,
};

// Reads record 1 of `path` into `record`. On any failure `record` keeps its value.
FileResult LoadRecord(const std::string& path, ConfigRecord& record, LoadMode mode);

// Writes `record` as record 1 of `path`: creates the file, or replaces bytes 0 to 14 of an
// existing one without shortening it. The save is atomic: a failure leaves the old file
// exactly as it was and nothing else behind.
FileResult SaveRecord(const std::string& path, const ConfigRecord& record);

// Writes `record` to a new file, created exclusively: never over an existing file and
// never through a link. Where `path` is taken, NAME-2.qkf, NAME-3.qkf ... are tried;
// `written` receives the name that holds the set.
FileResult SaveNewRecord(const std::string& path, const ConfigRecord& record, std::string& written);

// One sentence naming the file and what went wrong, for the message box.
std::string DescribeFileResult(const FileResult& result, const std::string& path);

bool FileExists(const std::string& path);

// Whether a folder is shared by installed programs (/usr/bin and the like, Program Files on
// Windows), which a program must never write into.
bool IsSharedProgramFolder(const std::string& dir);

// The file that marks a portable copy (the Windows zip carries it): with it beside the
// programs they keep the autosave file and the history in their own folder, so that a
// copy on a stick takes both along.
inline constexpr char kPortableMarker[] = "vt350-portable.txt";
bool IsPortableCopy(const std::string& executableDir);

// The autosave file "Data.qkf": beside the executable where the program runs from a folder
// of its own that it may write (a build tree, an unpacked copy; on Windows only a portable
// copy, since an installed program's folder belongs to its uninstaller wherever it is),
// else in the user's data folder for this application; never in a shared program folder,
// root included.
std::string AutosavePath(const std::string& executableDir, const std::string& userDataDir,
                         const std::string& fileName = "Data.qkf");
// Folder of the running executable, without a trailing separator.
std::string ExecutableDirectory();
// $XDG_DATA_HOME/vt350-config, or ~/.local/share/vt350-config (%APPDATA% on Windows).
std::string UserDataDirectory();
