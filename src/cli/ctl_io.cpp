#include "cli/ctl_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>

#include "config/config_file.h"
#include "config/file_names.h"
#include "config/file_system.h"

namespace {

bool ReadFd(int fd, std::size_t limit, std::string& out, int& error) {
    char chunk[4096];
    while (out.size() <= limit) {
        const auto n = file_system::Read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            error = errno;
            return false;
        }
        if (n == 0) return true;
        out.append(chunk, static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

int Fail(int code, const std::string& sentence) {
    std::cerr << "vt350ctl: " << sentence << "\n";
    return code;
}

bool ReadInput(const std::string& path, std::size_t limit, std::string& out, std::string& error) {
    const std::string name = path == "-" ? "standard input" : "\"" + path + "\"";
    out.clear();
    std::error_code ec;
    if (path != "-" && std::filesystem::is_directory(PathFromUtf8(path), ec)) {
        error = "could not read " + name + ": it is a folder";
        return false;
    }
    if (path == "-") file_system::UseBinaryMode(0);  // a set starting with 0x1A is read whole
    const int fd = path == "-" ? 0 : file_system::OpenForReading(path);
    if (fd < 0) {
        error = "could not read " + name + ": " + std::strerror(errno);
        return false;
    }
    int readError = 0;
    const bool ok = ReadFd(fd, limit, out, readError);
    if (fd != 0) file_system::Close(fd);
    if (!ok) {
        error = "could not read " + name + ": " + std::strerror(readError);
        return false;
    }
    if (out.size() > limit) {
        error = name + " is larger than " + std::to_string(limit / 1024) +
                " KB, far more than a parameter set";
        return false;
    }
    return true;
}

int LoadSet(const std::string& path, ConfigRecord& record, std::string* contents) {
    std::string bytes, error;
    if (!ReadInput(path, kMaxInputBytes, bytes, error)) return Fail(Exit::kFileError, error);
    if (bytes.size() < ConfigRecord::kSize) {
        const std::string name = path == "-" ? "standard input" : "the file \"" + path + "\"";
        return Fail(Exit::kFileError, name + " holds " + std::to_string(bytes.size()) +
                                          " bytes, but a parameter file holds 15");
    }
    record.ReplaceAll(reinterpret_cast<const std::uint8_t*>(bytes.data()));
    if (contents != nullptr) *contents = std::move(bytes);
    return Exit::kOk;
}

int SaveSet(const std::string& path, const ConfigRecord& record) {
    if (path == "-") {
        // The 15 bytes as they are (0x0A too), the text around them as text.
        const int mode = file_system::UseBinaryMode(1);
        std::fwrite(record.Bytes().data(), 1, ConfigRecord::kSize, stdout);
        file_system::RestoreStreamMode(1, mode);
        return Exit::kOk;  // checked with the rest of standard output at the end
    }
    const FileResult result = SaveRecord(path, record);
    if (result.ok()) return Exit::kOk;
    // The file layer's sentence, in the program's own form: lower case, no full stop.
    std::string text = DescribeFileResult(result, path);
    if (!text.empty() && text.back() == '.') text.pop_back();
    if (!text.empty()) {
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    }
    return Fail(Exit::kFileError, text);
}

int FinishOutput(int status) {
    errno = 0;
    std::cout.flush();  // flushes the C stream beneath it, where a full disk shows
    int error = errno;
    if (std::fflush(stdout) != 0 && error == 0) error = errno;
    const bool failed = std::ferror(stdout) || !std::cout;
    if (!failed) return status;
    if (error == 0) error = EIO;
    return Fail(Exit::kFileError,
                std::string("could not write to standard output: ") + std::strerror(error));
}

std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", seconds);
    return text;
}
