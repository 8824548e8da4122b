#pragma once

#include <string>
#include <vector>

#include "config/history.h"
#include "platform/controller_backend.h"

// What a vt350ctl command was given, once the arguments are parsed and checked.
struct CtlOptions {
    std::string command;
    std::vector<std::string> args;  // the command's positional arguments
    std::string output;             // -o; "-" is standard output
    bool json = false, yes = false, verify = false, force = false, quiet = false;
    bool everyDevice = false;  // watch: every device interface, not only the controller
    double timeoutSeconds = 2;
    std::string port;  // --port: the controller plugged in there; "" when not chosen
    BackendOptions backend;
    // provision and watch
    std::string backupDir, logFile;
    int count = 0;            // 0: until stopped
    int last = 20;            // history: how many entries
    std::string unit;         // --unit: the unit the entries kept belong to; history: whose to list
    std::string bench;        // --bench: the bench's name in the entries ("": the host's name)
    bool askUnit = false;     // provision: ask each controller's unit before storing
    bool allBenches = false;  // history: every bench's entries, from the shared record
};

int CmdList(const CtlOptions& o);
int CmdRead(const CtlOptions& o);
int CmdWrite(const CtlOptions& o);
int CmdReset(const CtlOptions& o);
int CmdConnect(const CtlOptions& o);
int CmdDisconnect(const CtlOptions& o);
int CmdShow(const CtlOptions& o);
int CmdDiff(const CtlOptions& o);
int CmdImport(const CtlOptions& o);
int CmdProvision(const CtlOptions& o);
int CmdWatch(const CtlOptions& o);
int CmdHistory(const CtlOptions& o);
int CmdRestore(const CtlOptions& o);

// write's work once the set is loaded: the checks, the question, the store, the
// read-back; `name` names the set in messages. Returns the exit status.
int WriteSet(const CtlOptions& o, const std::string& name, const ConfigRecord& record);
// Says the safety warnings of `record` on standard error.
void PrintWarnings(const ConfigRecord& record);

// Whether `record` may be sent as it is: the check of `write`, `provision` and `import`.
// Says why not, naming `path`, and returns Exit::kFileError; Exit::kOk when it may.
int CheckSendable(const std::string& path, const ConfigRecord& record);

// Sends the history's entries that wait to the shared record, where one is set, within a
// moment; says on standard error how many still wait and why.
void SendToSharedRecord(const CtlOptions& o, History& history);

// Asks on the terminal; false for anything but yes (and at the end of the input).
bool Confirm(const std::string& question);
