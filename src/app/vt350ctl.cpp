// vt350ctl: the controller from the command line, for scripts and for workshops that
// program many controllers. Same protocol, file format and virtual controller as the window.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/controller_backend.h"
#include "config/config_file.h"
#include "config/parameter_view.h"
#include "protocol/controller_session.h"

namespace {

enum Exit { kOk = 0, kDiffers = 1, kUsage = 2, kNoController = 3, kTimeout = 4, kFileError = 5 };

const char* const kUsageText = R"(usage: vt350ctl [OPTIONS] COMMAND [ARGS]

Reads, writes and compares the parameter sets of VT-350 motor controllers.

Commands:
  list                     the HID interfaces present; the controller is marked
  read [-o FILE] [--json]  read the controller's parameter set and show it, save it to a
                           .qkf file, or print it as JSON
  write FILE [--yes] [--verify]
                           store a .qkf file's parameter set in the controller; asks first
                           unless --yes; --verify reads it back and compares bytes 0 to 10
  reset                    restore the controller's factory settings
  connect                  send Connect and wait for its acknowledgement
  disconnect               send Disconnect and wait for its acknowledgement
  show FILE [--json]       show a .qkf file's parameter set
  diff A B                 compare two parameter sets, each a .qkf file or "device"
  import FILE.json -o FILE.qkf
                           turn the JSON form back into a .qkf file

Options:
  --demo                   use the virtual controller instead of the USB hardware
  --demo-behaviour LIST    make it misbehave: silent, late[=N], badcheck, errors, flood,
                           refuse, failwrites, absent (comma-separated)
  --timeout SECONDS        how long to wait for each answer (default 2)
  -h, --help               this text; "vt350ctl COMMAND --help" for one command
  --version                the program's version

Exit status: 0 success, 1 the sets differ or the controller answered with an error (or a
write was not confirmed), 2 usage error, 3 no controller (or it cannot be opened),
4 the controller did not answer in time, 5 a file could not be read, written or accepted.

Files: a .qkf file holds the 15 bytes of a parameter set and nothing else.
Permissions: on Linux the controller's /dev/hidraw node needs the udev rule
70-vt350.rules (installed in /usr/lib/udev/rules.d); after installing it run
"udevadm control --reload && udevadm trigger" and plug the controller in again.
)";

struct CommandHelp {
    const char* name;
    const char* text;
};

const CommandHelp kCommandHelp[] = {
    {"list",
     "usage: vt350ctl list\nLists vendor, product, version, usage page and path of every "
     "HID interface;\nthe controller (0001:0001, version 0200, usage page 0001) is marked.\n"},
    {"read",
     "usage: vt350ctl read [-o FILE.qkf] [--json] [--timeout S]\nAsks the controller for its "
     "parameter set (GetConfig) and shows it decoded,\nsaves it to FILE.qkf, or prints the "
     "JSON form that \"import\" reads back.\n"},
    {"write",
     "usage: vt350ctl write FILE.qkf [--yes] [--verify] [--timeout S]\nShows the file's "
     "parameter set, asks for confirmation (unless --yes), sends\nit to the controller and "
     "waits for its acknowledgement (36) or error (49).\n--verify reads the set back and "
     "compares bytes 0 to 10 (the stored parameters).\n"},
    {"reset",
     "usage: vt350ctl reset\nRestores the controller's factory settings; waits for "
     "acknowledgement 35.\n"},
    {"connect", "usage: vt350ctl connect\nSends Connect; waits for acknowledgement 33.\n"},
    {"disconnect", "usage: vt350ctl disconnect\nSends Disconnect; waits for acknowledgement 34.\n"},
    {"show",
     "usage: vt350ctl show FILE.qkf [--json]\nShows a parameter file decoded, or as JSON.\n"},
    {"diff",
     "usage: vt350ctl diff A B\nCompares two parameter sets parameter by parameter; A and B "
     "are .qkf files\nor \"device\" for the controller. Exit status 1 when they differ.\n"},
    {"import",
     "usage: vt350ctl import FILE.json -o FILE.qkf\nReads the JSON form (as \"read --json\" "
     "prints it) and writes the .qkf file.\nValues the window's editors would never write "
     "are refused, one message per\nfield: currents outside 1-30 and 1-50 A, voltages "
     "other than 24/36/48,\nlevels other than Low/Mid/High, option values other than "
     "their two names,\nbrake above 220. The reserved bytes are carried as given.\n"},
};

// The link's own messages are for the window's boxes; here each failure is told once, in
// the program's own sentence.
class QuietReporter : public ErrorReporter {
  public:
    void ShowErrorBox(const std::string&) override {}
};

struct Options {
    std::string command;
    std::vector<std::string> args;
    std::string output;
    bool json = false, yes = false, verify = false, help = false;
    int timeoutMs = 2000;
    BackendOptions backend;
};

int Fail(int code, const std::string& sentence) {
    std::cerr << "vt350ctl: " << sentence << "\n";
    return code;
}

const char* const kUdevAdvice =
    "install the udev rule 70-vt350.rules (see vt350ctl --help) and plug the controller in "
    "again";

int SessionFailure(ControllerSession::Status status, const ControllerSession& session,
                   int timeoutMs) {
    using S = ControllerSession::Status;
    switch (status) {
        case S::kOk:
            return kOk;
        case S::kNoController:
            return Fail(kNoController, "no controller found (is it plugged in?)");
        case S::kCannotOpen:
            return Fail(kNoController,
                        std::string("the controller was found but cannot be opened (") +
                            std::strerror(session.link().lastOpenError()) + "); " + kUdevAdvice);
        case S::kWriteFailed:
            return Fail(kNoController, std::string("the controller refused the report (") +
                                           std::strerror(session.link().lastWriteError()) + ")");
        case S::kTimedOut:
            return Fail(kTimeout, "the controller did not answer within " +
                                      std::to_string(timeoutMs / 1000.0).substr(0, 4) + " s");
        case S::kErrorReply:
            return Fail(kDiffers, "the controller answered with an error");
    }
    return kOk;
}

// The controller for one command, opened, with every failure turned into an exit status.
class Device {
  public:
    explicit Device(const Options& o)
        : backend_(o.backend), session_(backend_.platform(), quiet_), timeoutMs_(o.timeoutMs) {}
    int Open() { return Check(session_.Open()); }
    int Check(ControllerSession::Status status) {
        return SessionFailure(status, session_, timeoutMs_);
    }
    ControllerSession& session() { return session_; }

  private:
    ControllerBackend backend_;
    QuietReporter quiet_;
    ControllerSession session_;
    int timeoutMs_;
};

// The file layer's sentence, in the program's own form: lower case, no full stop.
int FileOutcome(const FileResult& result, const std::string& path) {
    if (result.ok()) return kOk;
    std::string text = DescribeFileResult(result, path);
    if (!text.empty() && text.back() == '.') text.pop_back();
    if (!text.empty())
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return Fail(kFileError, text);
}

int LoadFile(const std::string& path, ConfigRecord& record) {
    return FileOutcome(LoadRecord(path, record, LoadMode::kWholeRecord), path);
}

int SaveFile(const std::string& path, const ConfigRecord& record) {
    return FileOutcome(SaveRecord(path, record), path);
}

int ReadDevice(const Options& o, ConfigRecord& record) {
    Device device(o);
    if (int rc = device.Open()) return rc;
    return device.Check(device.session().GetConfig(record, o.timeoutMs));
}

int CmdList(const Options& o) {
    ControllerBackend backend(o.backend);
    std::vector<HidInterfaceInfo> interfaces;
    if (!backend.platform().Enumerate(interfaces)) {
        return Fail(kNoController, "the HID interfaces cannot be listed");
    }
    std::printf("%-9s  %-7s  %-10s  %s\n", "VID:PID", "version", "usage page", "path");
    bool found = false;
    std::string controllerPath;
    for (const auto& i : interfaces) {
        const bool isController = i.vendorId == ControllerIdentity::kVendorId &&
                                  i.productId == ControllerIdentity::kProductId &&
                                  i.versionNumber == ControllerIdentity::kVersionNumber &&
                                  i.usagePage == ControllerIdentity::kUsagePage;
        std::printf("%04x:%04x  %04x     %04x        %s%s\n", i.vendorId, i.productId,
                    i.versionNumber, i.usagePage, i.path.c_str(),
                    isController ? "  <- VT-350 controller" : "");
        if (isController && !found) {
            found = true;
            controllerPath = i.path;
        }
    }
    if (!found) {
        std::printf("No controller found.\n");
        return kOk;
    }
    const HidOpenResult probe = backend.platform().OpenRead(controllerPath);
    if (!probe.ok()) {
        std::printf("The controller is present but cannot be opened (%s): %s.\n",
                    std::strerror(probe.error), kUdevAdvice);
    } else {
        backend.platform().Close(probe.handle);
    }
    return kOk;
}

int CmdRead(const Options& o) {
    ConfigRecord record;
    if (int rc = ReadDevice(o, record)) return rc;
    if (!o.output.empty()) {
        if (int rc = SaveFile(o.output, record)) return rc;
    }
    if (o.json) {
        std::cout << RecordToJson(record);
    } else if (o.output.empty()) {
        std::cout << DescribeRecord(record);
    } else {
        std::cout << "Saved to " << o.output << "\n";
    }
    return kOk;
}

bool Confirm() {
    std::cerr << "Write these parameters to the controller? [y/N] " << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer)) return false;
    return answer == "y" || answer == "Y" || answer == "yes";
}

int CmdWrite(const Options& o) {
    if (o.args.size() != 1)
        return Fail(kUsage, "write takes one .qkf file (see vt350ctl write --help)");
    ConfigRecord record;
    if (int rc = LoadFile(o.args[0], record)) return rc;
    std::cout << DescribeRecord(record);
    if (!o.yes && !Confirm()) return Fail(kDiffers, "not confirmed; nothing was written");
    Device device(o);
    if (int rc = device.Open()) return rc;
    if (int rc = device.Check(device.session().Store(record, o.timeoutMs))) return rc;
    std::cout << "Parameters stored.\n";
    if (!o.verify) return kOk;
    ConfigRecord readBack;
    if (int rc = device.Check(device.session().GetConfig(readBack, o.timeoutMs))) return rc;
    for (std::size_t i = 0; i < ConfigRecord::kParameterCount; ++i) {
        if (readBack.Get(i) != record.Get(i)) {
            for (const auto& line : DiffRecords(record, readBack))
                std::cerr << "  " << line << "\n";
            return Fail(kDiffers, "verification failed: the controller holds other parameters");
        }
    }
    std::cout << "Verified: the controller holds the same parameters.\n";
    return kOk;
}

int CmdBare(const Options& o, std::uint8_t code, const char* done) {
    if (!o.args.empty()) return Fail(kUsage, o.command + " takes no arguments");
    Device device(o);
    if (int rc = device.Open()) return rc;
    if (int rc = device.Check(device.session().Command(code, o.timeoutMs))) return rc;
    std::cout << done << "\n";
    return kOk;
}

int CmdShow(const Options& o) {
    if (o.args.size() != 1) return Fail(kUsage, "show takes one .qkf file");
    ConfigRecord record;
    if (int rc = LoadFile(o.args[0], record)) return rc;
    std::cout << (o.json ? RecordToJson(record) : DescribeRecord(record));
    return kOk;
}

int CmdDiff(const Options& o) {
    if (o.args.size() != 2)
        return Fail(kUsage, "diff takes two parameter sets (files or \"device\")");
    ConfigRecord sets[2];
    for (int i = 0; i < 2; ++i) {
        const int rc =
            o.args[i] == "device" ? ReadDevice(o, sets[i]) : LoadFile(o.args[i], sets[i]);
        if (rc != kOk) return rc;
    }
    const auto lines = DiffRecords(sets[0], sets[1]);
    for (const auto& line : lines) std::cout << line << "\n";
    if (lines.empty()) std::cout << "No differences.\n";
    return lines.empty() ? kOk : kDiffers;
}

int CmdImport(const Options& o) {
    if (o.args.size() != 1 || o.output.empty()) {
        return Fail(kUsage, "import takes a JSON file and -o FILE.qkf");
    }
    std::ifstream in(o.args[0], std::ios::binary);
    if (!in) {
        return Fail(kFileError,
                    "could not read the file \"" + o.args[0] + "\": " + std::strerror(errno));
    }
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    ConfigRecord record;
    std::vector<std::string> errors;
    if (!RecordFromJson(text, record, errors)) {
        for (const auto& e : errors) std::cerr << "vt350ctl: " << o.args[0] << ": " << e << "\n";
        return Fail(kFileError, "nothing was written: the file holds values no editor would write");
    }
    if (int rc = SaveFile(o.output, record)) return rc;
    std::cout << "Wrote " << o.output << "\n";
    return kOk;
}

int ParseArguments(int argc, char* argv[], Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        // The next argument, or nothing at the end of the line.
        auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        std::string error;
        if (ParseBackendOption(argc, argv, i, o.backend, error)) {
            if (!error.empty()) return Fail(kUsage, error);
        } else if (a == "--timeout") {
            const char* v = value();
            char* end = nullptr;
            const double seconds = v != nullptr ? std::strtod(v, &end) : 0;
            if (v == nullptr || *end != '\0' || seconds <= 0 || seconds > 3600) {
                return Fail(kUsage, "--timeout takes a number of seconds above 0");
            }
            o.timeoutMs = static_cast<int>(seconds * 1000);
        } else if (a == "-o" || a == "--output") {
            const char* v = value();
            if (v == nullptr) return Fail(kUsage, "-o needs a file name");
            o.output = v;
        } else if (a == "--json") {
            o.json = true;
        } else if (a == "--yes" || a == "-y") {
            o.yes = true;
        } else if (a == "--verify") {
            o.verify = true;
        } else if (a == "-h" || a == "--help") {
            o.help = true;
        } else if (a == "--version") {
            std::cout << "vt350ctl " << VT350_VERSION << "\n";
            std::exit(kOk);
        } else if (a.size() > 1 && a[0] == '-') {
            return Fail(kUsage, "unknown option " + a + " (see vt350ctl --help)");
        } else if (o.command.empty()) {
            o.command = a;
        } else {
            o.args.push_back(a);
        }
    }
    return kOk;
}

}  // namespace

int main(int argc, char* argv[]) {
    Options o;
    if (int rc = ParseArguments(argc, argv, o)) return rc;
    if (o.help) {
        for (const auto& h : kCommandHelp) {
            if (o.command == h.name) {
                std::cout << h.text;
                return kOk;
            }
        }
        std::cout << kUsageText;
        return kOk;
    }
    if (o.command.empty()) {
        std::cerr << kUsageText;
        return kUsage;
    }
    if (o.command == "list") return CmdList(o);
    if (o.command == "read") return CmdRead(o);
    if (o.command == "write") return CmdWrite(o);
    if (o.command == "reset")
        return CmdBare(o, CommandReport::kFactoryReset, "Factory settings restored.");
    if (o.command == "connect") return CmdBare(o, CommandReport::kConnect, "Connected.");
    if (o.command == "disconnect") return CmdBare(o, CommandReport::kDisconnect, "Disconnected.");
    if (o.command == "show") return CmdShow(o);
    if (o.command == "diff") return CmdDiff(o);
    if (o.command == "import") return CmdImport(o);
    return Fail(kUsage, "unknown command \"" + o.command + "\" (see vt350ctl --help)");
}
