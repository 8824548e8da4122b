#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "config/history.h"

// The record several benches share on a PostgreSQL server: every bench's entries, keyed by
// the bench's id and the entry's local id, so that sending an entry twice adds nothing. A
// bench only adds and reads (its role may do nothing else); strings from devices and persons
// reach the server only as parameters of prepared statements. Every step is bounded by a
// time limit: a server that is away or slow costs a moment, never a store.
struct SharedEntry {
    HistoryEntry entry;  // id: the entry's id on its own bench
    std::string benchId;
    bool demo = false;  // kept by the demo's virtual controller
};

class SharedRecord {
  public:
    // Connects within `limit`; nullptr with `error` said in words.
    static std::unique_ptr<SharedRecord> Connect(const std::string& conninfo,
                                                 std::chrono::milliseconds limit,
                                                 std::string& error);
    ~SharedRecord();
    SharedRecord(const SharedRecord&) = delete;
    SharedRecord& operator=(const SharedRecord&) = delete;

    // How long each later step may take.
    void SetLimit(std::chrono::milliseconds limit) { limit_ = limit; }
    // Makes the tables and the role "vt350_bench" that may add and read entries, nothing
    // else (run once, by the server's owner).
    bool MakeSchema(std::string& error);
    // Adds `entries` of the bench `benchId` in one transaction; those already there stay.
    bool Send(const std::string& benchId, bool demo, const std::vector<HistoryEntry>& entries,
              std::string& error);
    // The id of the newest entry the record holds of the bench `benchId` (0 for none).
    std::optional<std::int64_t> NewestOf(const std::string& benchId, std::string& error);
    // The entries of `unit` (every entry for ""), newest first, at most `most`; nothing with
    // `error` set when they cannot be read, or the server sent what no bench keeps.
    std::optional<std::vector<SharedEntry>> Entries(const std::string& unit, std::size_t most,
                                                    std::string& error);

    class Connection;

  private:
    explicit SharedRecord(std::unique_ptr<Connection> connection);
    std::unique_ptr<Connection> connection_;
    std::chrono::milliseconds limit_{1000};
};

// The time limit of a bench's own send after a command: a moment.
constexpr std::chrono::milliseconds kSendMoment{1000};
