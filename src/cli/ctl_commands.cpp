// vt350ctl's commands: each returns the program's exit status.
#include "cli/ctl_commands.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/ctl_device.h"
#include "cli/ctl_io.h"
#include "config/parameter_rules.h"
#include "config/parameter_view.h"
#include "protocol/command_report.h"

namespace {

int ReadDevice(const CtlOptions& o, ConfigRecord& record) {
    CtlDevice device(o);
    if (int rc = device.Open()) return rc;
    return device.Read(record);
}

int Bare(const CtlOptions& o, std::uint8_t code, const char* done) {
    CtlDevice device(o);
    if (int rc = device.Open()) return rc;
    if (int rc = device.Command(code)) return rc;
    if (!o.quiet) std::cout << done << "\n";
    return Exit::kOk;
}

}  // namespace

bool Confirm(const std::string& question) {
    std::cerr << question << " [y/N] " << std::flush;
    std::string answer;
    if (!std::getline(std::cin, answer)) return false;
    return answer == "y" || answer == "Y" || answer == "yes";
}

int CheckSendable(const std::string& path, const ConfigRecord& record) {
    std::vector<std::string> errors;
    if (IsEditorRecord(record, errors)) return Exit::kOk;
    for (const auto& e : errors) std::cerr << "vt350ctl: " << path << ": " << e << "\n";
    return Fail(Exit::kFileError, "\"" + path +
                                      "\" does not hold a parameter set the window could have "
                                      "written; nothing was sent (--force sends it all the same)");
}

int CmdList(const CtlOptions& o) {
    ControllerBackend backend(o.backend);
    std::vector<HidInterfaceInfo> interfaces;
    if (!backend.platform().Enumerate(interfaces)) {
        return Fail(Exit::kNoController, "the HID interfaces cannot be listed");
    }
    // Recognised as every command recognises them: the search itself.
    QuietReporter quiet;
    HidLink link(backend.platform(), quiet);
    const std::vector<FoundController> controllers = link.FindControllers();
    const auto isController = [&](const HidInterfaceInfo& i) {
        return std::any_of(controllers.begin(), controllers.end(),
                           [&](const FoundController& c) { return c.path == i.path; });
    };
    // The one a command would take: the one in --port, or the only one.
    const FoundController* taken = nullptr;
    for (const FoundController& c : controllers) {
        if (o.port.empty() ? controllers.size() == 1 : c.port == o.port) taken = &c;
    }
    std::string takenError;
    if (taken != nullptr) {
        const HidOpenResult probe = backend.platform().OpenRead(taken->path);
        if (probe.ok()) {
            backend.platform().Close(probe.handle);
        } else {
            takenError = CannotOpenAdvice(probe.error, taken->path);
        }
    }
    if (o.json) {
        nlohmann::ordered_json rows = nlohmann::ordered_json::array();
        for (const auto& i : interfaces) {
            const bool chosen = taken != nullptr && taken->path == i.path;
            rows.push_back(
                {{"port", i.port},
                 {"serial", i.serial},
                 {"path", i.path},
                 {"vendor_id", i.vendorId},
                 {"product_id", i.productId},
                 {"version", i.versionNumber},
                 {"usage_page", i.usagePage},
                 {"controller", isController(i)},
                 {"taken", chosen},
                 {"error", chosen && !takenError.empty() ? nlohmann::ordered_json(takenError)
                                                         : nlohmann::ordered_json(nullptr)}});
        }
        std::cout << rows.dump(2) << "\n";
    } else {
        std::printf("%-10s  %-8s  %-9s  %-7s  %-10s  %s\n", "port", "serial", "VID:PID", "version",
                    "usage page", "path");
        for (const auto& i : interfaces) {
            const bool chosen = taken != nullptr && taken->path == i.path;
            std::printf("%-10s  %-8s  %04x:%04x  %04x     %04x        %s%s\n",
                        i.port.empty() ? "-" : i.port.c_str(),
                        i.serial.empty() ? "-" : i.serial.c_str(), i.vendorId, i.productId,
                        i.versionNumber, i.usagePage, i.path.c_str(),
                        !isController(i) ? ""
                        : chosen         ? "  <- VT-350 controller, taken"
                                         : "  <- VT-350 controller");
        }
    }
    if (controllers.empty()) {
        if (!o.json) std::printf("No controller found.\n");
        return Exit::kNoController;
    }
    if (o.json) return Exit::kOk;
    if (taken == nullptr && !o.port.empty()) {
        std::printf("No controller is plugged into port %s.\n", o.port.c_str());
        return Exit::kNoController;
    }
    if (taken == nullptr) {
        std::printf("%zu controllers are plugged in: choose one with --port.\n",
                    controllers.size());
    } else if (!takenError.empty()) {
        std::printf("The controller is present but %s.\n", takenError.c_str());
    }
    for (const FoundController& c : controllers) {
        if (c.serial != ControllerIdentity::kSerial) {
            std::printf(
                "The controller in %s has serial %s: its arrivals are not recognised (serial %s "
                "is), so the window and the workshop line see it only when they look.\n",
                c.port.empty() ? c.path.c_str() : ("port " + c.port).c_str(),
                c.serial.empty() ? "(none)" : c.serial.c_str(), ControllerIdentity::kSerial);
        }
    }
    return Exit::kOk;
}

int CmdRead(const CtlOptions& o) {
    if (o.json && o.output == "-") {
        return Fail(Exit::kUsage, "--json and -o - would both write to standard output");
    }
    ConfigRecord record;
    if (int rc = ReadDevice(o, record)) return rc;
    if (!o.output.empty()) {
        if (int rc = SaveSet(o.output, record)) return rc;
    }
    if (o.json) {
        std::cout << RecordToJson(record);
    } else if (o.output.empty()) {
        std::cout << DescribeRecord(record);
    } else if (!o.quiet && o.output != "-") {
        std::cout << "Saved to " << o.output << "\n";
    }
    return Exit::kOk;
}

void PrintWarnings(const ConfigRecord& record) {
    for (const auto& w : SafetyWarnings(record)) std::cerr << "vt350ctl: warning: " << w << "\n";
}

int WriteSet(const CtlOptions& o, const std::string& name, const ConfigRecord& record) {
    if (!o.force) {
        if (int rc = CheckSendable(name, record)) return rc;
    }
    if (!o.quiet || !o.yes) std::cout << DescribeRecord(record) << std::flush;
    PrintWarnings(record);
    if (!o.yes && !Confirm("Write these parameters to the controller?")) {
        return Fail(Exit::kDiffers, "not confirmed; nothing was written");
    }
    CtlDevice device(o);
    if (int rc = device.Open()) return rc;
    if (int rc = device.Store(record)) return rc;
    if (!o.quiet) std::cout << "Parameters stored.\n";
    if (!o.verify) return Exit::kOk;
    ConfigRecord readBack;
    if (int rc = device.Read(readBack)) return rc;
    if (record.FirstStoredDifference(readBack) >= 0) {
        for (const auto& line : DiffRecords(record, readBack)) std::cerr << "  " << line << "\n";
        return Fail(Exit::kDiffers, "verification failed: the controller holds other parameters");
    }
    if (!o.quiet) std::cout << "Verified: the controller holds the same parameters.\n";
    return Exit::kOk;
}

int CmdWrite(const CtlOptions& o) {
    const std::string& path = o.args.at(0);
    if (path == "-" && !o.yes) {
        return Fail(Exit::kUsage, "a set read from standard input is written only with --yes");
    }
    ConfigRecord record;
    if (int rc = LoadSet(path, record)) return rc;
    return WriteSet(o, path, record);
}

int CmdReset(const CtlOptions& o) {
    if (!o.yes && !Confirm("Restore the controller's factory settings? Its present set is lost.")) {
        return Fail(Exit::kDiffers, "not confirmed; nothing was sent");
    }
    return Bare(o, CommandReport::kFactoryReset, "Factory settings restored.");
}

int CmdConnect(const CtlOptions& o) {
    return Bare(o, CommandReport::kConnect, "Connected.");
}

int CmdDisconnect(const CtlOptions& o) {
    return Bare(o, CommandReport::kDisconnect, "Disconnected.");
}

int CmdShow(const CtlOptions& o) {
    ConfigRecord record;
    if (int rc = LoadSet(o.args.at(0), record)) return rc;
    std::cout << (o.json ? RecordToJson(record) : DescribeRecord(record));
    if (!o.json) {
        for (const auto& w : SafetyWarnings(record)) std::cout << "Warning: " << w << "\n";
    }
    return Exit::kOk;
}

namespace {

// "@17": a history entry by its id, as `history` lists it (a file of that name is ./@17).
bool IsHistoryEntryId(const std::string& what) {
    return what.size() > 1 && what[0] == '@' &&
           what.find_first_not_of("0123456789", 1) == std::string::npos;
}

int LoadHistoryEntry(const CtlOptions& o, const std::string& which, ConfigRecord& set) {
    const History history = OpenHistory(o);
    const auto entry = history.Find(which);
    if (!entry && !history.readProblem().empty()) return HistoryUnreadable(history, 0);
    if (!entry) {
        return Fail(Exit::kUsage,
                    "the history holds no entry \"" + which + "\" (vt350ctl history lists them)");
    }
    if (!entry->set) return Fail(Exit::kUsage, which + " is a factory reset and holds no set");
    set = *entry->set;
    return Exit::kOk;
}

}  // namespace

int CmdDiff(const CtlOptions& o) {
    if (o.args.at(0) == "-" && o.args.at(1) == "-") {
        return Fail(Exit::kUsage, "only one of the two sets can come from standard input");
    }
    ConfigRecord sets[2];
    for (int i = 0; i < 2; ++i) {
        const std::string& what = o.args.at(static_cast<std::size_t>(i));
        int rc = Exit::kOk;
        if (what == "device") {
            rc = ReadDevice(o, sets[i]);
        } else if (IsHistoryEntryId(what)) {
            rc = LoadHistoryEntry(o, what, sets[i]);
        } else {
            rc = LoadSet(what, sets[i]);
        }
        if (rc != Exit::kOk) return rc;
    }
    const auto lines = DiffRecords(sets[0], sets[1]);
    if (!o.quiet) {
        for (const auto& line : lines) std::cout << line << "\n";
        if (lines.empty()) std::cout << "No differences.\n";
        for (int i = 0; i < 2; ++i) {
            for (const auto& w : SafetyWarnings(sets[i])) {
                std::cout << "Warning (" << o.args.at(static_cast<std::size_t>(i)) << "): " << w
                          << "\n";
            }
        }
    }
    return lines.empty() ? Exit::kOk : Exit::kDiffers;
}

int CmdImport(const CtlOptions& o) {
    const std::string& path = o.args.at(0);
    std::string text, error;
    if (!ReadInput(path, kMaxInputBytes, text, error)) return Fail(Exit::kFileError, error);
    ConfigRecord record;
    std::vector<std::string> errors;
    if (!RecordFromJson(text, record, errors)) {
        for (const auto& e : errors) std::cerr << "vt350ctl: " << path << ": " << e << "\n";
        const bool syntax = errors.size() == 1 && errors[0].rfind("not ", 0) == 0;
        return Fail(Exit::kFileError, syntax
                                          ? "nothing was written: the file is not the JSON form of "
                                            "a parameter set"
                                          : "nothing was written: the file holds values no editor "
                                            "would write");
    }
    if (int rc = SaveSet(o.output, record)) return rc;
    if (!o.quiet && o.output != "-") std::cout << "Wrote " << o.output << "\n";
    return Exit::kOk;
}
