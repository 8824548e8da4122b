#include "cli/ctl_device.h"

#include <cmath>
#include <cstring>

#include "cli/ctl_io.h"
#include "platform/permission_advice.h"

std::string CannotOpenAdvice(int error, const std::string& path) {
    return PermissionAdvice(GatherPermissionFacts(error, path), path);
}

CtlDevice::CtlDevice(const CtlOptions& o)
    : backend_(o.backend),
      session_(backend_.platform(), quiet_),
      timeoutMs_(static_cast<int>(std::lround(o.timeoutSeconds * 1000))),
      timeoutSeconds_(o.timeoutSeconds) {}

int CtlDevice::Open() {
    return Check(session_.Open());
}

int CtlDevice::Check(ControllerSession::Status status) {
    using S = ControllerSession::Status;
    switch (status) {
        case S::kOk:
            return Exit::kOk;
        case S::kNoController:
            return Fail(Exit::kNoController, "no controller found (is it plugged in?)");
        case S::kCannotOpen:
            return Fail(Exit::kNoController,
                        "the controller was found but " +
                            CannotOpenAdvice(session_.link().lastOpenError(),
                                             TrimmedPath(session_.link().devicePath())));
        case S::kWriteFailed:
            return Fail(Exit::kNoController, std::string("the controller refused the report (") +
                                                 std::strerror(session_.link().lastWriteError()) +
                                                 ")");
        case S::kTimedOut:
            return Fail(Exit::kTimeout,
                        "the controller did not answer within " + Seconds(timeoutSeconds_) + " s");
        case S::kErrorReply:
            return Fail(Exit::kDiffers, "the controller answered with an error");
    }
    return Exit::kOk;
}
