// vt350ctl's workshop commands: provision (one set for controller after controller) and
// watch (arrivals and removals as they happen).
#ifdef _WIN32
// clang-format off
#include <windows.h>
#include <bcrypt.h>
// clang-format on
#else
#include <openssl/evp.h>
#include <poll.h>
#endif

#include <atomic>
#include <chrono>
#include <csignal>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>
#include <thread>

#include "cli/ctl_commands.h"
#include "cli/ctl_device.h"
#include "cli/ctl_io.h"
#include "cli/workshop/provisioner.h"
#include "config/parameter_view.h"

namespace {

volatile std::sig_atomic_t interrupted = 0;

void OnInterrupt(int) {
    interrupted = 1;
}

// Ctrl+C ends the line with its summary; waits are interrupted, not restarted.
void CatchInterrupt() {
    interrupted = 0;
#ifdef _WIN32
    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);
#else
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
#endif
}

std::string LocalTime(const char* format) {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &t);
#else
    localtime_r(&t, &local);
#endif
    char text[64];
    std::strftime(text, sizeof text, format, &local);
    return text;
}

std::string Sha256(const std::string& bytes) {
    unsigned char digest[64];
    unsigned int length = 32;
#ifdef _WIN32
    BCRYPT_ALG_HANDLE algorithm = nullptr;
    BCRYPT_HASH_HANDLE hash = nullptr;
    BCryptOpenAlgorithmProvider(&algorithm, BCRYPT_SHA256_ALGORITHM, nullptr, 0);
    BCryptCreateHash(algorithm, &hash, nullptr, 0, nullptr, 0, 0);
    BCryptHashData(hash, reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data())),
                   static_cast<ULONG>(bytes.size()), 0);
    BCryptFinishHash(hash, digest, length, 0);
    BCryptDestroyHash(hash);
    BCryptCloseAlgorithmProvider(algorithm, 0);
#else
    EVP_Digest(bytes.data(), bytes.size(), digest, &length, EVP_sha256(), nullptr);
#endif
    std::string hex;
    char byte[3];
    for (unsigned int i = 0; i < length; ++i) {
        std::snprintf(byte, sizeof byte, "%02x", digest[i]);
        hex += byte;
    }
    return hex;
}

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
            return Fail(kFileError, "the backup folder \"" + o.backupDir + "\" cannot be made");
        }
    }
    std::cout << DescribeRecord(set) << std::flush;
    if (!o.yes && !Confirm("Write these parameters to every controller plugged in?")) {
        return Fail(kDiffers, "not confirmed; nothing was written");
    }
    ControllerBackend backend(o.backend);
    if (backend.deviceChanges() == nullptr) {
        return Fail(kNoController, "this system delivers no arrival and removal events");
    }
    ProvisionJob job{set,
                     path,
                     Sha256(bytes),
                     o.backupDir,
                     o.logFile,
                     o.count,
                     static_cast<int>(o.timeoutSeconds * 1000)};
    CatchInterrupt();
    ProvisionHooks hooks{[] { return interrupted != 0; }, DemoTechnician(backend),
                         [] { return LocalTime("%Y%m%d-%H%M%S"); },
                         [] { return LocalTime("%Y-%m-%dT%H:%M:%S%z"); }};
    std::cout << "Waiting for controllers (Ctrl+C ends the line)..." << std::endl;
    Provisioner line(backend.platform(), *backend.deviceChanges(), job, std::cout, hooks);
    const ProvisionSummary summary = line.Run();
    std::cout << "Programmed " << summary.programmed << ", failed " << summary.failed
              << ", skipped " << summary.skipped << "." << std::endl;
    const int seen = summary.programmed + summary.failed + summary.skipped;
    if (seen == 0) return Fail(kNoController, "no controller was plugged in");
    return summary.allProgrammed() ? kOk : kDiffers;
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
        nlohmann::ordered_json line{{"time", LocalTime("%Y-%m-%dT%H:%M:%S%z")},
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
    std::cout << LocalTime("%H:%M:%S") << "  " << (arrival ? "arrival" : "removal");
    if (arrival) {
        std::cout << "  " << (device.empty() ? "-" : device) << "  "
                  << (openable ? "can be opened" : error);
    }
    std::cout << std::endl;
}

}  // namespace

int CmdWatch(const CtlOptions& o) {
    ControllerBackend backend(o.backend);
    DeviceChangeSource* changes = backend.deviceChanges();
    if (changes == nullptr) {
        return Fail(kNoController, "this system delivers no arrival and removal events");
    }
    QuietReporter quiet;
    HidLink link(backend.platform(), quiet);
    changes->SetLostEventsHandler([&link] { link.Resynchronise(); });
    if (!changes->Register([&link](std::uint32_t e, const std::uint8_t* r, std::size_t n) {
            link.OnDeviceChange(e, r, n);
        })) {
        return Fail(kNoController, "the arrival and removal events cannot be received");
    }
    CatchInterrupt();
    link.Resynchronise();
    bool present = link.present();
    if (!o.quiet && !o.json) {
        std::cout << (present ? "A controller is plugged in." : "No controller is plugged in.")
                  << " Waiting for arrivals and removals (Ctrl+C ends)." << std::endl;
    }
    auto technician = DemoTechnician(backend);
    int events = 0;
    while (interrupted == 0 && (o.count == 0 || events < o.count)) {
#ifndef _WIN32
        const int fd = changes->NotificationFd();
        if (fd >= 0) {
            pollfd p{fd, POLLIN, 0};
            if (poll(&p, 1, 200) > 0) changes->Dispatch();
        } else
#endif
        {
            technician(present ? ProvisionPhase::kWaitingForRemoval
                               : ProvisionPhase::kWaitingForArrival);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        if (link.present() == present) continue;
        present = link.present();
        link.CloseDeviceHandles();
        ++events;
        PrintChange(o, present, link, backend.platform());
    }
    changes->Unregister();
    return kOk;
}
