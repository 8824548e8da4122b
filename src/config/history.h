#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "config/config_record.h"

// What every controller held and was given, kept without asking: one entry for each set
// read from a controller, each set stored into one, and each factory reset. An entry is a
// line of history.jsonl in the history folder (the index, and the bytes) and, beside it, a
// file named so that `ls` sorts it by time and says what happened:
// 20261207-142033-120-read.qkf, ...-stored.qkf, ...-reset (empty: a reset has no set).
// Files are created exclusively, never over an existing file and never through a link.
// The newest entries are kept up to a bound, the oldest removed first. Keeping the
// history never decides an outcome: a folder that cannot be written is said once on
// standard error and the caller goes on.

enum class HistoryEvent { kRead, kStored, kReset };
const char* HistoryEventName(HistoryEvent event);  // "read", "stored", "reset"

struct HistoryEntry {
    std::string time;                 // ISO 8601, local time with its offset
    std::string event;                // "read", "stored", "reset"
    std::string program;              // "vt350-config", "vt350ctl"
    std::string device;               // the controller's device path
    std::optional<ConfigRecord> set;  // none for a reset
    std::string file;                 // the entry's file in the folder
};

// The moment of an entry: "20261207-142033-120" for its file's name, and ISO 8601.
struct HistoryTime {
    std::string stamp;
    std::string iso;
};

class History {
  public:
    static constexpr std::size_t kDefaultLimit = 10000;

    History(std::string folder, std::string program, std::function<HistoryTime()> clock,
            std::size_t limit = kDefaultLimit);

    // Keeps one entry; `set` is required for read and stored. False when it could not be
    // kept (said once on standard error).
    bool Record(HistoryEvent event, const std::string& device, const ConfigRecord* set);

    // The entries, newest first. Lines that cannot be read are passed over.
    std::vector<HistoryEntry> Entries() const;
    // An entry by its number (1 = newest) or its file's name; nothing when none is.
    std::optional<HistoryEntry> Find(const std::string& which) const;

    const std::string& folder() const { return folder_; }

  private:
    bool Keep(HistoryEvent event, const std::string& device, const ConfigRecord* set,
              std::string& error);
    bool CreateEntryFile(const std::string& stamp, HistoryEvent event, const ConfigRecord* set,
                         std::string& name, std::string& error);
    void Trim();

    std::string folder_;
    std::string program_;
    std::function<HistoryTime()> clock_;
    std::size_t limit_;
    bool complained_ = false;
};
