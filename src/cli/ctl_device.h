#pragma once

#include "cli/ctl_commands.h"
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
    int Open();
    int Check(ControllerSession::Status status);
    ControllerSession& session() { return session_; }
    int timeoutMs() const { return timeoutMs_; }

  private:
    ControllerBackend backend_;
    QuietReporter quiet_;
    ControllerSession session_;
    int timeoutMs_;
    double timeoutSeconds_;
};

// "cannot be opened (reason); what to do", for a controller that is found but refused,
// naming what is wrong with its permissions where that can be told.
std::string CannotOpenAdvice(int error, const std::string& path);
