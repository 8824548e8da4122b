#include "config/history_queue.h"

#include <algorithm>
#include <chrono>
#include <utility>

HistoryQueue::HistoryQueue(const History& history, int attemptWaitMs)
    : own_(history.Twin()), attemptWaitMs_(attemptWaitMs), thread_([this] { Run(); }) {}

HistoryQueue::~HistoryQueue() {
    Finish(0);
}

void HistoryQueue::Keep(HistoryEvent event, const HistoryDevice& device, const ConfigRecord* set) {
    std::optional<ConfigRecord> copy;
    if (set != nullptr) copy = *set;
    const HistoryTime now = own_.Now();  // the clock is only read here, on the caller's thread
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        pending_.push_back({event, device, copy, now});
    }
    wake_.notify_one();
}

std::size_t HistoryQueue::waiting() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return delayed_ ? pending_.size() : 0;
}

std::uint64_t HistoryQueue::kept() const {
    const std::lock_guard<std::mutex> lock(mutex_);
    return kept_;
}

std::vector<std::string> HistoryQueue::TakeLost() {
    const std::lock_guard<std::mutex> lock(mutex_);
    return std::exchange(lost_, {});
}

void HistoryQueue::Finish(int waitMs) {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (!thread_.joinable()) return;
        stop_ = true;
        deadline_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    }
    wake_.notify_one();
    thread_.join();
    const std::lock_guard<std::mutex> lock(mutex_);
    delayed_ = !pending_.empty();
}

void HistoryQueue::Run() {
    using Clock = std::chrono::steady_clock;
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stop_ || !pending_.empty(); });
        const auto now = Clock::now();
        if (pending_.empty() || (stop_ && now >= deadline_)) return;
        const Pending next = pending_.front();
        int waitMs = attemptWaitMs_;
        if (stop_) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline_ - now).count();
            waitMs = static_cast<int>(std::clamp<long long>(left, 1, 60000));
        }
        lock.unlock();
        own_.SetWaitLimit(waitMs);
        std::string error;
        const History::Outcome outcome = own_.RecordAt(
            next.event, next.device, next.set ? &*next.set : nullptr, next.when, error);
        const auto tried = Clock::now();
        lock.lock();
        if (outcome == History::Outcome::kBusy) {
            // It and every later one wait, so that the entries keep their order. Where the
            // database said busy without waiting, the next try comes a moment later.
            delayed_ = true;
            if (tried - now < std::chrono::milliseconds(50)) {
                wake_.wait_for(lock, std::chrono::milliseconds(50));
            }
            continue;
        }
        if (outcome == History::Outcome::kFailed) lost_.push_back(error);
        if (outcome == History::Outcome::kKept) ++kept_;
        pending_.pop_front();
        delayed_ = false;
        if (pending_.empty() && afterKept_ && !stop_) {
            lock.unlock();
            afterKept_(own_);
            lock.lock();
        }
    }
}
