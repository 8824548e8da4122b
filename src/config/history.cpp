#include "config/history.h"

#include <fcntl.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>

#include "config/file_names.h"
#include "config/file_system.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kIndex = "history.jsonl";
// A line of the index is never shorter than this; below limit x this many bytes the index
// cannot hold more entries than the limit, and nothing needs counting.
constexpr std::size_t kShortestLine = 100;

std::optional<ConfigRecord> FromHex(const std::string& hex) {
    if (hex.size() != 2 * ConfigRecord::kSize) return std::nullopt;
    std::uint8_t bytes[ConfigRecord::kSize];
    for (std::size_t i = 0; i < ConfigRecord::kSize; ++i) {
        unsigned value = 0;
        for (char c : hex.substr(2 * i, 2)) {
            const char* at = std::strchr("0123456789abcdef", c);
            if (at == nullptr || c == '\0') return std::nullopt;
            value = value * 16 + static_cast<unsigned>(at - "0123456789abcdef");
        }
        bytes[i] = static_cast<std::uint8_t>(value);
    }
    ConfigRecord r;
    r.ReplaceAll(bytes);
    return r;
}

// A name the history itself could have given: no folder, no way out of the folder.
bool IsEntryName(const std::string& name) {
    return !name.empty() && name != kIndex && name.find_first_of("/\\") == std::string::npos &&
           name != "." && name != "..";
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto n = file_system::Write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string ReadWhole(const std::string& path) {
    std::string out;
    std::FILE* f = OpenFileUtf8(path, "rb");
    if (f == nullptr) return out;
    char chunk[65536];
    std::size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0) out.append(chunk, n);
    std::fclose(f);
    return out;
}

std::optional<HistoryEntry> ParseLine(const std::string& line) {
    const auto j = nlohmann::json::parse(line, nullptr, false);
    if (!j.is_object()) return std::nullopt;
    HistoryEntry e;
    auto text = [&](const char* key) {
        const auto it = j.find(key);
        return it != j.end() && it->is_string() ? it->get<std::string>() : std::string();
    };
    e.time = text("time");
    e.event = text("event");
    e.program = text("program");
    e.device = text("device");
    e.file = text("file");
    if (const auto set = j.find("set"); set != j.end() && set->is_string()) {
        e.set = FromHex(set->get<std::string>());
        if (!e.set) return std::nullopt;
    }
    if (e.event.empty()) return std::nullopt;
    return e;
}

}  // namespace

const char* HistoryEventName(HistoryEvent event) {
    switch (event) {
        case HistoryEvent::kRead:
            return "read";
        case HistoryEvent::kStored:
            return "stored";
        case HistoryEvent::kReset:
            return "reset";
    }
    return "";
}

History::History(std::string folder, std::string program, std::function<HistoryTime()> clock,
                 std::size_t limit)
    : folder_(std::move(folder)),
      program_(std::move(program)),
      clock_(std::move(clock)),
      limit_(limit < 2 ? 2 : limit) {}

bool History::Record(HistoryEvent event, const std::string& device, const ConfigRecord* set) {
    std::string error;
    if (Keep(event, device, set, error)) return true;
    if (!complained_) {
        complained_ = true;
        std::cerr << program_ << ": the history cannot be kept in \"" << folder_ << "\": " << error
                  << " (nothing else changes)\n";
    }
    return false;
}

bool History::Keep(HistoryEvent event, const std::string& device, const ConfigRecord* set,
                   std::string& error) {
    std::error_code ec;
    fs::create_directories(PathFromUtf8(folder_), ec);
    const HistoryTime now = clock_();
    std::string name;
    if (!CreateEntryFile(now.stamp, event, set, name, error)) return false;
    nlohmann::ordered_json line{{"time", now.iso},
                                {"event", HistoryEventName(event)},
                                {"program", program_},
                                {"device", device},
                                {"set", set != nullptr ? nlohmann::ordered_json(set->Hex())
                                                       : nlohmann::ordered_json(nullptr)},
                                {"file", name}};
    const int fd = file_system::OpenForAppending(folder_ + "/" + kIndex);
    if (fd < 0) {
        error = std::strerror(errno);
        return false;
    }
    const bool written = WriteAll(fd, line.dump() + "\n");
    const int writeError = errno;
    file_system::Close(fd);
    if (!written) {
        error = std::strerror(writeError);
        return false;
    }
    Trim();
    return true;
}

bool History::CreateEntryFile(const std::string& stamp, HistoryEvent event, const ConfigRecord* set,
                              std::string& name, std::string& error) {
    const std::string kind = HistoryEventName(event);
    const std::string ending = set != nullptr ? kind + ".qkf" : kind;
    for (int attempt = 0; attempt < 100; ++attempt) {
        // A name that is taken (two entries within a millisecond, or something planted
        // there) is never reused: the next one is tried.
        name = stamp + "-" + (attempt > 0 ? std::to_string(attempt) + "-" : "") + ending;
        const int fd = file_system::CreateExclusive(folder_ + "/" + name);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) {
            error = std::strerror(errno);
            return false;
        }
        bool ok = true;
        if (set != nullptr) {
            ok = WriteAll(fd, std::string(set->Bytes().begin(), set->Bytes().end()));
        }
        const int writeError = errno;
        file_system::Close(fd);
        if (!ok) {
            error = std::strerror(writeError);
            std::error_code ec;
            fs::remove(PathFromUtf8(folder_ + "/" + name), ec);
        }
        return ok;
    }
    error = "every name for this moment is taken";
    return false;
}

void History::Trim() {
    const std::string index = folder_ + "/" + kIndex;
    std::error_code ec;
    const auto size = fs::file_size(PathFromUtf8(index), ec);
    if (ec || size <= limit_ * kShortestLine) return;
    const std::string bytes = ReadWhole(index);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const auto end = bytes.find('\n', start);
        lines.push_back(bytes.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    if (lines.size() <= limit_) return;
    // Down to nine tenths of the bound, so that the index is rewritten once in many
    // entries, not at every one.
    const std::size_t drop = lines.size() - limit_ * 9 / 10;
    std::string kept;
    for (std::size_t i = drop; i < lines.size(); ++i) kept += lines[i] + "\n";
    std::string temp;
    const int fd = file_system::MakeTemporary(index, temp);
    if (fd < 0) return;
    const bool written = WriteAll(fd, kept);
    file_system::Close(fd);
    if (!written || file_system::Rename(temp.c_str(), index.c_str()) != 0) {
        fs::remove(PathFromUtf8(temp), ec);
        return;
    }
    for (std::size_t i = 0; i < drop; ++i) {
        const auto entry = ParseLine(lines[i]);
        if (entry && IsEntryName(entry->file))
            fs::remove(PathFromUtf8(folder_ + "/" + entry->file), ec);
    }
}

std::vector<HistoryEntry> History::Entries() const {
    const std::string bytes = ReadWhole(folder_ + "/" + kIndex);
    std::vector<HistoryEntry> out;
    std::size_t start = 0;
    while (start < bytes.size()) {
        auto end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        if (auto entry = ParseLine(bytes.substr(start, end - start))) out.push_back(*entry);
        start = end + 1;
    }
    return {out.rbegin(), out.rend()};
}

std::optional<HistoryEntry> History::Find(const std::string& which) const {
    const auto entries = Entries();
    const bool number = !which.empty() && which.size() < 9 &&
                        which.find_first_not_of("0123456789") == std::string::npos;
    if (number) {
        const std::size_t n = std::stoul(which);
        if (n >= 1 && n <= entries.size()) return entries[n - 1];
        return std::nullopt;
    }
    for (const HistoryEntry& e : entries) {
        if (e.file == which || e.file == fs::path(which).filename().string()) return e;
    }
    return std::nullopt;
}
