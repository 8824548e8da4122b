#pragma once

#include <cstdint>
#include <string>

#include "config/config_record.h"
#include "hid/hid_link.h"
#include "protocol/command_report.h"
#include "protocol/response_report.h"

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
    enum class Expect { kAck, kConfig };
    Status Exchange(const char* sendError, Expect expect, std::uint8_t ackCode,
                    std::uint8_t errorCode, int timeoutMs, ConfigRecord* config);

    HidLink link_;
    CommandReport output_;
    ResponseReport input_;
};

const char* StatusText(ControllerSession::Status status);
