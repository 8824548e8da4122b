#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "config/config_record.h"
#include "config/history.h"

// A window's entries, kept without making the person wait: each is stamped with its moment
// and handed to a thread of the queue's own, which keeps it through a History of its own on
// the same folder (a commit waits for the disk to have it). An entry the database is too
// busy for (another program holds it: a long transaction, a backup) waits, in order, and is
// tried again until it is kept. One that cannot be kept at all is handed back with the
// reason, for the window to say.
class HistoryQueue {
  public:
    // `history` names the folder, the program, the clock and the bound; `attemptWaitMs` is
    // how long one attempt waits for a database another program holds before the entry
    // counts as waiting.
    explicit HistoryQueue(const History& history, int attemptWaitMs = kAttemptWaitMs);
    ~HistoryQueue();
    HistoryQueue(const HistoryQueue&) = delete;
    HistoryQueue& operator=(const HistoryQueue&) = delete;

    // One entry of now.
    void Keep(HistoryEvent event, const HistoryDevice& device, const ConfigRecord* set);
    // The entries that wait for a busy database (with those behind them); 0 while none has
    // found it busy.
    std::size_t waiting() const;
    // How many entries were kept so far: a view of the history follows it.
    std::uint64_t kept() const;
    // The entries given up since the last call, each as the reason it could not be kept.
    std::vector<std::string> TakeLost();
    // Called on the queue's thread with its History once the entries handed over are kept
    // (the window's entries go on to a shared record from there); set before the first Keep.
    void SetAfterKept(std::function<void(History&)> afterKept) {
        afterKept_ = std::move(afterKept);
    }
    // The program is ending: the entries still there are tried for up to `waitMs` more,
    // then the thread ends; what is left then is counted by waiting().
    void Finish(int waitMs);

    static constexpr int kAttemptWaitMs = 500;

  private:
    struct Pending {
        HistoryEvent event;
        HistoryDevice device;
        std::optional<ConfigRecord> set;
        HistoryTime when;
    };
    void Run();

    History own_;  // used by the thread alone
    const int attemptWaitMs_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Pending> pending_;
    bool delayed_ = false;  // the oldest entry found the database busy
    bool stop_ = false;
    std::chrono::steady_clock::time_point deadline_{};
    std::uint64_t kept_ = 0;
    std::vector<std::string> lost_;
    std::function<void(History&)> afterKept_;
    std::thread thread_;
};
