#pragma once

#include <cstdint>
#include <string>

#include "config/config_record.h"
#include "hid/hid_link.h"
#include "protocol/command_report.h"
#include "protocol/response_report.h"

// What a request waits for: a configuration reply, or the acknowledgement `ackCode`; and
// the error code that answers it negatively (0: none).
struct ReplyExpectation {
    bool config = false;
    std::uint8_t ackCode = 0;
    std::uint8_t errorCode = 0;
};

enum class ReplyVerdict {
    kPassOver,  // belongs to nothing asked, or fails its check
    kAnswer,    // the answer; a configuration reply's record is copied to `config`
    kError,     // the controller's error for this request
    // An acknowledgement or error that fails its check bytes, while an acknowledgement is
    // awaited: the answer to this request was garbled. An acknowledgement that comes after
    // it (an unasked one, a flood) is no answer to this request.
    kGarbled,
};

// Judges one input report against what a request waits for, and clears the report.
ReplyVerdict JudgeReply(ResponseReport& input, const ReplyExpectation& expect,
                        ConfigRecord* config);

// A request-and-answer conversation with the controller, for programs without a window:
// it sends one report through the link and waits, with a deadline, for the reply that
// belongs to it. Replies that belong to nothing asked (a flood of acknowledgements, a late
// answer to an earlier request) are passed over.
class ControllerSession {
  public:
    enum class Status {
        kOk,
        kNoController,  // none found
        kCannotOpen,    // found, but the system refused the open (link().lastOpenError())
        kWriteFailed,
        kTimedOut,
        kErrorReply,  // the controller answered with its error code
        kGarbled,     // its answer failed its check bytes
    };

    ControllerSession(HidPlatform& platform, ErrorReporter& reporter);
    ~ControllerSession();

    Status Open();
    // Connect, disconnect or factory reset, and its acknowledgement.
    Status Command(std::uint8_t code, int timeoutMs);
    Status GetConfig(ConfigRecord& out, int timeoutMs);
    Status Store(const ConfigRecord& record, int timeoutMs);

    HidLink& link() { return link_; }
    const HidLink& link() const { return link_; }

  private:
    Status Exchange(const char* sendError, const ReplyExpectation& expect, int timeoutMs,
                    ConfigRecord* config);

    HidLink link_;
    CommandReport output_;
    ResponseReport input_;
};

const char* StatusText(ControllerSession::Status status);
