// Runs inside the emulated machine, as an ordinary user, while a root script plugs the
// gadget in and out with a udev daemon running:
//   vt350-plugtest watch --expect-open|--expect-refused
//       ticks the link as the window does until /tmp/plug-done appears, and checks every
//       arrival: opened at the first tick after it, and no "Could not open HID device"
//       (--expect-open); or refused with the message exactly once each (--expect-refused).
//   vt350-plugtest flood
//       opens the link, then stops reading events (/tmp/flood-ready) until the script has
//       flooded the monitor and unplugged and replugged (/tmp/flood-done); then the next
//       GetConfig must work without another plug-in.
//   vt350-plugtest search
//       searches for the controller over and over, as the link does on every tick while
//       a controller it cannot open is present, until /tmp/plug-done appears; the script
//       unplugs and replugs meanwhile. It must find it and miss it, and never crash.
// Prints what it saw; exits 0 when the expectation held.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "hid/hid_link.h"
#include "platform/linux/hidapi_platform.h"
#include "platform/linux/udev_monitor.h"
#include "protocol/command_report.h"
#include "protocol/response_report.h"

namespace {

using Clock = std::chrono::steady_clock;

class CountingReporter : public ErrorReporter {
  public:
    void ShowErrorBox(const std::string& text) override {
        std::printf("message: %s\n", text.substr(0, text.find('\r')).c_str());
        std::fflush(stdout);
        ++count;
    }
    int count = 0;
};

bool Exists(const char* path) {
    return access(path, F_OK) == 0;
}

struct Harness {
    HidapiPlatform hidapi;
    CountingReporter reporter;
    HidLink link{hidapi, reporter};
    UdevMonitor monitor;
    int lost = 0;

    bool Start() {
        const bool ok = link.Follow(monitor);
        // Counted as well: the flood test wants to see the lost events.
        monitor.SetLostEventsHandler([this] {
            ++lost;
            link.Resynchronise();
        });
        std::printf("monitor on the \"%s\" source\n", monitor.source());
        link.ConnectAtStart();
        return ok;
    }
};

int Watch(bool expectOpen) {
    Harness h;
    if (!h.Start()) return 1;
    const int atStart = h.reporter.count;
    int arrivals = 0, openedFirstTick = 0, refusedMessages = 0;
    bool wasPresent = h.link.present();
    auto nextTick = Clock::now();
    while (!Exists("/tmp/plug-done")) {
        h.monitor.WaitForEvents(10);
        if (Clock::now() < nextTick) continue;
        nextTick += std::chrono::milliseconds(200);
        const bool arrived = h.link.present() && !wasPresent;
        wasPresent = h.link.present();
        const int before = h.reporter.count;
        h.link.MaintainDeviceLink();
        if (!arrived) continue;
        ++arrivals;
        if (h.link.readHandle() != kInvalidHandle) ++openedFirstTick;
        refusedMessages += h.reporter.count - before;
    }
    std::printf(
        "arrivals %d, opened at the first tick %d, messages after arrivals %d, at start "
        "%d, in all %d\n",
        arrivals, openedFirstTick, refusedMessages, atStart, h.reporter.count);
    if (arrivals < 20) return 1;
    if (expectOpen) return openedFirstTick == arrivals && h.reporter.count == 0 ? 0 : 1;
    return openedFirstTick == 0 && refusedMessages == arrivals ? 0 : 1;
}

bool GetConfig(Harness& h) {
    CommandReport out;
    out.BuildBareCommand(CommandReport::kGetConfig);
    // A generous bound: it ends at the first answer, and a loaded host may be slow to give it.
    const auto deadline = Clock::now() + std::chrono::seconds(30);
    bool sent = false;
    while (Clock::now() < deadline) {
        h.monitor.WaitForEvents(10);
        h.link.MaintainDeviceLink();
        if (!sent) {
            sent = h.link.WriteOutputReport(out.data(), "Send Command Error");
            continue;
        }
        ResponseReport in;
        if (h.link.ReadInputReport(in.data()) == ReadStatus::kReceived &&
            in[1] == ResponseReport::kConfigReply && !Decode(in).empty()) {
            return true;
        }
    }
    return false;
}

int Flood() {
    Harness h;
    if (!h.Start()) return 1;
    const bool before = GetConfig(h);
    std::printf("GetConfig before the flood: %s\n", before ? "ok" : "FAILED");
    std::fclose(std::fopen("/tmp/flood-ready", "w"));
    // Busy elsewhere: no event is read while the queue overflows.
    while (!Exists("/tmp/flood-done")) std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const int messagesBefore = h.reporter.count;
    const bool after = GetConfig(h);
    std::printf("events lost and looked at again: %d; GetConfig after the flood and replug: %s\n",
                h.lost, after ? "ok" : "FAILED");
    return before && after && h.lost > 0 && h.reporter.count == messagesBefore ? 0 : 1;
}

int Search() {
    HidapiPlatform hidapi;
    CountingReporter reporter;
    HidLink link{hidapi, reporter};
    int searches = 0, found = 0;
    while (!Exists("/tmp/plug-done")) {
        ++searches;
        if (!link.FindController().empty()) ++found;
    }
    std::printf("searches %d, found %d, missed %d, messages %d\n", searches, found,
                searches - found, reporter.count);
    return found > 0 && found < searches ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string mode = argc > 1 ? argv[1] : "";
    const std::string expect = argc > 2 ? argv[2] : "";
    if (mode == "watch" && (expect == "--expect-open" || expect == "--expect-refused")) {
        return Watch(expect == "--expect-open");
    }
    if (mode == "flood") return Flood();
    if (mode == "search") return Search();
    std::fprintf(stderr,
                 "usage: vt350-plugtest watch --expect-open|--expect-refused | flood | search\n");
    return 2;
}
