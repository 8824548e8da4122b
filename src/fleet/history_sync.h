#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "config/history.h"

// A bench's entries on their way to the shared record: the local history is the truth and
// the queue. What it holds after the mark of the last entry the server took is sent in
// batches, each in one transaction on the server, and the mark moves on only after the server
// took it: a sync killed at any moment, or a server away, loses nothing and, run again, adds
// nothing twice.
struct SyncResult {
    std::size_t sent = 0;     // entries the server took now
    std::size_t waiting = 0;  // entries still to be sent
    std::string error;        // why they wait ("" when none does and the record was reached)
    bool reached = false;     // the record answered
};

enum class SyncWhen {
    kSomethingWaits,  // after an entry is kept: no connection when the mark says none waits
    kAlways,          // asked for: the record says what it lacks, even when the mark says none
};
// Sends what waits, within `limit` in all. `demo` marks the entries as the demo's.
SyncResult SyncHistory(History& history, const std::string& conninfo, bool demo,
                       std::chrono::milliseconds limit, SyncWhen when = SyncWhen::kSomethingWaits);
// How many entries wait to be sent (at most the history's bound).
std::size_t EntriesWaiting(const History& history);

// The settings key of the mark: the id of the newest entry the server took.
constexpr const char* kSentMarkKey = "shared_record_sent";

// The entries of `unit` (every bench's entries for "") as the shared record holds them, newest
// first, at most `most`, each with the id it has on its own bench, read within `limit`;
// nothing with `error` said when the record cannot be read.
std::optional<std::vector<HistoryEntry>> ReadSharedRecord(const std::string& conninfo,
                                                          const std::string& unit, std::size_t most,
                                                          std::chrono::milliseconds limit,
                                                          std::string& error);
