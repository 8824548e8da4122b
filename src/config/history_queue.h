#pragma once

#include <chrono>
#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "config/config_record.h"
#include "config/history.h"

// A window's entries, kept without making the person wait. Each is tried at once, with the
// history's short wait (the window sets one); an entry the database is too busy for (another
// program holds it: a long transaction, a backup) waits here, in order, with the moment it
// happened, and is tried again. One that cannot be kept at all is handed back with the
// reason, for the window to say.
class HistoryQueue {
  public:
    explicit HistoryQueue(History& history) : history_(history) {}

    // One entry of now.
    void Keep(HistoryEvent event, const HistoryDevice& device, const ConfigRecord* set);
    // The waiting entries tried again, oldest first, until one finds the database busy.
    void Retry();
    // ... where some wait and the last try is `kRetryInterval` ago (a window's tick calls it).
    void RetryWhenDue(std::chrono::steady_clock::time_point now);
    // ... once more, waiting up to `waitMs` for the database: the program is ending.
    void RetryLastTime(int waitMs);
    std::size_t waiting() const { return pending_.size(); }
    // The entries given up since the last call, each as the reason it could not be kept.
    std::vector<std::string> TakeLost();

    static constexpr std::chrono::milliseconds kRetryInterval{2000};

  private:
    struct Pending {
        HistoryEvent event;
        HistoryDevice device;
        std::optional<ConfigRecord> set;
        HistoryTime when;
    };
    History& history_;
    std::deque<Pending> pending_;
    std::chrono::steady_clock::time_point nextTry_{};
    std::vector<std::string> lost_;
};
