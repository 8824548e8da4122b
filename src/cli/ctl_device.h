#pragma once

#include <cstddef>

#include "cli/ctl_commands.h"
#include "config/history.h"
#include "protocol/controller_session.h"

// The link's own messages are for the window's boxes; here each failure is told once, in
// the program's own sentence.
class QuietReporter : public ErrorReporter {
  public:
    void ShowErrorBox(const std::string&) override {}
};

// The controller for one command, opened, with every failure turned into an exit status.
class CtlDevice {
  public:
    explicit CtlDevice(const CtlOptions& o);
    // Opens the controller in --port, or the only one plugged in; with several and no
    // --port it refuses (exit 2) and names their ports.
    int Open();
    int Check(ControllerSession::Status status);
    // The requests, each kept in the history when it succeeded; exit statuses.
    int Read(ConfigRecord& out);
    int Store(const ConfigRecord& set);
    int Command(std::uint8_t code);
    ControllerSession& session() { return session_; }
    int timeoutMs() const { return timeoutMs_; }

  private:
    // The controller opened, as the history names it.
    HistoryDevice Device();
    ControllerBackend backend_;
    History history_;
    QuietReporter quiet_;
    ControllerSession session_;
    int timeoutMs_;
    double timeoutSeconds_;
    std::string port_;  // --port, or "" to take the only controller plugged in
    std::string unit_;  // --unit: the unit its entries belong to
    // Names the controller taken; not where the output is data for a program (-q, --json,
    // -o -).
    bool sayWhich_;
};

// The history vt350ctl keeps: the demo's own with --demo.
History OpenHistory(const CtlOptions& o);
// Says that the history could not be read whole (`read` entries were) and why; an exit
// status. A damaged or locked history is never taken for an empty one.
int HistoryUnreadable(const History& history, std::size_t read);

// "cannot be opened (reason); what to do", for a controller that is found but refused,
// naming what is wrong with its permissions where that can be told.
std::string CannotOpenAdvice(int error, const std::string& path);
