// vt350ctl's commands: each returns the program's exit status.
#include "cli/ctl_commands.h"

#include <cstdio>
#include <cstring>
#include <iostream>

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

bool IsController(const HidInterfaceInfo& i) {
    return i.vendorId == ControllerIdentity::kVendorId &&
           i.productId == ControllerIdentity::kProductId &&
           i.versionNumber == ControllerIdentity::kVersionNumber &&
           i.usagePage == ControllerIdentity::kUsagePage;
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
    std::printf("%-9s  %-7s  %-10s  %s\n", "VID:PID", "version", "usage page", "path");
    const HidInterfaceInfo* controller = nullptr;
    for (const auto& i : interfaces) {
        const bool isController = IsController(i);
        std::printf("%04x:%04x  %04x     %04x        %s%s\n", i.vendorId, i.productId,
                    i.versionNumber, i.usagePage, i.path.c_str(),
                    isController ? "  <- VT-350 controller" : "");
        if (isController && controller == nullptr) controller = &i;
    }
    if (controller == nullptr) {
        std::printf("No controller found.\n");
        return Exit::kNoController;
    }
    const HidOpenResult probe = backend.platform().OpenRead(controller->path);
    if (!probe.ok()) {
        std::printf("The controller is present but %s.\n",
                    CannotOpenAdvice(probe.error, controller->path).c_str());
    } else {
        backend.platform().Close(probe.handle);
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

int CmdDiff(const CtlOptions& o) {
    if (o.args.at(0) == "-" && o.args.at(1) == "-") {
        return Fail(Exit::kUsage, "only one of the two sets can come from standard input");
    }
    ConfigRecord sets[2];
    for (int i = 0; i < 2; ++i) {
        const std::string& what = o.args.at(static_cast<std::size_t>(i));
        const int rc = what == "device" ? ReadDevice(o, sets[i]) : LoadSet(what, sets[i]);
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
