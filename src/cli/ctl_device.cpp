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
            return kOk;
        case S::kNoController:
            return Fail(kNoController, "no controller found (is it plugged in?)");
        case S::kCannotOpen:
            return Fail(kNoController,
                        "the controller was found but " +
                            CannotOpenAdvice(session_.link().lastOpenError(),
                                             TrimmedPath(session_.link().devicePath())));
        case S::kWriteFailed:
            return Fail(kNoController, std::string("the controller refused the report (") +
                                           std::strerror(session_.link().lastWriteError()) + ")");
        case S::kTimedOut:
            return Fail(kTimeout,
                        "the controller did not answer within " + Seconds(timeoutSeconds_) + " s");
        case S::kErrorReply:
            return Fail(kDiffers, "the controller answered with an error");
    }
    return kOk;
}
