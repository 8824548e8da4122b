#include "cli/workshop/provisioner.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <nlohmann/json.hpp>

#include "cli/ctl_io.h"
#include "config/config_file.h"
#include "config/file_replace.h"
#include "config/file_system.h"
#include "config/os_error.h"
#include "hid/bound_controller.h"
#include "hid/controller_identity.h"
#include "hid/device_text.h"
#include "protocol/controller_session.h"

namespace {

class SilentReporter : public ErrorReporter {
  public:
    void ShowErrorBox(const std::string&) override {}
};

// "-1-1.3" for a backup's name: the characters a file name may hold everywhere.
std::string BackupNamePart(const std::string& text) {
    if (text.empty()) return "";
    std::string out = "-";
    for (const char c : text) {
        const bool plain = std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-';
        out += plain ? c : '_';
    }
    return out;
}

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
    // The controllers taken, by where they are plugged in, with the plug-in they came with.
    std::map<std::string, std::string> taken;
    bool takenPresent = false;  // one of them was there at the last look
    bool lookNow = true;        // something changed (or may have) since the last look
    std::chrono::steady_clock::time_point settleUntil{};
    // Controllers whose open was refused, by place: their plug-in, when the first refusal
    // came and when to try again.
    struct Refusal {
        std::string instance;
        std::chrono::steady_clock::time_point since, retryAt;
    };
    std::map<std::string, Refusal> refused;
    DeviceChangeCopies copies;
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

std::vector<FoundController> Provisioner::Look() {
    const std::vector<FoundController> present =
        InPort(parts_->session.link().FindControllers(), job_.port);
    auto& taken = parts_->taken;
    parts_->takenPresent = false;
    for (auto it = taken.begin(); it != taken.end();) {
        const bool there = std::any_of(present.begin(), present.end(), [&](const auto& c) {
            return PlaceOf(c) == it->first && c.instance == it->second;
        });
        parts_->takenPresent = parts_->takenPresent || there;
        it = there ? std::next(it) : taken.erase(it);
    }
    auto& refused = parts_->refused;
    for (auto it = refused.begin(); it != refused.end();) {
        const bool there = std::any_of(present.begin(), present.end(), [&](const auto& c) {
            return PlaceOf(c) == it->first && c.instance == it->second.instance;
        });
        it = there ? std::next(it) : refused.erase(it);
    }
    return present;
}

void Provisioner::OnDeviceChange(std::uint32_t event, const std::uint8_t* record,
                                 std::size_t size) {
    std::int16_t flag = PresenceFlag::kFalse;
    if (!HandleDeviceChange(parts_->copies, event, record, size, ControllerIdentity::kMatchKey,
                            flag)) {
        return;
    }
    parts_->lookNow = true;
    if (event == kDeviceArrival) {
        const auto now = std::chrono::steady_clock::now();
        parts_->settleUntil = now + std::chrono::milliseconds(job_.settleMs);
        // Its rules may be applied now: a refused controller is tried again at once (the
        // records do not say which controller arrived when several share one serial).
        for (auto& [place, refusal] : parts_->refused) refusal.retryAt = now;
    } else {
        // Forget the removed one now, before a controller plugged into its port at once
        // could be taken for it (where the system gives no plug-in of its own).
        Look();
    }
}

void Provisioner::Remember(HistoryEvent event, const ProvisionRecord& r, const ConfigRecord& set) {
    if (job_.history != nullptr)
        job_.history->Record(event, {r.device, r.port, r.serial, r.plugIn, r.unit}, &set);
}

void Provisioner::Program(const FoundController& controller, ProvisionRecord& r) {
    ControllerSession& session = parts_->session;
    HidLink& link = session.link();
    r.device = TrimmedPath(controller.path);
    r.port = controller.port;
    r.serial = controller.serial;
    r.plugIn = controller.instance;
    link.Connect(controller);
    if (!link.isOpen()) {
        r.outcome = "skipped";
        r.error = std::string("cannot be opened (") + SystemErrorText(link.lastOpenError()) + ")";
        return;
    }
    r.unit = job_.unit;
    if (hooks_.askUnit) {
        // Asked once it is open, so that every entry it leaves names its unit.
        const std::optional<std::string> unit = hooks_.askUnit(r);
        if (!unit) {
            r.outcome = "skipped";
            r.error = "no unit was given";
            return;
        }
        r.unit = *unit;
    }
    r.outcome = "failed";
    auto status = session.GetConfig(r.before, job_.timeoutMs);
    if (status != ControllerSession::Status::kOk) {
        r.error = Failure(status, "reading its set");
        return;
    }
    r.haveBefore = true;
    Remember(HistoryEvent::kRead, r, r.before);
    if (!job_.backupDir.empty()) {
        char head[64];
        std::snprintf(head, sizeof head, "%04d-%s", r.sequence, hooks_.now().c_str());
        const std::string name = head + BackupNamePart(r.port) + BackupNamePart(r.serial) + ".qkf";
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
    Remember(HistoryEvent::kStored, r, job_.set);
    status = session.GetConfig(r.after, job_.timeoutMs);
    if (status != ControllerSession::Status::kOk) {
        r.error = Failure(status, "reading the set back");
        return;
    }
    r.haveAfter = true;
    Remember(HistoryEvent::kRead, r, r.after);
    if (const int differs = job_.set.FirstStoredDifference(r.after); differs >= 0) {
        r.error =
            "verify: the controller holds other parameters (byte " + std::to_string(differs) + ")";
        return;
    }
    r.outcome = "programmed";
}

bool Provisioner::TryAgainLater(const FoundController& controller, const ProvisionRecord& r) {
    if (r.outcome != "skipped" || !IsAccessRefused(parts_->session.link().lastOpenError())) {
        return false;
    }
    const auto now = std::chrono::steady_clock::now();
    auto [it, first] = parts_->refused.try_emplace(PlaceOf(controller));
    if (first || it->second.instance != controller.instance) {
        it->second = {controller.instance, now, now};
    }
    if (now - it->second.since >= std::chrono::milliseconds(job_.refusedRetryMs)) {
        parts_->refused.erase(it);
        return false;
    }
    it->second.retryAt = now + std::chrono::milliseconds(kRefusedLookMs);
    return true;
}

bool Provisioner::Log(const ProvisionRecord& r) {
    if (job_.logPath.empty()) return true;
    nlohmann::ordered_json line{
        {"time", hooks_.isoTime()},
        {"sequence", r.sequence},
        {"device", r.device},
        {"port", r.port},
        {"serial", r.serial},
        {"unit", r.unit},
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
    // Flushed before the line is reported: what the screen says was logged survives a power
    // cut (a pipe or a terminal has nothing to flush: EINVAL).
    const bool written =
        AppendWhole(fd, line.dump() + "\n") && (file_system::Fsync(fd) == 0 || errno == EINVAL);
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
    out_ << seq << "  " << r.outcome << "  port " << (r.port.empty() ? "-" : r.port) << "  serial "
         << (r.serial.empty() ? "-" : r.serial) << "  " << (r.device.empty() ? "-" : r.device);
    if (!r.unit.empty()) out_ << "  unit " << ShownDeviceText(r.unit);
    if (!r.backup.empty()) out_ << "  backup " << r.backup;
    if (!r.error.empty()) out_ << "  " << r.error << '\a';  // the bell: look up from the bench
    out_ << std::endl;
    if (hooks_.reported) hooks_.reported();
}

ProvisionSummary Provisioner::Run() {
    Parts& p = *parts_;
    ProvisionSummary summary;
    p.changes.SetLostEventsHandler([&p] { p.lookNow = true; });
    if (!p.changes.Register([this](std::uint32_t event, const std::uint8_t* record,
                                   std::size_t size) { OnDeviceChange(event, record, size); })) {
        summary.eventsUnavailable = true;
        return summary;
    }
    out_ << "Waiting for controllers (Ctrl+C ends the line)..." << std::endl;
    // The controllers already plugged in count as arrivals.
    int sequence = 0;
    while (job_.count == 0 || sequence < job_.count) {
        if (hooks_.stopRequested && hooks_.stopRequested()) break;
        const auto now = std::chrono::steady_clock::now();
        const bool settling = now < p.settleUntil;
        const bool retryDue = std::any_of(p.refused.begin(), p.refused.end(),
                                          [&](const auto& r) { return r.second.retryAt <= now; });
        if (std::exchange(p.lookNow, false) || settling || retryDue) {
            const auto present = Look();
            const auto next = std::find_if(present.begin(), present.end(), [&](const auto& c) {
                const auto refusal = p.refused.find(PlaceOf(c));
                return p.taken.count(PlaceOf(c)) == 0 &&
                       (refusal == p.refused.end() || refusal->second.retryAt <= now);
            });
            if (next != present.end()) {
                ProvisionRecord record;
                record.sequence = sequence + 1;
                Program(*next, record);
                p.session.link().CloseDeviceHandles();
                if (TryAgainLater(*next, record)) {
                    p.lookNow = true;  // others may be waiting meanwhile
                    continue;
                }
                p.refused.erase(PlaceOf(*next));
                p.taken[PlaceOf(*next)] = next->instance;
                ++sequence;
                Report(record);
                ++(record.outcome == "programmed" ? summary.programmed
                   : record.outcome == "failed"   ? summary.failed
                                                  : summary.skipped);
                p.lookNow = true;  // more may be waiting, and this one may be gone already
                continue;
            }
        }
        if (hooks_.idle) {
            hooks_.idle(p.takenPresent ? ProvisionPhase::kWaitingForRemoval
                                       : ProvisionPhase::kWaitingForArrival);
        }
        p.changes.WaitForEvents(kEventWaitMs);
    }
    return summary;
}

int ProvisionExitStatus(const ProvisionSummary& s) {
    if (s.eventsUnavailable || s.programmed + s.failed + s.skipped == 0) return Exit::kNoController;
    return s.allProgrammed() ? Exit::kOk : Exit::kDiffers;
}
