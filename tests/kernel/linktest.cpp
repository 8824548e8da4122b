// Runs inside the emulated machine, against vt350-sim on a real USB HID gadget: the tool's
// own discovery, link upkeep, read and write code and its arrival and removal monitor,
// through usbcore, usbhid, hidraw, hidapi and the kernel's uevents.
// Prints one line per check; the exit status is the number of failed checks.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "../support/forwarding_hid_platform.h"
#include "hid/hid_link.h"
#include "platform/linux/hidapi_platform.h"
#include "platform/linux/udev_monitor.h"
#include "protocol/command_report.h"
#include "protocol/poll_cycle.h"
#include "protocol/response_report.h"
#include "sim/virtual_controller.h"

namespace {

int failures = 0;
int passes = 0;

void Check(bool ok, const std::string& what) {
    ++(ok ? passes : failures);
    std::printf("%s %s\n", ok ? "ok  " : "FAIL", what.c_str());
    std::fflush(stdout);
}

class PrintingReporter : public ErrorReporter {
  public:
    void ShowErrorBox(const std::string& text) override {
        std::printf("message: %s\n", text.substr(0, text.find('\r')).c_str());
        ++count;
    }
    int count = 0;
};

// What the window would do with each reply, remembered.
class Recorder : public OutcomeTarget {
  public:
    void ReplaceRecord(const std::uint8_t* bytes) override { record.ReplaceAll(bytes); }
    void RefreshEditors() override {}
    void SetStatusText(const char* t) override { status = t; }
    void Beep(std::uint16_t, std::uint16_t) override {}
    void SetBlinking(bool on) override { blinking = on; }
    void ShowStatusLine() override {}
    ConfigRecord record;
    std::string status;
    bool blinking = false;
};

// Every raw input report, as the link read it, before decoding.
class Tap : public ForwardingHidPlatform {
  public:
    using ForwardingHidPlatform::ForwardingHidPlatform;
    ReadStatus Read(HidHandle h, std::uint8_t* r, int t) override {
        const ReadStatus s = ForwardingHidPlatform::Read(h, r, t);
        if (s == ReadStatus::kReceived) last.assign(r, r + kInputReportSize);
        return s;
    }
    std::vector<std::uint8_t> last;
};

void Shell(const char* command) {
    if (std::system(command) != 0) std::printf("command failed: %s\n", command);
}

}  // namespace

int main() {
    HidapiPlatform hidapi;
    Tap platform(hidapi);
    PrintingReporter reporter;
    HidLink link(platform, reporter);
    ResponseReport input;
    Recorder window;
    UdevMonitor monitor;
    const bool registered = link.Follow(monitor);
    Check(registered,
          std::string("arrival and removal monitor on the \"") + monitor.source() + "\" source");

    std::vector<HidInterfaceInfo> interfaces;
    hidapi.Enumerate(interfaces);
    for (const auto& i : interfaces) {
        std::printf("interface %s %04x:%04x version %04x usage page %04x\n", i.path.c_str(),
                    i.vendorId, i.productId, i.versionNumber, i.usagePage);
    }
    link.ConnectAtStart();
    Check(link.devicePath() == "/dev/hidraw0",
          "found by vendor, product, version and usage page: " + link.devicePath());
    Check(link.present() && link.readHandle() != -1 && link.writeHandle() != -1,
          "both handles open");
    Check(link.FindHidDevice(1, 1, 1, 0x0201).empty(), "version 0x0201 does not match");
    Check(link.FindHidDevice(1, 1, 0xFF00, 0x0200).empty(), "usage page 0xff00 does not match");

    // Ticks until the recorder's status changes or the time is up.
    auto tickUntil = [&](const std::string& status, int ms) {
        window.status.clear();
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (std::chrono::steady_clock::now() < end) {
            PollOnce(link, input, window);
            if (window.status == status) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    };
    CommandReport output;

    output.BuildBareCommand(CommandReport::kGetConfig);
    Check(link.WriteOutputReport(output.data(), "Send Command Error"), "GetConfig written");
    Check(tickUntil("GetConfig Success", 2000), "GetConfig Success");
    std::vector<std::uint8_t> expected = {0, 1, 15, 30,  135, 110, 25, 1, 0,
                                          0, 1, 0,  128, 0,   0,   0,  0};
    expected.push_back(1 ^ 15 ^ 30 ^ 135 ^ 110 ^ 25 ^ 1 ^ 0);
    expected.push_back(0 ^ 1 ^ 0 ^ 128);
    Check(platform.last == expected, "configuration reply, all 19 bytes with report ID 0 first");
    Check(window.record == VirtualController::FactoryRecord(), "record replaced");
    Check(input.Bytes() == std::array<std::uint8_t, 19>{}, "input buffer cleared");

    ConfigRecord edited = VirtualController::FactoryRecord();
    edited.Set(0, 22);
    edited.Set(3, 200);
    output.BuildStoreReport(edited);
    Check(link.WriteOutputReport(output.data(), "Send Data Error"), "store report written");
    Check(tickUntil("Load Success", 2000), "Load Success");
    output.BuildBareCommand(CommandReport::kGetConfig);
    link.WriteOutputReport(output.data(), "Send Command Error");
    Check(tickUntil("GetConfig Success", 2000) && window.record.Get(0) == 22 &&
              window.record.Get(3) == 200,
          "the controller holds the stored bytes");
    output.BuildBareCommand(CommandReport::kFactoryReset);
    link.WriteOutputReport(output.data(), "Send Command Error");
    Check(tickUntil("Restore Success", 2000), "Restore Success");
    output.BuildBareCommand(CommandReport::kConnect);
    link.WriteOutputReport(output.data(), "Send Command Error");
    Check(tickUntil("Connect Success", 2000), "Connect Success");

    // Unplug: the kernel's removal events turn the flag off; the next tick closes.
    auto waitFlag = [&](bool value, int ms) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (std::chrono::steady_clock::now() < end && link.present() != value) {
            monitor.WaitForEvents(50);
        }
        return link.present() == value;
    };
    Shell("echo > $RIG_UDC_FILE");
    Check(waitFlag(false, 3000), "unplug turns the flag off");
    output.BuildBareCommand(CommandReport::kConnect);
    Check(!link.WriteOutputReport(output.data(), "Send Command Error") && reporter.count == 0,
          "a button before the next tick sends nothing and says nothing");
    PollOnce(link, input, window);
    Check(link.readHandle() == -1 && link.writeHandle() == -1, "the tick closes both handles");

    Shell("echo $RIG_UDC > $RIG_UDC_FILE");
    Check(waitFlag(true, 5000), "replug turns the flag on");
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (link.readHandle() == -1 && std::chrono::steady_clock::now() < end) {
        PollOnce(link, input, window);
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    Check(link.readHandle() != -1 && link.writeHandle() != -1, "the ticks reopen the link");
    output.BuildBareCommand(CommandReport::kGetConfig);
    link.WriteOutputReport(output.data(), "Send Command Error");
    Check(tickUntil("GetConfig Success", 3000), "GetConfig after the replug");
    link.CloseDeviceHandles();
    std::printf("%d passed, %d failed\n", passes, failures);
    return failures;
}
