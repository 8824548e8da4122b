#include "fleet/history_sync.h"

#include <memory>

#include "fleet/shared_record.h"

namespace {

constexpr std::size_t kBatch = 500;

std::int64_t SentMark(const History& history) {
    const std::string mark = history.Setting(kSentMarkKey);
    try {
        return mark.empty() ? 0 : std::stoll(mark);
    } catch (const std::exception&) {
        return 0;  // a mark no program wrote: everything is sent again, which adds nothing
    }
}

}  // namespace

std::size_t EntriesWaiting(const History& history) {
    return history.EntriesAfter(SentMark(history), History::kDefaultLimit).size();
}

SyncResult SyncHistory(History& history, const std::string& conninfo, bool demo,
                       std::chrono::milliseconds limit, SyncWhen when) {
    SyncResult result;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    const auto left = [&] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
    };
    std::vector<HistoryEntry> batch = history.EntriesAfter(SentMark(history), kBatch);
    if (batch.empty() && when == SyncWhen::kSomethingWaits) {
        result.error = history.readProblem();
        return result;
    }
    const std::string benchId = history.BenchId();
    if (benchId.empty()) {
        result.error = "this bench's history cannot be written: " + history.unavailable();
        result.waiting = EntriesWaiting(history);
        return result;
    }
    std::unique_ptr<SharedRecord> record = SharedRecord::Connect(conninfo, limit, result.error);
    // What the record holds of this bench is its own word: a record made anew, or another
    // one, gets every entry; a mark lost with the history's copy sends nothing twice.
    if (record != nullptr) {
        record->SetLimit(left());
        const std::optional<std::int64_t> newest = record->NewestOf(benchId, result.error);
        result.reached = newest.has_value();
        if (!newest) {
            record.reset();
        } else if (*newest != SentMark(history)) {
            batch = history.EntriesAfter(*newest, kBatch);
            if (batch.empty()) history.SetSetting(kSentMarkKey, std::to_string(*newest));
        }
    }
    // One bound for the whole: a slow server holds a command up by `limit` at most, however
    // many batches wait.
    while (record != nullptr && !batch.empty()) {
        if (left().count() <= 0) {
            result.error =
                "the server did not take them all within " + std::to_string(limit.count()) + " ms";
            break;
        }
        record->SetLimit(left());
        if (!record->Send(benchId, demo, batch, result.error)) break;
        result.sent += batch.size();
        if (!history.SetSetting(kSentMarkKey, std::to_string(batch.back().id))) {
            result.error = "the mark of what was sent cannot be kept; it is sent again later";
            break;
        }
        batch = history.EntriesAfter(batch.back().id, kBatch);
    }
    result.waiting = EntriesWaiting(history);
    if (result.waiting == 0 && result.reached) result.error.clear();
    return result;
}

std::optional<std::vector<HistoryEntry>> ReadSharedRecord(const std::string& conninfo,
                                                          const std::string& unit, std::size_t most,
                                                          std::chrono::milliseconds limit,
                                                          std::string& error) {
    std::unique_ptr<SharedRecord> record = SharedRecord::Connect(conninfo, limit, error);
    if (record == nullptr) return std::nullopt;
    auto shared = record->Entries(unit, most, error);
    if (!shared) return std::nullopt;
    std::vector<HistoryEntry> entries;
    entries.reserve(shared->size());
    for (SharedEntry& s : *shared) entries.push_back(std::move(s.entry));
    return entries;
}
