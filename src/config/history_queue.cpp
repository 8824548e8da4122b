#include "config/history_queue.h"

#include <utility>

void HistoryQueue::Keep(HistoryEvent event, const HistoryDevice& device, const ConfigRecord* set) {
    std::optional<ConfigRecord> copy;
    if (set != nullptr) copy = *set;
    pending_.push_back({event, device, copy, history_.Now()});
    Retry();
}

void HistoryQueue::Retry() {
    while (!pending_.empty()) {
        const Pending& next = pending_.front();
        std::string error;
        const History::Outcome outcome = history_.RecordAt(
            next.event, next.device, next.set ? &*next.set : nullptr, next.when, error);
        // Busy: it and every later one wait, so that the entries keep their order.
        if (outcome == History::Outcome::kBusy) return;
        if (outcome == History::Outcome::kFailed) lost_.push_back(error);
        pending_.pop_front();
    }
}

void HistoryQueue::RetryWhenDue(std::chrono::steady_clock::time_point now) {
    if (pending_.empty() || now < nextTry_) return;
    Retry();
    nextTry_ = now + kRetryInterval;
}

void HistoryQueue::RetryLastTime(int waitMs) {
    if (pending_.empty()) return;
    history_.SetWaitLimit(waitMs);
    Retry();
}

std::vector<std::string> HistoryQueue::TakeLost() {
    return std::exchange(lost_, {});
}
