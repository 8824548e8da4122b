#include "config/old_history_index.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <utility>

#include "config/file_system.h"

namespace {

// The index is read in blocks, a line at most this long, at most this much in all.
constexpr std::size_t kLongestOldLine = 64 * 1024;
constexpr std::size_t kMostOldIndexBytes = 256u << 20;

// One line of the old index, as versions before the database wrote it.
std::optional<HistoryEntry> ParseOldLine(const std::string& line) {
    auto j = nlohmann::json::parse(line, nullptr, false);
    if (j.is_discarded()) {
        // That version tore a line when the disk was full and glued the next entry to it:
        // the entry that follows the torn part is whole.
        const auto glued = line.rfind("{\"time\":");
        if (glued == 0 || glued == std::string::npos) return std::nullopt;
        j = nlohmann::json::parse(line.substr(glued), nullptr, false);
    }
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
    e.file = IsEntryName(text("file")) ? text("file") : "";
    if (const auto set = j.find("set"); set != j.end() && set->is_string()) {
        e.set = ConfigRecord::FromHex(set->get<std::string>());
        if (!e.set) return std::nullopt;
    }
    if (e.event != "read" && e.event != "stored" && e.event != "reset") return std::nullopt;
    if ((e.event == "reset") == e.set.has_value()) return std::nullopt;
    return e;
}

}  // namespace

bool IsEntryName(const std::string& name) {
    return !name.empty() && name.find_first_of("/\\") == std::string::npos && name != "." &&
           name != ".." && name.rfind("history.", 0) != 0;
}

std::deque<HistoryEntry> ReadOldIndex(int fd, std::size_t limit) {
    std::deque<HistoryEntry> newest;
    std::string line, block(64 * 1024, '\0');
    bool tooLong = false;
    std::size_t total = 0;
    auto take = [&] {
        if (!tooLong) {
            if (auto e = ParseOldLine(line)) {
                newest.push_back(std::move(*e));
                if (newest.size() > limit) newest.pop_front();
            }
        }
        line.clear();
        tooLong = false;
    };
    ssize_t n = 0;
    while (total < kMostOldIndexBytes &&
           (n = file_system::Read(fd, block.data(), block.size())) > 0) {
        total += static_cast<std::size_t>(n);
        for (ssize_t i = 0; i < n; ++i) {
            const char c = block[static_cast<std::size_t>(i)];
            if (c == '\n') {
                take();
            } else if (line.size() < kLongestOldLine) {
                line += c;
            } else {
                tooLong = true;
            }
        }
    }
    if (!line.empty()) take();
    return newest;
}
