#include "sim/virtual_controller.h"

#include <cerrno>
#include <cstring>

#include "protocol/command_report.h"
#include "protocol/response_report.h"

bool ParseMisbehaviour(std::string_view list, Misbehaviour& out, std::string& error) {
    while (!list.empty()) {
        const auto comma = list.find(',');
        const std::string_view word = list.substr(0, comma);
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
        if (word == "silent") {
            out.silent = true;
        } else if (word == "late") {
            out.lateBy = 3;
        } else if (word.substr(0, 5) == "late=") {
            int n = 0;
            for (char c : word.substr(5)) {
                if (c < '0' || c > '9' || n > 100000) {
                    error = "late= takes a number of polls, not \"" + std::string(word) + "\"";
                    return false;
                }
                n = n * 10 + (c - '0');
            }
            out.lateBy = n;
        } else if (word == "badcheck") {
            out.badCheckBytes = true;
        } else if (word == "errors") {
            out.errorReplies = true;
        } else if (word == "flood") {
            out.flood = true;
        } else if (word == "refuse") {
            out.refuseOpens = true;
        } else if (word == "failwrites") {
            out.failWrites = true;
        } else if (word == "absent") {
            out.absent = true;
        } else if (!word.empty()) {
            error = "unknown misbehaviour \"" + std::string(word) +
                    "\" (silent, late[=N], badcheck, errors, flood, refuse, failwrites, absent)";
            return false;
        }
    }
    return true;
}

ConfigRecord VirtualController::FactoryRecord() {
    ConfigRecord r;
    const std::uint8_t bytes[ConfigRecord::kSize] = {15,   30, 135, 110, 25, 1, 0, 0,
                                                     0x01, 0,  128, 0,   0,  0, 0};
    r.ReplaceAll(bytes);
    return r;
}

VirtualController::VirtualController() : stored(FactoryRecord()) {}

void VirtualController::Queue(const std::array<std::uint8_t, 19>& report) {
    if (behaviour.silent) return;
    if (count_ == kQueueSize) {  // a host that never reads loses the oldest answers
        head_ = (head_ + 1) % kQueueSize;
        --count_;
    }
    queue_[(head_ + count_) % kQueueSize] = {report, behaviour.lateBy};
    ++count_;
}

void VirtualController::QueueCode(std::uint8_t kind, std::uint8_t code) {
    std::array<std::uint8_t, 19> r{};
    r[1] = kind;
    r[2] = code;
    r[3] = code;
    r[4] = behaviour.badCheckBytes ? static_cast<std::uint8_t>(code + 1) : code;
    Queue(r);
}

void VirtualController::QueueConfigReply() {
    ResponseReport reply;
    reply[1] = ResponseReport::kConfigReply;
    std::memcpy(reply.data() + ResponseReport::kRecordOffset, stored.Bytes().data(),
                ConfigRecord::kSize);
    SealConfigReply(reply);
    if (behaviour.badCheckBytes) reply[17] ^= 0x5A;
    Queue(reply.Bytes());
}

void VirtualController::Receive(const std::uint8_t* report) {
    std::array<std::uint8_t, 15> copy;
    std::memcpy(copy.data(), report, copy.size());
    if (received.size() == kHistorySize) received.pop_front();
    received.push_back(copy);
    ++receivedCount;
    if (report[0] != 0) return;

    if (report[1] == 1) {  // store parameters
        std::uint8_t x13 = 0, x14 = 0;
        for (int i = 1; i <= 6; ++i) {
            x13 ^= report[i];
            x14 ^= report[i + 6];
        }
        if (x13 != report[13] || x14 != report[14] || behaviour.errorReplies) {
            QueueCode(ResponseReport::kError, kLoadFailed);
            return;
        }
        for (std::size_t i = 0; i < ConfigRecord::kParameterCount; ++i) {
            stored.Set(i, report[2 + i]);
        }
        QueueCode(ResponseReport::kAcknowledgement, kParametersLoaded);
        return;
    }
    if (report[1] != 2 || report[2] != report[3]) return;
    switch (report[2]) {
        case CommandReport::kConnect:
            QueueCode(ResponseReport::kAcknowledgement, kConnected);
            break;
        case CommandReport::kDisconnect:
            QueueCode(ResponseReport::kAcknowledgement, kDisconnected);
            break;
        case CommandReport::kFactoryReset:
            stored = FactoryRecord();
            QueueCode(ResponseReport::kAcknowledgement, kFactoryRestored);
            break;
        case CommandReport::kGetConfig:
            if (behaviour.errorReplies) {
                QueueCode(ResponseReport::kError, kGetConfigFailed);
            } else {
                QueueConfigReply();
            }
            break;
        default:
            break;
    }
}

bool VirtualController::NextInput(std::uint8_t* report) {
    if (behaviour.flood && !floodStarted_) {
        floodStarted_ = true;
        unasked_ = kFloodBurst;
    }
    if (unasked_ > 0) {
        --unasked_;
        const std::uint8_t ack[19] = {0, ResponseReport::kAcknowledgement, kConnected, kConnected,
                                      kConnected};
        std::memcpy(report, ack, sizeof ack);
        return true;
    }
    if (count_ == 0) return false;
    Pending& first = queue_[head_];
    if (first.wait > 0) {
        --first.wait;
        return false;
    }
    std::memcpy(report, first.bytes.data(), first.bytes.size());
    head_ = (head_ + 1) % kQueueSize;
    --count_;
    if (behaviour.flood) unasked_ = kFloodBurst;
    return true;
}
