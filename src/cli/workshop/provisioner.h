#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "config/config_record.h"
#include "config/history.h"
#include "hid/device_change.h"
#include "hid/found_controller.h"
#include "hid/hid_platform.h"

// The workshop line: one parameter set for controller after controller as they are plugged
// in, one at a time or several on a hub. Every controller plugged in at the start or
// arriving later is taken once while it stays plugged in: read its set and keep it as a
// numbered backup, store the new set, read it back and compare bytes 0 to 10, say the
// outcome on one line, append a JSON line to the log. The line looks at what is plugged in
// when the arrival and removal events (the window's decision rules) say something changed,
// not in a loop of searches; a controller is known by its port and by the plug-in it came
// with, so the one a line names is always the one it programmed, and one pulled and plugged
// back in is taken again.

struct ProvisionJob {
    ConfigRecord set;
    std::string setName;         // the set file's name, as given
    std::string setSha256;       // of the set file's bytes
    std::string backupDir;       // "" for no backups
    std::string logPath;         // "" for no log
    int count = 0;               // controllers to take; 0: until stopped
    int timeoutMs = 2000;        // for each answer
    History* history = nullptr;  // where each set read and stored is kept, if anywhere
    std::string port;            // only the controller in this port; "" for every port
    // After an arrival, how long to look again for a controller that is not there yet (the
    // arrival source's ArrivalSettleMs: on Windows the USB device arrives before its HID
    // interface exists; elsewhere the arrival is the interface's own).
    int settleMs = 0;
    // How long a controller whose open is refused is tried again before it is skipped: a
    // node found while the system is still applying its rules (group, mode, access list)
    // is refused for a moment, and is tried again at its own arrival or shortly after.
    int refusedRetryMs = 3000;
    std::string unit = {};  // the unit every controller's entries belong to ("" for none)
};

struct ProvisionSummary {
    int programmed = 0;  // stored and verified
    int failed = 0;      // no answer, an error reply, a wrong read-back, or pulled mid-way
    int skipped = 0;     // found but not opened (rights), or gone before it could be opened
    bool eventsUnavailable = false;  // the arrival and removal events cannot be received
    bool allProgrammed() const { return failed == 0 && skipped == 0; }
};

// vt350ctl's exit status for a line that ended: 0 when every controller that came was
// programmed, 1 when one failed or was skipped, 3 when none came or the arrival and
// removal events cannot be received.
int ProvisionExitStatus(const ProvisionSummary& summary);

// Where the line stands, for whoever plugs the controllers (a person, the demo, a test).
enum class ProvisionPhase { kWaitingForArrival, kWaitingForRemoval };

// One controller's handling, as it goes to the screen and the log.
struct ProvisionRecord {
    int sequence = 0;
    std::string device;
    std::string port, serial;
    std::string plugIn;   // for the history: a replug into the same port is another unit
    std::string unit;     // the unit it belongs to ("" for none)
    std::string outcome;  // "programmed", "failed" or "skipped"
    std::string error;    // empty when programmed
    bool haveBefore = false, haveAfter = false;
    ConfigRecord before, after;
    std::string backup;  // the backup file's path, or ""
};

struct ProvisionHooks {
    std::function<bool()> stopRequested;       // Ctrl+C
    std::function<void(ProvisionPhase)> idle;  // called while waiting
    std::function<std::string()> now;          // local time, "YYYYmmdd-HHMMSS"
    std::function<std::string()> isoTime;      // for the log
    // Where set, asked for each controller's unit before it is read and stored: the unit,
    // or nothing when none can be had (the input ended), and the controller is skipped.
    std::function<std::optional<std::string>(const ProvisionRecord&)> askUnit = {};
    // Where set, called after each controller was reported (its entries go on from there).
    std::function<void()> reported = {};
};

class Provisioner {
  public:
    Provisioner(HidPlatform& platform, DeviceChangeSource& changes, ProvisionJob job,
                std::ostream& out, ProvisionHooks hooks);
    ~Provisioner();
    ProvisionSummary Run();

  private:
    // What is plugged in now (in the line's port); forgets each taken controller that is
    // no longer there or was plugged in anew since.
    std::vector<FoundController> Look();
    void OnDeviceChange(std::uint32_t event, const std::uint8_t* record, std::size_t size);
    void Program(const FoundController& controller, ProvisionRecord& record);
    // True when `record`'s controller was refused and is to be tried again later instead
    // of being reported and counted as taken.
    bool TryAgainLater(const FoundController& controller, const ProvisionRecord& record);
    void Report(ProvisionRecord& record);
    bool Log(const ProvisionRecord& record);
    void Remember(HistoryEvent event, const ProvisionRecord& record, const ConfigRecord& set);

    static constexpr int kEventWaitMs = 100;    // between looks at Ctrl+C and the idle hook
    static constexpr int kRefusedLookMs = 200;  // between tries of a refused controller

    struct Parts;
    std::unique_ptr<Parts> parts_;
    ProvisionJob job_;
    std::ostream& out_;
    ProvisionHooks hooks_;
};
