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
#include <thread>
#include <utility>
#include <vector>

#include "cli/ctl_commands.h"
#include "cli/ctl_device.h"
#include "cli/ctl_io.h"
#include "cli/workshop/provisioner.h"
#include "config/parameter_view.h"
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
                     .port = o.port};
    History history = OpenHistory(o);
    job.history = &history;
    CatchInterrupts();
    ProvisionHooks hooks{[] { return Interrupted(); }, DemoTechnician(backend),
                         [] { return LocalTimeText("%Y%m%d-%H%M%S"); },
                         [] { return LocalTimeText("%Y-%m-%dT%H:%M:%S%z"); }};
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
void PrintChange(const CtlOptions& o, bool arrival, HidLink& link, HidPlatform& platform) {
    std::string device, error;
    bool openable = false;
    if (arrival) {
        device = TrimmedPath(link.FindController());
        const HidOpenResult probe = platform.OpenRead(device);
        openable = probe.ok();
        if (openable) {
            platform.Close(probe.handle);
        } else {
            error = device.empty() ? "not found" : CannotOpenAdvice(probe.error, device);
        }
    }
    if (o.json) {
        nlohmann::ordered_json line{{"time", LocalTimeText("%Y-%m-%dT%H:%M:%S%z")},
                                    {"event", arrival ? "arrival" : "removal"}};
        if (arrival) {
            line["device"] = device;
            line["openable"] = openable;
            line["error"] =
                error.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(error);
        }
        std::cout << line.dump() << std::endl;
        return;
    }
    std::cout << LocalTimeText("%H:%M:%S") << "  " << (arrival ? "arrival" : "removal");
    if (arrival) {
        std::cout << "  " << (device.empty() ? "-" : device) << "  "
                  << (openable ? "can be opened" : error);
    }
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
    // Each change as it comes, record by record: a removal and an arrival that wait together
    // (the program was busy, the technician quick) are two lines, not none.
    bool present = false;
    std::vector<bool> seen;  // true: an arrival
    const auto noteChange = [&] {
        if (link.present() == present) return;
        present = link.present();
        seen.push_back(present);
    };
    if (!link.Follow(*changes, noteChange)) return Fail(Exit::kNoController, kNoEvents);
    CatchInterrupts();
    link.Resynchronise();
    present = link.present();
    if (!o.quiet && !o.json) {
        std::cout << (present ? "A controller is plugged in." : "No controller is plugged in.")
                  << " Waiting for arrivals and removals (Ctrl+C ends)." << std::endl;
    }
    auto technician = DemoTechnician(backend);
    int events = 0;
    while (!Interrupted() && (o.count == 0 || events < o.count)) {
        technician(present ? ProvisionPhase::kWaitingForRemoval
                           : ProvisionPhase::kWaitingForArrival);
        changes->WaitForEvents(100);
        noteChange();  // what a look after lost events found
        for (const bool arrival : std::exchange(seen, {})) {
            if (o.count != 0 && events == o.count) break;
            link.CloseDeviceHandles();
            ++events;
            PrintChange(o, arrival, link, backend.platform());
        }
    }
    changes->Unregister();
    return Exit::kOk;
}
