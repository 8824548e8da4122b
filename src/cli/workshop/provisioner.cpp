#include "cli/workshop/provisioner.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <nlohmann/json.hpp>
#include <thread>

#include "cli/ctl_io.h"
#include "config/config_file.h"
#include "config/file_replace.h"
#include "config/file_system.h"
#include "protocol/controller_session.h"

namespace {

class SilentReporter : public ErrorReporter {
  public:
    void ShowErrorBox(const std::string&) override {}
};

std::string Failure(ControllerSession::Status status, const char* step) {
    return std::string(step) + ": " + StatusText(status);
}

}  // namespace

struct Provisioner::Parts {
    Parts(HidPlatform& platform, DeviceChangeSource& changes)
        : changes(changes), session(platform, reporter) {}
    DeviceChangeSource& changes;
    SilentReporter reporter;
    ControllerSession session;
};

Provisioner::Provisioner(HidPlatform& platform, DeviceChangeSource& changes, ProvisionJob job,
                         std::ostream& out, ProvisionHooks hooks)
    : parts_(std::make_unique<Parts>(platform, changes)),
      job_(std::move(job)),
      out_(out),
      hooks_(std::move(hooks)) {}

Provisioner::~Provisioner() {
    parts_->changes.Unregister();
}

bool Provisioner::WaitFor(ProvisionPhase phase) {
    HidLink& link = parts_->session.link();
    // A removal counts once it happened, even when the next arrival came with it (both
    // queued while the line was busy): the flag alone would say "present" and the line
    // would wait for a removal that is over.
    const auto done = [&] {
        return phase == ProvisionPhase::kWaitingForArrival ? link.present()
                                                           : link.removals() > removalsTaken_;
    };
    while (!done()) {
        if (hooks_.stopRequested && hooks_.stopRequested()) return false;
        if (hooks_.idle) hooks_.idle(phase);
        parts_->changes.WaitForEvents(kEventWaitMs);
    }
    if (phase == ProvisionPhase::kWaitingForRemoval) removalsTaken_ = link.removals();
    return true;
}

void Provisioner::Remember(HistoryEvent event, const std::string& device, const ConfigRecord& set) {
    if (job_.history != nullptr) job_.history->Record(event, device, &set);
}

void Provisioner::Program(ProvisionRecord& r) {
    ControllerSession& session = parts_->session;
    HidLink& link = session.link();
    // The arrival said it is there; the search finds and opens it, as a tick would.
    link.MaintainDeviceLink();
    r.device = TrimmedPath(link.devicePath());
    if (!link.isOpen()) {
        r.outcome = "skipped";
        r.error = link.devicePath().empty() ? "not found after its arrival"
                                            : std::string("cannot be opened (") +
                                                  std::strerror(link.lastOpenError()) + ")";
        return;
    }
    r.outcome = "failed";
    auto status = session.GetConfig(r.before, job_.timeoutMs);
    if (status != ControllerSession::Status::kOk) {
        r.error = Failure(status, "reading its set");
        return;
    }
    r.haveBefore = true;
    Remember(HistoryEvent::kRead, r.device, r.before);
    if (!job_.backupDir.empty()) {
        char name[64];
        std::snprintf(name, sizeof name, "%04d-%s.qkf", r.sequence, hooks_.now().c_str());
        // A new file each time: stations that share the folder never overwrite each other's
        // backups, and nothing planted under the name is written through.
        const std::string wanted = job_.backupDir + "/" + name;
        const FileResult saved = SaveNewRecord(wanted, r.before, r.backup);
        if (!saved.ok()) {
            // Without its backup a controller is not changed.
            r.error = DescribeFileResult(saved, r.backup);
            r.backup.clear();
            return;
        }
    }
    status = session.Store(job_.set, job_.timeoutMs);
    if (status != ControllerSession::Status::kOk) {
        r.error = Failure(status, "storing the set");
        return;
    }
    Remember(HistoryEvent::kStored, r.device, job_.set);
    status = session.GetConfig(r.after, job_.timeoutMs);
    if (status != ControllerSession::Status::kOk) {
        r.error = Failure(status, "reading the set back");
        return;
    }
    r.haveAfter = true;
    Remember(HistoryEvent::kRead, r.device, r.after);
    if (const int differs = job_.set.FirstStoredDifference(r.after); differs >= 0) {
        r.error =
            "verify: the controller holds other parameters (byte " + std::to_string(differs) + ")";
        return;
    }
    r.outcome = "programmed";
}

bool Provisioner::Log(const ProvisionRecord& r) {
    if (job_.logPath.empty()) return true;
    nlohmann::ordered_json line{
        {"time", hooks_.isoTime()},
        {"sequence", r.sequence},
        {"device", r.device},
        {"set", job_.setName},
        {"set_sha256", job_.setSha256},
        {"before", r.haveBefore ? nlohmann::ordered_json(r.before.Hex()) : nullptr},
        {"after", r.haveAfter ? nlohmann::ordered_json(r.after.Hex()) : nullptr},
        {"backup",
         r.backup.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(r.backup)},
        {"outcome", r.outcome},
        {"error",
         r.error.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(r.error)}};
    // One write on an O_APPEND descriptor: lines of lines running at once never mix, and a
    // line the disk had no room for is cut back whole, so that the next line starts clean.
    const int fd = file_system::OpenForAppending(job_.logPath);
    if (fd < 0) return false;
    const bool written = AppendWhole(fd, line.dump() + "\n");
    return file_system::Close(fd) == 0 && written;
}

void Provisioner::Report(ProvisionRecord& r) {
    // The log first: a workshop relies on it, and the screen may be gone (a dropped SSH
    // session, a closed pipe). A controller whose line could not be logged has failed.
    if (!Log(r)) {
        r.outcome = "failed";
        r.error += std::string(r.error.empty() ? "" : "; ") + "could not append to the log " +
                   job_.logPath;
    }
    char seq[16];
    std::snprintf(seq, sizeof seq, "%04d", r.sequence);
    out_ << seq << "  " << r.outcome << "  " << (r.device.empty() ? "-" : r.device);
    if (!r.backup.empty()) out_ << "  backup " << r.backup;
    if (!r.error.empty()) out_ << "  " << r.error << '\a';  // the bell: look up from the bench
    out_ << std::endl;
}

ProvisionSummary Provisioner::Run() {
    HidLink& link = parts_->session.link();
    ProvisionSummary summary;
    if (!link.Follow(parts_->changes)) {
        summary.eventsUnavailable = true;
        return summary;
    }
    out_ << "Waiting for controllers (Ctrl+C ends the line)..." << std::endl;
    // A controller already plugged in counts as the first arrival.
    link.Resynchronise();
    for (int sequence = 1; job_.count == 0 || sequence <= job_.count; ++sequence) {
        if (!WaitFor(ProvisionPhase::kWaitingForArrival)) break;
        removalsTaken_ = link.removals();  // this controller's removal is the next one
        ProvisionRecord record;
        record.sequence = sequence;
        Program(record);
        Report(record);
        ++(record.outcome == "programmed" ? summary.programmed
           : record.outcome == "failed"   ? summary.failed
                                          : summary.skipped);
        link.CloseDeviceHandles();
        if (sequence == job_.count) break;  // the last one need not leave first
        if (!WaitFor(ProvisionPhase::kWaitingForRemoval)) break;
    }
    return summary;
}

int ProvisionExitStatus(const ProvisionSummary& s) {
    if (s.eventsUnavailable || s.programmed + s.failed + s.skipped == 0) return Exit::kNoController;
    return s.allProgrammed() ? Exit::kOk : Exit::kDiffers;
}
