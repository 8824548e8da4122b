#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "config/config_record.h"

// What every controller held and was given, kept without asking: one entry for each set
// read from a controller, each set stored into one, and each factory reset.
//
// The entries live in one SQLite database, history.db in the history folder: every entry
// is one transaction, so several programs keeping one history (the window, a workshop
// line, a shell) lose nothing, and a kill or a full disk at any moment leaves it whole.
// Beside it each entry with a set has a copy named so that `ls` and the Open dialog sort
// it by time and say whose it is and what happened:
// 20261207-142033-120-port1-1-serial0001-read.qkf, ...-stored.qkf, and ...-reset (empty);
// entries kept before copies named their controller have 20261207-142033-120-read.qkf.
// The database is the truth; a copy no entry names goes at the next trim. Files are
// created exclusively, never over an existing file and never through a link; the folder
// is opened once and must be this user's own (root keeps no history in another user's
// folder). The newest entries are kept up to a bound. Keeping the history never decides
// an outcome: when it cannot be kept, that is said once on standard error and the caller
// goes on.

enum class HistoryEvent { kRead, kStored, kReset };
const char* HistoryEventName(HistoryEvent event);  // "read", "stored", "reset"

// Which controller an entry is about: its system node (/dev/hidraw3), and where known its
// USB port, serial number and plug-in (which differs after every replug, so that a new
// unit in the same port starts a history of its own).
struct HistoryDevice {
    std::string node;
    std::string port;
    std::string serial;
    std::string plugIn;
    std::string unit = {};  // the bike, frame or order the controller belongs to, where given
};

// Which entries a listing takes: all of them, one port's (any serial), or one controller's
// (a port and a serial), and of it where given one plug-in only.
struct HistoryScope {
    std::string port;                   // "": every port
    std::optional<std::string> serial;  // nothing: every serial of the port
    std::string plugIn;                 // "": every plug-in
    std::string unit = {};  // one unit's entries, whatever port (then the rest is unused)
};

struct HistoryEntry {
    std::int64_t id = 0;              // stable: never reused, never renumbered
    std::string time;                 // ISO 8601, local time with its offset
    std::string event;                // "read", "stored", "reset"
    std::string program;              // "vt350-config", "vt350ctl"
    std::string device;               // the controller's system node
    std::string port;                 // its USB port, where known
    std::string serial;               // its serial number, where known
    std::string plugIn;               // its plug-in, where known ("" in older entries)
    std::string unit;                 // the unit it belongs to, where given
    std::string bench;                // the bench that kept the entry ("" in older entries)
    std::optional<ConfigRecord> set;  // none for a reset
    std::string file;                 // the entry's copy in the folder ("" for none)
};

// The moment of an entry: "20261207-142033-120" for its copy's name, and ISO 8601.
struct HistoryTime {
    std::string stamp;
    std::string iso;
};

class History {
  public:
    static constexpr std::size_t kDefaultLimit = 10000;
    static constexpr const char* kDatabaseName = "history.db";
    // The index that versions before the database kept; taken in once, then renamed.
    static constexpr const char* kOldIndexName = "history.jsonl";

    History(std::string folder, std::string program, std::function<HistoryTime()> clock,
            std::size_t limit = kDefaultLimit);
    ~History();
    History(History&&) noexcept;
    History& operator=(History&&) noexcept;

    // A History of the same folder, program, clock and bound, with a database connection of
    // its own (for another thread).
    History Twin() const {
        History twin(folder_, program_, clock_, limit_);
        twin.SetBench(bench_);
        return twin;
    }

    // Makes the folder and the database ready (the window does so at start, so that the
    // Open dialog can show the folder). False when the history cannot be kept here (said
    // once on standard error).
    bool Prepare();

    // Keeps one entry; `set` is required for read and stored. False when it could not be
    // kept (said once on standard error).
    bool Record(HistoryEvent event, const HistoryDevice& device, const ConfigRecord* set);
    bool Record(HistoryEvent event, const std::string& node, const ConfigRecord* set) {
        return Record(event, HistoryDevice{node, "", "", ""}, set);
    }

    // Keeps one entry of a moment before now (one that waited while the database was
    // busy), saying nothing on standard error: kBusy where another program held the
    // database longer than the wait limit, and the entry may be kept later.
    enum class Outcome { kKept, kBusy, kFailed };
    Outcome RecordAt(HistoryEvent event, const HistoryDevice& device, const ConfigRecord* set,
                     const HistoryTime& when, std::string& error);
    // The moment now, as the entries are stamped.
    HistoryTime Now() const;
    // How long this program waits for a database another program holds, per attempt (10 s
    // unless set: a one-shot command may wait; a window must not).
    void SetWaitLimit(int milliseconds);
    // The bench's name the entries kept from now on carry (the host's name, or one chosen).
    void SetBench(std::string name) { bench_ = std::move(name); }
    const std::string& bench() const { return bench_; }

    // The newest entries first, at most `most`; of one port or controller with a scope.
    std::vector<HistoryEntry> Entries(std::size_t most = kDefaultLimit) const;
    std::vector<HistoryEntry> Entries(std::size_t most, const HistoryScope& scope) const;
    std::size_t Count() const;
    std::size_t Count(const HistoryScope& scope) const;
    // The id of the newest entry (0 for none): it changes whenever any program keeps one.
    std::int64_t NewestId() const;
    // An entry by its number (1 = newest), its id ("@17") or its copy's name; nothing
    // when none is.
    std::optional<HistoryEntry> Find(const std::string& which) const;

    // The entries after the one with id `after`, oldest first, at most `most`: what waits to
    // be sent to a shared record.
    std::vector<HistoryEntry> EntriesAfter(std::int64_t after, std::size_t most) const;
    // A value the history keeps for the programs (empty when none), and one to keep; false
    // when it could not be kept.
    std::string Setting(const std::string& key) const;
    bool SetSetting(const std::string& key, const std::string& value);
    // This history's bench id: made once, at random, and kept with it, so that a shared
    // record tells apart the benches that send it entries.
    std::string BenchId();

    const std::string& folder() const { return folder_; }
    // Why the history cannot be kept ("" while it can or has not been tried).
    const std::string& unavailable() const { return why_; }
    // Why the last listing of entries is not whole ("" when it is): the database could not
    // be opened or read (another program holds it, it is damaged).
    const std::string& readProblem() const { return readProblem_; }
    // What to do about a history folder on a network file system ("" on a local disk).
    const std::string& shareWarning() const { return shareWarning_; }
    // Which network file system that is ("nfs", "a network drive"; "" on a local disk).
    const std::string& networkFileSystem() const { return shareKind_; }

  private:
    class Store;
    Store* Open(bool create) const;
    bool Keep(HistoryEvent event, const HistoryDevice& device, const ConfigRecord* set,
              const HistoryTime& now, std::string& error);
    void Complain(const std::string& error) const;

    std::string folder_;
    std::string program_;
    std::function<HistoryTime()> clock_;
    std::size_t limit_;
    mutable std::unique_ptr<Store> store_;
    mutable std::string why_;
    mutable bool complained_ = false;
    mutable bool busy_ = false;
    mutable std::string readProblem_;  // the last failure was another program holding the database
    int waitMs_ = 10000;
    std::string bench_;
    mutable bool shareSaid_ = false;
    mutable std::string shareWarning_;
    mutable std::string shareKind_;
};
