#include "protocol/controller_session.h"

#include "config/ui_text.h"

#include <chrono>
#include <cstring>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

}  // namespace

ControllerSession::ControllerSession(HidPlatform& platform, ErrorReporter& reporter)
    : link_(platform, reporter) {}

ControllerSession::~ControllerSession() {
    link_.CloseDeviceHandles();
}

ControllerSession::Status ControllerSession::Open() {
    link_.ConnectAtStart();
    if (link_.devicePath().empty()) return Status::kNoController;
    return link_.isOpen() ? Status::kOk : Status::kCannotOpen;
}

ReplyVerdict JudgeReply(ResponseReport& input, const ReplyExpectation& expect,
                        ConfigRecord* config) {
    const bool valid = !Decode(input).empty();
    const std::uint8_t kind = input[1], code = input[2];
    ReplyVerdict verdict = ReplyVerdict::kPassOver;
    if (valid && expect.config && kind == ResponseReport::kConfigReply) {
        if (config != nullptr) config->ReplaceAll(input.data() + ResponseReport::kRecordOffset);
        verdict = ReplyVerdict::kAnswer;
    } else if (valid && kind == ResponseReport::kError && code == expect.errorCode) {
        verdict = ReplyVerdict::kError;
    } else if (valid && !expect.config && kind == ResponseReport::kAcknowledgement &&
               code == expect.ackCode) {
        verdict = ReplyVerdict::kAnswer;
    } else if (!valid && !expect.config && input[0] == 0 &&
               (kind == ResponseReport::kAcknowledgement || kind == ResponseReport::kError)) {
        verdict = ReplyVerdict::kGarbled;
    }
    input.Clear();
    return verdict;
}

ControllerSession::Status ControllerSession::Exchange(const char* sendError,
                                                      const ReplyExpectation& expect, int timeoutMs,
                                                      ConfigRecord* config) {
    link_.DiscardPendingInput();
    if (!link_.WriteOutputReport(output_.data(), sendError)) return Status::kWriteFailed;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Clock::now() < deadline) {
        const auto started = Clock::now();
        if (link_.ReadInputReport(input_.data()) != ReadStatus::kReceived) {
            // A source that does not wait by itself is not spun on.
            if (Clock::now() - started < std::chrono::milliseconds(10)) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            continue;
        }
        switch (JudgeReply(input_, expect, config)) {
            case ReplyVerdict::kAnswer:
                return Status::kOk;
            case ReplyVerdict::kError:
                return Status::kErrorReply;
            case ReplyVerdict::kGarbled:
                return Status::kGarbled;
            case ReplyVerdict::kPassOver:
                break;
        }
    }
    return Status::kTimedOut;
}

ControllerSession::Status ControllerSession::Command(std::uint8_t code, int timeoutMs) {
    output_.BuildBareCommand(code);
    const std::uint8_t ack = code == CommandReport::kConnect      ? kConnected
                             : code == CommandReport::kDisconnect ? kDisconnected
                                                                  : kFactoryRestored;
    return Exchange(UI_TEXT_NOOP("Messages", "Send Command Error"), {false, ack, 0}, timeoutMs,
                    nullptr);
}

ControllerSession::Status ControllerSession::GetConfig(ConfigRecord& out, int timeoutMs) {
    output_.BuildBareCommand(CommandReport::kGetConfig);
    return Exchange(UI_TEXT_NOOP("Messages", "Send Command Error"), {true, 0, kGetConfigFailed},
                    timeoutMs, &out);
}

ControllerSession::Status ControllerSession::Store(const ConfigRecord& record, int timeoutMs) {
    output_.BuildStoreReport(record);
    return Exchange(UI_TEXT_NOOP("Messages", "Send Data Error"),
                    {false, kParametersLoaded, kLoadFailed}, timeoutMs, nullptr);
}

const char* StatusText(ControllerSession::Status status) {
    switch (status) {
        case ControllerSession::Status::kOk:
            return "done";
        case ControllerSession::Status::kNoController:
            return "no controller found";
        case ControllerSession::Status::kCannotOpen:
            return "the controller cannot be opened";
        case ControllerSession::Status::kWriteFailed:
            return "the controller refused the report";
        case ControllerSession::Status::kTimedOut:
            return "the controller did not answer in time";
        case ControllerSession::Status::kErrorReply:
            return "the controller answered with an error";
        case ControllerSession::Status::kGarbled:
            return "the controller's answer failed its check";
    }
    return "";
}
