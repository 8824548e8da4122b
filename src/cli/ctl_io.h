#pragma once

#include <cstddef>
#include <string>

#include "config/config_record.h"

// vt350ctl's files and streams: every input read with a bound, "-" for standard input or
// output, and every failure told in the program's own sentence.

struct Exit {
    enum Code : int {
        kOk = 0,
        kDiffers = 1,
        kUsage = 2,
        kNoController = 3,
        kTimeout = 4,
        kFileError = 5,
    };
};

// Prints "vt350ctl: SENTENCE" on standard error and returns `code`.
int Fail(int code, const std::string& sentence);

// Reads at most `limit` bytes of `path` ("-": standard input) into `out`. A folder, a
// device that never ends or a file above the limit is refused with a sentence in `error`;
// a pipe without a writer reads as empty instead of waiting for ever.
bool ReadInput(const std::string& path, std::size_t limit, std::string& out, std::string& error);

// The parameter set of a .qkf file ("-": standard input): record 1, the first 15 bytes.
// Returns an exit status (Exit::kOk, or Exit::kFileError after saying why). `contents`, when given,
// receives the whole file as read, so that nothing reads a stream twice.
int LoadSet(const std::string& path, ConfigRecord& record, std::string* contents = nullptr);

// Writes a parameter set to a .qkf file, atomically, or its 15 bytes to standard output
// for "-". Returns an exit status.
int SaveSet(const std::string& path, const ConfigRecord& record);

// Flushes standard output and reports a failure to write it (a full disk, a closed pipe)
// as Exit::kFileError; otherwise returns `status` unchanged.
int FinishOutput(int status);

// A number of seconds as people write it: "2", "0.3", "100".
std::string Seconds(double seconds);

// The largest input a parameter file or its JSON form may be.
inline constexpr std::size_t kMaxInputBytes = 64 * 1024;
