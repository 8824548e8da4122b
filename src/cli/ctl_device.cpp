#include "cli/ctl_device.h"

#include <cmath>
#include <cstring>
#include <iostream>

#include "cli/ctl_io.h"
#include "config/os_error.h"
#include "platform/history_place.h"
#include "platform/permission_advice.h"
#include "protocol/command_report.h"

History OpenHistory(const CtlOptions& o) {
    History history(HistoryFolder(o.backend.demo), "vt350ctl", HistoryNow);
    history.SetBench(BenchName(o.bench));
    return history;
}

int HistoryUnreadable(const History& history, std::size_t read) {
    const std::string damaged =
        history.readProblem().find("malformed") != std::string::npos
            ? "; sqlite3 can try to recover it (sqlite3 history.db .recover), and moving "
              "history.db aside begins a new one"
            : "";
    return Fail(Exit::kFileError,
                "the history in " + history.folder() + " cannot be read" +
                    (read > 0 ? " whole (" + std::to_string(read) + " entries read)" : "") + ": " +
                    history.readProblem() + damaged);
}

std::string CannotOpenAdvice(int error, const std::string& path) {
    return PermissionAdvice(GatherPermissionFacts(error, path), path);
}

CtlDevice::CtlDevice(const CtlOptions& o)
    : backend_(o.backend),
      history_(OpenHistory(o)),
      session_(backend_.platform(), quiet_),
      timeoutMs_(static_cast<int>(std::lround(o.timeoutSeconds * 1000))),
      timeoutSeconds_(o.timeoutSeconds),
      port_(o.port),
      unit_(o.unit),
      sayWhich_(!o.quiet && !o.json && o.output != "-") {}

HistoryDevice CtlDevice::Device() {
    const FoundController& c = session_.link().controller();
    return {TrimmedPath(c.path), c.port, c.serial, c.instance, unit_};
}

int CtlDevice::Read(ConfigRecord& out) {
    if (int rc = Check(session_.GetConfig(out, timeoutMs_))) return rc;
    history_.Record(HistoryEvent::kRead, Device(), &out);
    return Exit::kOk;
}

int CtlDevice::Store(const ConfigRecord& set) {
    if (int rc = Check(session_.Store(set, timeoutMs_))) return rc;
    history_.Record(HistoryEvent::kStored, Device(), &set);
    return Exit::kOk;
}

int CtlDevice::Command(std::uint8_t code) {
    if (int rc = Check(session_.Command(code, timeoutMs_))) return rc;
    if (code == CommandReport::kFactoryReset) {
        history_.Record(HistoryEvent::kReset, Device(), nullptr);
    }
    return Exit::kOk;
}

int CtlDevice::Open() {
    HidLink& link = session_.link();
    const std::vector<FoundController> all = link.FindControllers();
    const std::vector<FoundController> found = InPort(all, port_);
    if (found.empty() && !all.empty()) {
        return Fail(Exit::kNoController, "no controller is plugged into port " + port_ +
                                             " (controllers are plugged into " + PortList(all) +
                                             ")");
    }
    if (found.empty()) return Check(ControllerSession::Status::kNoController);
    if (found.size() > 1) {
        return Fail(Exit::kUsage, std::to_string(found.size()) + " controllers are plugged in (" +
                                      PortList(found) + "): choose one with --port");
    }
    // The one found is the one opened: no second search that could find another.
    link.Connect(found.front());
    if (sayWhich_) std::cerr << "Controller: " << DescribeController(found.front()) << "\n";
    return Check(link.isOpen() ? ControllerSession::Status::kOk
                               : ControllerSession::Status::kCannotOpen);
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
                                                 SystemErrorText(session_.link().lastWriteError()) +
                                                 ")");
        case S::kTimedOut:
            return Fail(Exit::kTimeout,
                        "the controller did not answer within " + Seconds(timeoutSeconds_) + " s");
        case S::kErrorReply:
            return Fail(Exit::kDiffers, "the controller answered with an error");
        case S::kGarbled:
            return Fail(Exit::kDiffers,
                        "the controller's answer failed its check (nothing "
                        "after it is taken for the answer)");
    }
    return Exit::kOk;
}
