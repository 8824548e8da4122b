#include "app/ctl_device.h"

#include <cmath>
#include <cstring>

#include "app/ctl_io.h"

std::string CannotOpenAdvice(int error) {
    return std::string("cannot be opened (") + std::strerror(error) +
           "); install the udev rule 70-vt350.rules (see vt350ctl --help) and plug the "
           "controller in again";
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
            return Fail(kNoController, "the controller was found but " +
                                           CannotOpenAdvice(session_.link().lastOpenError()));
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
