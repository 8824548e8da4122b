// Parameter files: a load takes exactly the file's first 15 bytes (or refuses and changes
// nothing), and a save replaces those bytes and keeps every byte after them.
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "config/config_file.h"

namespace {

std::string TempPath() {
    static const std::string path =
        std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") + "/vt350-fuzz-" +
        std::to_string(getpid()) + ".qkf";
    return path;
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = TempPath();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;

    ConfigRecord record;
    record.Set(3, 0x5A);
    const ConfigRecord before = record;
    const FileResult whole = LoadRecord(path, record, LoadMode::kWholeRecord);
    if (size >= ConfigRecord::kSize) {
        if (!whole.ok() || std::memcmp(record.Bytes().data(), data, ConfigRecord::kSize) != 0) {
            std::abort();
        }
    } else if (whole.status != FileStatus::kShort || !(record == before)) {
        std::abort();
    }

    ConfigRecord autosave = before;
    if (!LoadRecord(path, autosave, LoadMode::kAutosave).ok()) std::abort();
    for (std::size_t i = 0; i < ConfigRecord::kSize; ++i) {
        if (autosave.Get(i) != (i < size ? data[i] : 0)) std::abort();
    }

    ConfigRecord next;
    for (std::size_t i = 0; i < ConfigRecord::kSize; ++i) {
        next.Set(i, static_cast<std::uint8_t>(size > i ? data[size - 1 - i] : i));
    }
    if (!SaveRecord(path, next).ok()) std::abort();
    const std::string saved = Slurp(path);
    std::string expected(reinterpret_cast<const char*>(next.Bytes().data()), ConfigRecord::kSize);
    if (size > ConfigRecord::kSize) expected += bytes.substr(ConfigRecord::kSize);
    if (saved != expected) std::abort();
    return 0;
}
