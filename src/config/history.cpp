#include "config/history.h"

#include <sqlite3.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <deque>
#include <filesystem>
#include <iostream>
#include <random>
#include <thread>
#include <unordered_set>

#include "config/file_names.h"
#include "config/file_system.h"
#include "config/network_share.h"
#include "config/old_history_index.h"
#include "config/sqlite_statement.h"

namespace fs = std::filesystem;

namespace {

// Companions SQLite keeps beside the database; none of them may be a link or a pipe.
constexpr const char* kDatabaseFiles[] = {"history.db", "history.db-wal", "history.db-shm",
                                          "history.db-journal"};
// How long a writer waits for another one (a workshop line, a second window) to finish
// its entry before this entry fails.
constexpr int kBusyTimeoutMs = 10000;
// A copy no entry names is removed only when older than this: a writer may have created it
// and not yet added its entry.
constexpr long long kOrphanAgeSeconds = 60;

constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS entries(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    time TEXT NOT NULL,
    event TEXT NOT NULL,
    program TEXT NOT NULL,
    port TEXT NOT NULL DEFAULT '',
    serial TEXT NOT NULL DEFAULT '',
    node TEXT NOT NULL DEFAULT '',
    record BLOB CHECK (record IS NULL OR length(record) = 15),
    file TEXT NOT NULL DEFAULT '',
    plugin TEXT NOT NULL DEFAULT '',
    unit TEXT NOT NULL DEFAULT '',
    bench TEXT NOT NULL DEFAULT '');
CREATE INDEX IF NOT EXISTS entries_by_controller ON entries(port, serial, id);
CREATE TABLE IF NOT EXISTS settings(key TEXT PRIMARY KEY, value TEXT NOT NULL);
)sql";
// Columns later versions added, each with '' for the entries kept before it: version 2 the
// plug-in, version 3 the unit and the bench. Each is looked for before it is added, since
// an older program that met the database set its version back and left the columns.
constexpr const char* kAddedColumns[] = {"plugin", "unit", "bench"};
constexpr const char* kUnitIndex =
    "CREATE INDEX IF NOT EXISTS entries_by_unit ON entries(unit, id) WHERE unit <> ''";
// The schema's version, kept in the database's header: a program that finds it there
// parses and runs no schema statements, which would cost every command that keeps an entry.
// A version-1 program that meets this database sets the version back to 1 and leaves the
// column: the column is then found, not added again.
constexpr int kSchemaVersion = 3;

std::string NewerVersion(int version) {
    return "it was written by a newer version of the program (format " + std::to_string(version) +
           "; this one knows " + std::to_string(kSchemaVersion) + "), so this one only reads it";
}

// "20261207-142033-120-...-read.qkf", "...-stored.qkf", "...-reset": what CreateCopy makes.
bool LooksLikeCopy(const std::string& name) {
    auto digits = [&](std::size_t from, std::size_t n) {
        return name.size() >= from + n && std::all_of(name.begin() + static_cast<long>(from),
                                                      name.begin() + static_cast<long>(from + n),
                                                      [](char c) { return c >= '0' && c <= '9'; });
    };
    auto endsWith = [&](const std::string& end) {
        return name.size() >= end.size() &&
               name.compare(name.size() - end.size(), end.size(), end) == 0;
    };
    return digits(0, 8) && name[8] == '-' && digits(9, 6) && name[15] == '-' && digits(16, 3) &&
           (endsWith("-read.qkf") || endsWith("-stored.qkf") || endsWith("-reset"));
}

// "-port1-1-serial0001": whose a copy is, in its name. Only letters, digits, dots and
// dashes of the port and serial are kept (a Windows port names hubs with '#'), and a few of
// them: the name stays one a file system takes and an Open dialog shows.
std::string CopyNameTag(const HistoryDevice& device) {
    auto part = [](const std::string& label, const std::string& text) {
        std::string out;
        for (const char c : text.substr(0, 24)) {
            const bool plain = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') ||
                               (c >= 'A' && c <= 'Z') || c == '.' || c == '-';
            out += plain ? c : '_';
        }
        return out.empty() ? out : "-" + label + out;
    };
    return part("port", device.port) + part("serial", device.serial);
}

constexpr const char* kSelectEntries =
    "SELECT id, time, event, program, node, port, serial, record, file, plugin, unit, bench "
    "FROM entries ";

HistoryEntry EntryFromRow(const SqliteStatement& row) {
    HistoryEntry e;
    e.id = row.Int(0);
    e.time = row.Text(1);
    e.event = row.Text(2);
    e.program = row.Text(3);
    e.device = row.Text(4);
    e.port = row.Text(5);
    e.serial = row.Text(6);
    e.set = row.Set(7);
    e.file = row.Text(8);
    e.plugIn = row.Text(9);
    e.unit = row.Text(10);
    e.bench = row.Text(11);
    return e;
}

}  // namespace

// The open database and the folder it lives in.
class History::Store {
  public:
    ~Store() {
        sqlite3_close_v2(db);
        file_system::CloseFolder(folder);
    }

    bool Exec(const char* sql, std::string& error) {
        char* message = nullptr;
        if (sqlite3_exec(db, sql, nullptr, nullptr, &message) == SQLITE_OK) return true;
        error = message != nullptr ? message : sqlite3_errmsg(db);
        sqlite3_free(message);
        return false;
    }
    // Runs `work` in one write transaction; false (rolled back) when it or the commit fails.
    // Where SQLite answers "busy" without waiting (two programs creating the database at
    // once, one recovering it after a kill), the whole transaction is tried again.
    template <typename Work>
    bool Transaction(std::string& error, Work work) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
        for (;;) {
            error.clear();
            if (Exec("BEGIN IMMEDIATE", error)) {
                if (work(error) && Exec("COMMIT", error)) return true;
                if (error.empty()) error = sqlite3_errmsg(db);
                std::string ignored;
                Exec("ROLLBACK", ignored);
            }
            if (!Busy() || std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    bool Busy() const {
        const int code = sqlite3_extended_errcode(db) & 0xff;
        return code == SQLITE_BUSY || code == SQLITE_LOCKED;
    }
    // The database in write-ahead-log mode, which it keeps once set.
    // Every commit is flushed (synchronous=FULL): an entry a program has kept survives a power
    // cut that comes right after.
    bool UseWriteAheadLog(std::string& error) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
        while (!Exec("PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL", error)) {
            if (!Busy() || std::chrono::steady_clock::now() > deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }
    std::string Error() const { return sqlite3_errmsg(db); }
    // Why a reading failed part-way: SQLite's words ("database disk image is malformed"),
    // and for a newer program's database that this one may not understand it.
    std::string ReadFailure() const {
        std::string why = Error();
        if (version > kSchemaVersion) why += "; " + NewerVersion(version);
        return why;
    }
    bool Imported() {
        SqliteStatement done(db, "SELECT value FROM settings WHERE key = 'imported'");
        return done.Step() == SQLITE_ROW;
    }
    // Takes the old index in, once: its newest `limit` entries with the copies they name,
    // in one transaction with the mark that says it was done; the old index is renamed
    // only then.
    bool ImportOldIndex(std::size_t limit, std::string& error);
    // The copy of an entry: a new file named by its moment and event, exclusively.
    bool CreateCopy(const std::string& stamp, HistoryEvent event, const ConfigRecord* set,
                    std::string& name, std::string& error);
    // Removes the `drop` oldest entries with their copies in one transaction, then the
    // copies no entry names.
    void Trim(std::size_t drop);

    bool Insert(const HistoryEntry& e, std::string& error) {
        SqliteStatement insert(
            db,
            "INSERT INTO entries(time, event, program, node, port, serial, record, "
            "file, plugin, unit, bench) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        insert.Bind(1, e.time).Bind(2, e.event).Bind(3, e.program).Bind(4, e.device);
        insert.Bind(5, e.port).Bind(6, e.serial).Bind(7, e.set).Bind(8, e.file);
        insert.Bind(9, e.plugIn).Bind(10, e.unit).Bind(11, e.bench);
        if (insert.Step() == SQLITE_DONE) return true;
        error = Error();
        return false;
    }

    std::size_t Count() {
        SqliteStatement count(db, "SELECT count(*) FROM entries");
        return count.Step() == SQLITE_ROW ? static_cast<std::size_t>(count.Int(0)) : 0;
    }
    // At least the number of entries, from the ends of the id range alone: only trims
    // remove entries, the oldest first, so the range holds few gaps, and it costs two
    // lookups where a count reads the whole table.
    std::size_t CountAtMost() {
        SqliteStatement span(
            db, "SELECT (SELECT max(id) FROM entries) - (SELECT min(id) FROM entries) + 1");
        return span.Step() == SQLITE_ROW ? static_cast<std::size_t>(span.Int(0)) : 0;
    }
    int SchemaVersion() {
        SqliteStatement version(db, "PRAGMA user_version");
        return version.Step() == SQLITE_ROW ? static_cast<int>(version.Int(0)) : 0;
    }
    // The tables as this version keeps them, in one transaction.
    bool MakeSchema(std::string& error) {
        return Transaction(error, [&](std::string& e) {
            if (!Exec(kSchema, e)) return false;
            for (const char* column : kAddedColumns) {
                SqliteStatement there(db,
                                      "SELECT 1 FROM pragma_table_info('entries') WHERE name = ?");
                there.Bind(1, std::string(column));
                const std::string add = std::string("ALTER TABLE entries ADD COLUMN ") + column +
                                        " TEXT NOT NULL DEFAULT ''";
                if (there.Step() != SQLITE_ROW && !Exec(add.c_str(), e)) return false;
            }
            if (!Exec(kUnitIndex, e)) return false;
            const std::string version = "PRAGMA user_version = " + std::to_string(kSchemaVersion);
            return Exec(version.c_str(), e);
        });
    }

    file_system::Folder folder;
    sqlite3* db = nullptr;
    int version = 0;              // the schema's version as this program found it
    int waitMs = kBusyTimeoutMs;  // how long a busy database is waited for
};

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

History::~History() = default;
History::History(History&&) noexcept = default;
History& History::operator=(History&&) noexcept = default;

History::Store* History::Open(bool create) const {
    if (store_) return store_.get();
    auto store = std::make_unique<Store>();
    if (!file_system::OpenOwnFolder(folder_, create, store->folder, why_)) return nullptr;
    for (const char* name : kDatabaseFiles) {
        if (!file_system::AbsentOrOwnRegularFile(store->folder, name, why_)) return nullptr;
    }
    const std::string path = JoinPath(folder_, kDatabaseName);
    const int opened =
        sqlite3_open_v2(path.c_str(), &store->db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOFOLLOW, nullptr);
    if (opened != SQLITE_OK) {
        why_ = store->db != nullptr ? store->Error() : "out of memory";
        return nullptr;
    }
    store->waitMs = waitMs_;
    sqlite3_busy_timeout(store->db, waitMs_);
    // WAL: readers never wait for a writer, and a kill leaves every committed entry. The last
    // program to close copies the log into the database (SQLite's checkpoint at close), so
    // that the next one, which must read the whole log to begin, finds it empty: a command
    // costs the same at the ten-thousandth entry as at the first.
    if (!store->UseWriteAheadLog(why_)) {
        busy_ = store->Busy();
        return nullptr;
    }
    store->version = store->SchemaVersion();
    // A newer program's database is read as far as this one understands it, never written:
    // setting its version back would hide from that program what it changed.
    if (store->version <= kSchemaVersion &&
        ((store->version != kSchemaVersion && !store->MakeSchema(why_)) ||
         !store->ImportOldIndex(limit_, why_))) {
        busy_ = store->Busy();
        return nullptr;
    }
    if (!shareSaid_) {
        shareSaid_ = true;
        shareKind_ = NetworkProbe()(folder_);
        shareWarning_ = NetworkShareWarning(folder_, "The history folder", shareKind_);
        // Said once a program, though a window keeps its entries through a second History.
        static std::atomic<bool> said{false};
        if (!shareWarning_.empty() && !said.exchange(true)) {
            std::cerr << program_ << ": " << shareWarning_
                      << " (XDG_DATA_HOME chooses the data folder).\n";
        }
    }
    why_.clear();
    store_ = std::move(store);
    return store_.get();
}

bool History::Prepare() {
    if (Open(true) != nullptr) return true;
    Complain(why_);
    return false;
}

void History::Complain(const std::string& error) const {
    if (complained_) return;
    complained_ = true;
    std::cerr << program_ << ": the history cannot be kept in \"" << folder_ << "\": " << error
              << " (nothing else changes)\n";
}

bool History::Record(HistoryEvent event, const HistoryDevice& device, const ConfigRecord* set) {
    std::string error;
    if (Keep(event, device, set, clock_(), error)) return true;
    Complain(error);
    return false;
}

History::Outcome History::RecordAt(HistoryEvent event, const HistoryDevice& device,
                                   const ConfigRecord* set, const HistoryTime& when,
                                   std::string& error) {
    if (Keep(event, device, set, when, error)) return Outcome::kKept;
    return busy_ ? Outcome::kBusy : Outcome::kFailed;
}

HistoryTime History::Now() const {
    return clock_();
}

void History::SetWaitLimit(int milliseconds) {
    waitMs_ = milliseconds;
    if (store_) {
        store_->waitMs = milliseconds;
        sqlite3_busy_timeout(store_->db, milliseconds);
    }
}

bool History::Keep(HistoryEvent event, const HistoryDevice& device, const ConfigRecord* set,
                   const HistoryTime& now, std::string& error) {
    busy_ = false;
    Store* store = Open(true);
    if (store == nullptr) {
        error = why_;
        return false;
    }
    if (store->version > kSchemaVersion) {
        error = NewerVersion(store->version);
        return false;
    }
    HistoryEntry entry;
    entry.time = now.iso;
    entry.event = HistoryEventName(event);
    entry.program = program_;
    entry.device = device.node;
    entry.port = device.port;
    entry.serial = device.serial;
    entry.plugIn = device.plugIn;
    entry.unit = device.unit;
    entry.bench = bench_;
    if (set != nullptr) entry.set = *set;
    // The copy first: a kill before the entry leaves a copy no entry names, which a later
    // trim removes; never an entry without its copy.
    if (!store->CreateCopy(now.stamp + CopyNameTag(device), event, set, entry.file, error)) {
        return false;
    }
    std::size_t count = 0;
    const bool kept = store->Transaction(error, [&](std::string& e) {
        if (!store->Insert(entry, e)) return false;
        count = store->CountAtMost();
        if (count > limit_) count = store->Count();
        return true;
    });
    if (!kept) {
        busy_ = store->Busy();
        file_system::RemoveIn(store->folder, entry.file);
        return false;
    }
    // Down to nine tenths of the bound, so that a trim comes once in many entries; a trim
    // that fails keeps this entry all the same, and the next entry trims.
    if (count > limit_) store->Trim(count - limit_ * 9 / 10);
    return true;
}

namespace {

// The WHERE clause of a scope, and its values bound from 1 on (?4 is the listing's bound).
std::string WhereOf(const HistoryScope& scope) {
    if (!scope.unit.empty()) return "WHERE unit = ?5 ";
    if (scope.port.empty()) return "";
    std::string where = "WHERE port = ?1 ";
    if (scope.serial) where += "AND serial = ?2 ";
    if (!scope.plugIn.empty()) where += "AND plugin = ?3 ";
    return where;
}

void BindScope(SqliteStatement& s, const HistoryScope& scope) {
    if (!scope.unit.empty()) {
        s.Bind(5, scope.unit);
        return;
    }
    if (scope.port.empty()) return;
    s.Bind(1, scope.port);
    if (scope.serial) s.Bind(2, *scope.serial);
    if (!scope.plugIn.empty()) s.Bind(3, scope.plugIn);
}

}  // namespace

std::vector<HistoryEntry> History::Entries(std::size_t most, const HistoryScope& scope) const {
    std::vector<HistoryEntry> out;
    Store* store = Open(false);
    readProblem_ = why_;
    if (store == nullptr) return out;
    // One controller's entries come through the index by port and serial, however many
    // entries other ports have.
    SqliteStatement rows(
        store->db,
        (std::string(kSelectEntries) + WhereOf(scope) + "ORDER BY id DESC LIMIT ?4").c_str());
    BindScope(rows, scope);
    rows.Bind(4, static_cast<std::int64_t>(std::min<std::size_t>(most, INT64_MAX)));
    int step = SQLITE_ROW;
    while ((step = rows.Step()) == SQLITE_ROW) out.push_back(EntryFromRow(rows));
    readProblem_ = step == SQLITE_DONE ? "" : store->ReadFailure();
    return out;
}

std::size_t History::Count(const HistoryScope& scope) const {
    Store* store = Open(false);
    readProblem_ = why_;
    if (store == nullptr) return 0;
    SqliteStatement count(store->db, ("SELECT count(*) FROM entries " + WhereOf(scope)).c_str());
    BindScope(count, scope);
    if (count.Step() == SQLITE_ROW) return static_cast<std::size_t>(count.Int(0));
    readProblem_ = store->ReadFailure();
    return 0;
}

std::int64_t History::NewestId() const {
    Store* store = Open(false);
    if (store == nullptr) return 0;
    SqliteStatement newest(store->db, "SELECT max(id) FROM entries");
    return newest.Step() == SQLITE_ROW ? newest.Int(0) : 0;
}

std::vector<HistoryEntry> History::Entries(std::size_t most) const {
    return Entries(most, HistoryScope{});
}

std::size_t History::Count() const {
    return Count(HistoryScope{});
}

std::optional<HistoryEntry> History::Find(const std::string& which) const {
    Store* store = Open(false);
    readProblem_ = why_;
    if (store == nullptr) return std::nullopt;
    auto wholeNumber = [](const std::string& text) {
        return !text.empty() && text.size() < 18 &&
               text.find_first_not_of("0123456789") == std::string::npos;
    };
    const std::string select(kSelectEntries);
    std::optional<SqliteStatement> row;
    if (wholeNumber(which)) {
        const std::int64_t number = std::stoll(which);
        if (number < 1) return std::nullopt;
        row.emplace(store->db, (select + "ORDER BY id DESC LIMIT 1 OFFSET ?").c_str());
        row->Bind(1, number - 1);
    } else if (!which.empty() && which[0] == '@' && wholeNumber(which.substr(1))) {
        row.emplace(store->db, (select + "WHERE id = ?").c_str());
        row->Bind(1, static_cast<std::int64_t>(std::stoll(which.substr(1))));
    } else {
        const std::string name = Utf8FromPath(PathFromUtf8(which).filename());
        if (name.empty()) return std::nullopt;
        row.emplace(store->db, (select + "WHERE file = ?").c_str());
        row->Bind(1, name);
    }
    const int step = row->Step();
    if (step == SQLITE_ROW) return EntryFromRow(*row);
    if (step != SQLITE_DONE) readProblem_ = store->ReadFailure();
    return std::nullopt;
}

bool History::Store::ImportOldIndex(std::size_t limit, std::string& error) {
    const int fd = file_system::OpenRegularFileIn(folder, History::kOldIndexName);
    if (fd < 0) return true;  // none, or something that is no index: nothing to take in
    if (Imported()) {
        file_system::Close(fd);
        return true;
    }
    const std::deque<HistoryEntry> newest = ReadOldIndex(fd, limit);
    file_system::Close(fd);
    const bool imported = Transaction(error, [&](std::string& e) {
        if (Imported()) return true;  // another program took it in meanwhile
        for (const HistoryEntry& entry : newest) {
            if (!Insert(entry, e)) return false;
        }
        SqliteStatement mark(db, "INSERT INTO settings(key, value) VALUES('imported', ?)");
        mark.Bind(1, std::string(History::kOldIndexName));
        if (mark.Step() == SQLITE_DONE) return true;
        e = Error();
        return false;
    });
    if (!imported) return false;
    file_system::RenameIn(folder, History::kOldIndexName,
                          std::string(History::kOldIndexName) + ".imported");
    return true;
}

bool History::Store::CreateCopy(const std::string& stamp, HistoryEvent event,
                                const ConfigRecord* set, std::string& name, std::string& error) {
    const std::string kind = HistoryEventName(event);
    const std::string ending = set != nullptr ? kind + ".qkf" : kind;
    for (int attempt = 0; attempt < 100; ++attempt) {
        // A name that is taken (two entries within a millisecond, or something planted
        // there) is never reused: the next one is tried.
        name = stamp + "-" + (attempt > 0 ? std::to_string(attempt) + "-" : "") + ending;
        const int fd = file_system::CreateExclusiveIn(folder, name);
        if (fd < 0 && errno == EEXIST) continue;
        if (fd < 0) {
            error = std::strerror(errno);
            return false;
        }
        bool ok = true;
        errno = 0;
        if (set != nullptr) {
            ok = file_system::Write(fd, set->Bytes().data(), ConfigRecord::kSize) ==
                 static_cast<ssize_t>(ConfigRecord::kSize);
            if (!ok && errno == 0) errno = ENOSPC;
        }
        // On the disk before the entry names it: a power cut after the entry leaves the copy
        // whole, and the folder flushed keeps its name.
        if (ok && file_system::Fsync(fd) != 0) ok = false;
        const int writeError = errno;
        file_system::Close(fd);
        if (ok && folder.fd >= 0) file_system::Fsync(folder.fd);  // a folder may refuse: EINVAL
        if (!ok) {
            error = std::strerror(writeError);
            file_system::RemoveIn(folder, name);
        }
        return ok;
    }
    error = "every name for this moment is taken";
    return false;
}

void History::Store::Trim(std::size_t drop) {
    std::vector<std::string> dropped;
    std::string error;
    const bool trimmed = Transaction(error, [&](std::string& e) {
        SqliteStatement oldest(db, "SELECT id, file FROM entries ORDER BY id LIMIT ?");
        oldest.Bind(1, static_cast<std::int64_t>(drop));
        std::int64_t last = 0;
        while (oldest.Step() == SQLITE_ROW) {
            last = oldest.Int(0);
            dropped.push_back(oldest.Text(1));
        }
        SqliteStatement remove(db, "DELETE FROM entries WHERE id <= ?");
        remove.Bind(1, last);
        if (remove.Step() == SQLITE_DONE) return true;
        e = Error();
        return false;
    });
    if (!trimmed) return;
    for (const std::string& name : dropped) {
        if (IsEntryName(name)) file_system::RemoveIn(folder, name);
    }
    // Copies that a kill left without their entry, or whose removal a kill interrupted.
    std::unordered_set<std::string> named;
    SqliteStatement files(db, "SELECT file FROM entries");
    while (files.Step() == SQLITE_ROW) named.insert(files.Text(0));
    for (const file_system::FolderFile& f : file_system::RegularFilesIn(folder)) {
        if (LooksLikeCopy(f.name) && f.ageSeconds > kOrphanAgeSeconds && !named.count(f.name)) {
            file_system::RemoveIn(folder, f.name);
        }
    }
}

std::vector<HistoryEntry> History::EntriesAfter(std::int64_t after, std::size_t most) const {
    std::vector<HistoryEntry> out;
    Store* store = Open(false);
    readProblem_ = why_;
    if (store == nullptr) return out;
    SqliteStatement rows(
        store->db, (std::string(kSelectEntries) + "WHERE id > ? ORDER BY id LIMIT ?").c_str());
    rows.Bind(1, after);
    rows.Bind(2, static_cast<std::int64_t>(std::min<std::size_t>(most, INT64_MAX)));
    int step = SQLITE_ROW;
    while ((step = rows.Step()) == SQLITE_ROW) out.push_back(EntryFromRow(rows));
    readProblem_ = step == SQLITE_DONE ? "" : store->ReadFailure();
    return out;
}

std::string History::Setting(const std::string& key) const {
    Store* store = Open(false);
    if (store == nullptr) return "";
    SqliteStatement value(store->db, "SELECT value FROM settings WHERE key = ?");
    value.Bind(1, key);
    return value.Step() == SQLITE_ROW ? value.Text(0) : "";
}

bool History::SetSetting(const std::string& key, const std::string& value) {
    Store* store = Open(true);
    if (store == nullptr || store->version > kSchemaVersion) return false;
    std::string error;
    return store->Transaction(error, [&](std::string& e) {
        SqliteStatement put(store->db, "INSERT OR REPLACE INTO settings(key, value) VALUES(?, ?)");
        put.Bind(1, key).Bind(2, value);
        if (put.Step() == SQLITE_DONE) return true;
        e = store->Error();
        return false;
    });
}

std::string History::BenchId() {
    if (std::string id = Setting("bench_id"); !id.empty()) return id;
    std::random_device random;
    std::string id;
    for (int i = 0; i < 4; ++i) {
        char part[9];
        std::snprintf(part, sizeof part, "%08x", static_cast<unsigned>(random()));
        id += part;
    }
    Store* store = Open(true);
    if (store == nullptr || store->version > kSchemaVersion) return "";
    std::string error;
    // Two programs making it at once keep the first one's.
    store->Transaction(error, [&](std::string&) {
        SqliteStatement put(store->db,
                            "INSERT OR IGNORE INTO settings(key, value) VALUES('bench_id', ?)");
        put.Bind(1, id);
        return put.Step() == SQLITE_DONE;
    });
    return Setting("bench_id");
}
