#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "config/config_record.h"
#include "config/history.h"
#include "hid/device_change.h"
#include "hid/hid_platform.h"

// The workshop line: one parameter set for controller after controller as they are plugged
// in. For each controller that arrives (the same arrival and removal events and decision
// rules as the window; no loop of searches): read its set and keep it as a numbered backup,
// store the new set, read it back and compare bytes 0 to 10, say the outcome on one line,
// append a JSON line to the log, then wait for its removal before taking the next.

struct ProvisionJob {
    ConfigRecord set;
    std::string setName;         // the set file's name, as given
    std::string setSha256;       // of the set file's bytes
    std::string backupDir;       // "" for no backups
    std::string logPath;         // "" for no log
    int count = 0;               // controllers to take; 0: until stopped
    int timeoutMs = 2000;        // for each answer
    History* history = nullptr;  // where each set read and stored is kept, if anywhere
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

struct ProvisionHooks {
    std::function<bool()> stopRequested;       // Ctrl+C
    std::function<void(ProvisionPhase)> idle;  // called while waiting
    std::function<std::string()> now;          // local time, "YYYYmmdd-HHMMSS"
    std::function<std::string()> isoTime;      // for the log
};

// One controller's handling, as it goes to the screen and the log.
struct ProvisionRecord {
    int sequence = 0;
    std::string device;
    std::string outcome;  // "programmed", "failed" or "skipped"
    std::string error;    // empty when programmed
    bool haveBefore = false, haveAfter = false;
    ConfigRecord before, after;
    std::string backup;  // the backup file's path, or ""
};

class Provisioner {
  public:
    Provisioner(HidPlatform& platform, DeviceChangeSource& changes, ProvisionJob job,
                std::ostream& out, ProvisionHooks hooks);
    ~Provisioner();
    ProvisionSummary Run();

  private:
    void Program(ProvisionRecord& record);
    void Report(ProvisionRecord& record);
    bool Log(const ProvisionRecord& record);
    bool WaitFor(ProvisionPhase phase);
    void Remember(HistoryEvent event, const std::string& device, const ConfigRecord& set);

    static constexpr int kEventWaitMs = 100;  // between looks at Ctrl+C and the idle hook

    struct Parts;
    std::unique_ptr<Parts> parts_;
    ProvisionJob job_;
    std::ostream& out_;
    ProvisionHooks hooks_;
    int removalsTaken_ = 0;  // the link's removals already waited for
};
