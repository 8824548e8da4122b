// vt350ctl's workshop commands: provision (one set for controller after controller) and
// watch (arrivals and removals as they happen).
#include <atomic>
#include <chrono>
#include <csignal>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "cli/ctl_commands.h"
#include "cli/ctl_device.h"
#include "cli/ctl_io.h"
#include "cli/workshop/provisioner.h"
#include "config/network_share.h"
#include "config/parameter_view.h"
#include "config/unit_name.h"
#include "hid/controller_identity.h"
#include "platform/interrupts.h"
#include "platform/local_time.h"
#include "platform/sha256.h"

namespace {

constexpr const char* kNoEvents = "the arrival and removal events cannot be received";

// In demo mode a simulated technician unplugs each controller once it is done and plugs
// in the next one, fresh from the factory, a moment later.
std::function<void(ProvisionPhase)> DemoTechnician(ControllerBackend& backend) {
    auto last = std::make_shared<std::chrono::steady_clock::time_point>();
    return [&backend, last](ProvisionPhase phase) {
        VirtualHidPlatform* bench = backend.virtualPlatform();
        if (bench == nullptr) return;
        const auto now = std::chrono::steady_clock::now();
        if (now - *last < std::chrono::milliseconds(100)) return;
        *last = now;
        if (phase == ProvisionPhase::kWaitingForRemoval) {
            bench->Unplug();
        } else {
            backend.controller().stored = VirtualController::FactoryRecord();
            bench->Plug();
        }
    };
}

// Each controller's unit from standard input, as a person types it or a barcode scanner
// sends it (its text and Enter); an empty or unfit line is refused and asked again.
std::optional<std::string> AskUnit(const ProvisionRecord& r) {
    for (;;) {
        std::cout << "Unit of the controller in port " << (r.port.empty() ? "-" : r.port)
                  << " (scan or type it, then Enter): " << std::flush;
        std::string line;
        if (!std::getline(std::cin, line)) {
            std::cout << std::endl;
            return std::nullopt;
        }
        const std::string unit = TrimmedUnit(line);
        const std::string problem = UnitProblem(unit);
        if (problem.empty()) return unit;
        std::cout << problem << "; the controller waits for its unit.\a" << std::endl;
    }
}

}  // namespace

int CmdProvision(const CtlOptions& o) {
    const std::string& path = o.args.at(0);
    std::string bytes;  // the whole file, for its checksum in the log
    ConfigRecord set;
    if (int rc = LoadSet(path, set, &bytes)) return rc;
    if (!o.force) {
        if (int rc = CheckSendable(path, set)) return rc;
    }
    if (!o.backupDir.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(o.backupDir, ec);
        if (!std::filesystem::is_directory(o.backupDir)) {
            return Fail(Exit::kFileError,
                        "the backup folder \"" + o.backupDir + "\" cannot be made");
        }
    }
    ControllerBackend backend(o.backend);
    if (backend.deviceChanges() == nullptr) {
        return Fail(Exit::kNoController, "this system delivers no arrival and removal events");
    }
    std::cout << DescribeRecord(set) << std::flush;
    PrintWarnings(set);
    if (!o.yes && !Confirm("Write these parameters to every controller plugged in?")) {
        return Fail(Exit::kDiffers, "not confirmed; nothing was written");
    }
    ProvisionJob job{.set = set,
                     .setName = path,
                     .setSha256 = Sha256Hex(bytes),
                     .backupDir = o.backupDir,
                     .logPath = o.logFile,
                     .count = o.count,
                     .timeoutMs = static_cast<int>(o.timeoutSeconds * 1000),
                     .port = o.port,
                     .settleMs = backend.deviceChanges()->ArrivalSettleMs(),
                     .unit = o.unit};
    if (!o.logFile.empty()) {
        const std::filesystem::path log(o.logFile);
        const std::string folder = log.has_parent_path() ? log.parent_path().string() : ".";
        const std::string share = NetworkShareWarning(folder, "The workshop log's folder");
        if (!share.empty()) std::cerr << "vt350ctl: " << share << ".\n";
    }
    History history = OpenHistory(o);
    job.history = &history;
    CatchInterrupts();
    ProvisionHooks hooks{[] { return Interrupted(); }, DemoTechnician(backend),
                         [] { return LocalTimeText("%Y%m%d-%H%M%S"); },
                         [] { return LocalTimeText("%Y-%m-%dT%H:%M:%S%z"); }};
    if (o.askUnit) hooks.askUnit = AskUnit;
    // Each controller's entries go to the shared record as the line goes on, not at its end.
    hooks.reported = [&o, &history] { SendToSharedRecord(o, history); };
    Provisioner line(backend.platform(), *backend.deviceChanges(), job, std::cout, hooks);
    const ProvisionSummary summary = line.Run();
    if (summary.eventsUnavailable) return Fail(Exit::kNoController, kNoEvents);
    std::cout << "Programmed " << summary.programmed << ", failed " << summary.failed
              << ", skipped " << summary.skipped << "." << std::endl;
    const int status = ProvisionExitStatus(summary);
    if (status == Exit::kNoController) return Fail(status, "no controller was plugged in");
    return status;
}

namespace {

// One arrival or removal as watch prints it.
void PrintChange(const CtlOptions& o, bool arrival, const FoundController& c,
                 HidPlatform& platform) {
    std::string error;
    bool openable = false;
    if (arrival) {
        const HidOpenResult probe = platform.OpenRead(c.path);
        openable = probe.ok();
        if (openable) {
            platform.Close(probe.handle);
        } else {
            error = CannotOpenAdvice(probe.error, c.path);
        }
    }
    if (o.json) {
        nlohmann::ordered_json line{{"time", LocalTimeText("%Y-%m-%dT%H:%M:%S%z")},
                                    {"event", arrival ? "arrival" : "removal"},
                                    {"port", c.port},
                                    {"serial", c.serial},
                                    {"device", TrimmedPath(c.path)}};
        if (arrival) {
            line["openable"] = openable;
            line["error"] =
                error.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(error);
        }
        std::cout << line.dump() << std::endl;
        return;
    }
    std::cout << LocalTimeText("%H:%M:%S") << "  " << (arrival ? "arrival" : "removal") << "  "
              << DescribeController(c);
    if (arrival) std::cout << "  " << (openable ? "can be opened" : error);
    std::cout << std::endl;
}

// Shows every arrival and removal record on its way to the link: the names the system
// gives devices, the controller's among them or not.
class EveryDevice : public DeviceChangeSource {
  public:
    EveryDevice(DeviceChangeSource& inner, const CtlOptions& o) : inner_(inner), o_(o) {}
    bool Register(Handler handler) override {
        inner_.SetLostEventsHandler([this] { EventsWereLost(); });
        return inner_.Register([this, handler = std::move(handler)](std::uint32_t event,
                                                                    const std::uint8_t* record,
                                                                    std::size_t size) {
            Print(event, InterfaceNameOf(record, size));
            handler(event, record, size);
        });
    }
    void Unregister() override { inner_.Unregister(); }
    int ArrivalSettleMs() const override { return inner_.ArrivalSettleMs(); }
    void WaitForEvents(int timeoutMs) override { inner_.WaitForEvents(timeoutMs); }

  private:
    void Print(std::uint32_t event, const std::string& name) const {
        if (name.empty() || (event != kDeviceArrival && event != kDeviceRemoveComplete)) return;
        const char* what = event == kDeviceArrival ? "arrival" : "removal";
        if (o_.json) {
            std::cout << nlohmann::ordered_json{{"time", LocalTimeText("%Y-%m-%dT%H:%M:%S%z")},
                                                {"device_event", what},
                                                {"interface", name}}
                             .dump()
                      << std::endl;
            return;
        }
        std::cout << LocalTimeText("%H:%M:%S") << "  device " << what << "  " << name << std::endl;
    }
    DeviceChangeSource& inner_;
    const CtlOptions& o_;
};

}  // namespace

int CmdWatch(const CtlOptions& o) {
    ControllerBackend backend(o.backend);
    DeviceChangeSource* source = backend.deviceChanges();
    std::optional<EveryDevice> every;
    if (source != nullptr && o.everyDevice) every.emplace(*source, o);
    DeviceChangeSource* changes = every ? &*every : source;
    if (changes == nullptr) {
        return Fail(Exit::kNoController, "this system delivers no arrival and removal events");
    }
    QuietReporter quiet;
    HidLink link(backend.platform(), quiet);
    // What is plugged in, compared with the last look after every record: a removal and an
    // arrival that wait together (the program was busy, the technician quick) are two
    // lines, since a controller plugged in anew is another plug-in than the one that left.
    const auto look = [&] { return InPort(link.FindControllers(), o.port); };
    std::vector<FoundController> present;
    std::vector<std::pair<bool, FoundController>> seen;  // true: an arrival
    using Clock = std::chrono::steady_clock;
    const auto settle = std::chrono::milliseconds(changes->ArrivalSettleMs());
    Clock::time_point settleUntil{};
    const auto noteChanges = [&] {
        std::vector<FoundController> now = look();
        for (auto& change : PlugInChanges(present, now)) seen.push_back(std::move(change));
        present = std::move(now);
    };
    changes->SetLostEventsHandler(noteChanges);
    if (!changes->Register([&](std::uint32_t event, const std::uint8_t* record, std::size_t size) {
            DeviceChangeCopies copies;
            std::int16_t flag = PresenceFlag::kFalse;
            if (HandleDeviceChange(copies, event, record, size, ControllerIdentity::kMatchKey,
                                   flag)) {
                noteChanges();
                if (event == kDeviceArrival) settleUntil = Clock::now() + settle;
            }
        })) {
        return Fail(Exit::kNoController, kNoEvents);
    }
    CatchInterrupts();
    present = look();
    if (!o.quiet && !o.json) {
        if (present.empty()) std::cout << "No controller is plugged in.";
        for (const FoundController& c : present) {
            std::cout << "Plugged in: " << DescribeController(c) << ". ";
        }
        std::cout << (present.empty() ? " " : "")
                  << "Waiting for arrivals and removals (Ctrl+C ends)." << std::endl;
    }
    auto technician = DemoTechnician(backend);
    int events = 0;
    while (!Interrupted() && (o.count == 0 || events < o.count)) {
        technician(present.empty() ? ProvisionPhase::kWaitingForArrival
                                   : ProvisionPhase::kWaitingForRemoval);
        changes->WaitForEvents(100);
        if (Clock::now() < settleUntil) noteChanges();
        for (const auto& [arrival, controller] : std::exchange(seen, {})) {
            if (o.count != 0 && events == o.count) break;
            ++events;
            PrintChange(o, arrival, controller, backend.platform());
        }
    }
    changes->Unregister();
    return Exit::kOk;
}
