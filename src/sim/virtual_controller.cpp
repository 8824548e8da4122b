#include "sim/virtual_controller.h"

#include <cerrno>
#include <cstring>

#include "protocol/command_report.h"
#include "protocol/response_report.h"

namespace {

constexpr MisbehaviourWord kWords[] = {
    {"silent", "silent", "answers nothing"},
    {"late", "late[=N]", "each answer waits N polls (3 without =N) before it can be read"},
    {"badcheck", "badcheck", "configuration replies and codes carry wrong check bytes"},
    {"errors", "errors", "a configuration request gets error 50, a store error 49"},
    {"flood", "flood", "unasked acknowledgements wait ahead of every answer"},
    {"refuse", "refuse", "opens of the controller fail"},
    {"failwrites", "failwrites", "every output report is refused"},
    {"absent", "absent", "starts unplugged"},
    {"hub", "hub[=N]", "N controllers (2 without =N, up to 4) plugged into ports of their own"},
    {"storeswrong", "storeswrong",
     "acknowledges a store but keeps a continuous current 1 A off the one it was sent"},
    {"lag", "lag[=N]",
     "its HID interface appears N searches (3 without =N) after each arrival, as on Windows"},
};

// "N" of "word=N" (`fallback` for the bare word) within [low, high]; false and `error` set
// for anything else.
bool NumberOf(std::string_view word, std::size_t nameLength, int fallback, int low, int high,
              const char* unit, int& out, std::string& error) {
    int n = fallback;
    if (word.size() > nameLength) {
        n = 0;
        for (char c : word.substr(nameLength + 1)) {
            if (c < '0' || c > '9' || n > high) {
                n = -1;
                break;
            }
            n = n * 10 + (c - '0');
        }
    }
    if (n < low || n > high || word.size() == nameLength + 1) {
        error = std::string(word.substr(0, nameLength)) + "= takes " + unit + ", not \"" +
                std::string(word) + "\"";
        return false;
    }
    out = n;
    return true;
}

// Applies one word; false when it is none of the list's.
bool ApplyWord(std::string_view word, Misbehaviour& out, std::string& error) {
    if (word == "late" || word.substr(0, 5) == "late=") {
        return NumberOf(word, 4, 3, 0, 100000, "a number of polls", out.lateBy, error);
    }
    if (word == "lag" || word.substr(0, 4) == "lag=") {
        return NumberOf(word, 3, 3, 1, 1000, "a number of searches", out.interfaceLag, error);
    }
    if (word == "hub" || word.substr(0, 4) == "hub=") {
        return NumberOf(word, 3, 2, 1, 4, "a number of controllers from 1 to 4", out.controllers,
                        error);
    }
    bool* const flags[] = {&out.silent,       nullptr,     &out.badCheckBytes,
                           &out.errorReplies, &out.flood,  &out.refuseOpens,
                           &out.failWrites,   &out.absent, nullptr,
                           &out.storesWrong,  nullptr};
    static_assert(std::size(flags) == std::size(kWords));
    for (std::size_t i = 0; i < std::size(kWords); ++i) {
        if (flags[i] != nullptr && word == kWords[i].word) {
            *flags[i] = true;
            return true;
        }
    }
    error = "unknown misbehaviour \"" + std::string(word) + "\" (" + MisbehaviourList() + ")";
    return false;
}

}  // namespace

std::span<const MisbehaviourWord> MisbehaviourWords() {
    return kWords;
}

std::string MisbehaviourList() {
    std::string out;
    for (const MisbehaviourWord& w : kWords) {
        if (!out.empty()) out += ", ";
        out += w.form;
    }
    return out;
}

bool ParseMisbehaviour(std::string_view list, Misbehaviour& out, std::string& error) {
    while (!list.empty()) {
        const auto comma = list.find(',');
        const std::string_view word = list.substr(0, comma);
        list = comma == std::string_view::npos ? std::string_view() : list.substr(comma + 1);
        if (!word.empty() && !ApplyWord(word, out, error)) return false;
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
        if (behaviour.storesWrong) {
            // Something the editors could have sent, so that only a read-back tells.
            const std::uint8_t amps = stored.Get(ConfigRecord::kContinuousCurrent);
            stored.Set(ConfigRecord::kContinuousCurrent,
                       static_cast<std::uint8_t>(amps > 1 ? amps - 1 : amps + 1));
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
