// vt350ctl history and restore: what every controller held and was given, and the way
// back to any of it.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>

#include "cli/ctl_commands.h"
#include "cli/ctl_device.h"
#include "cli/ctl_io.h"
#include "config/history_steps.h"
#include "config/parameter_rules.h"
#include "config/parameter_view.h"
#include "fleet/history_sync.h"
#include "fleet/shared_record.h"
#include "hid/device_text.h"
#include "platform/history_place.h"

namespace {

constexpr const char* kNoServer =
    "no shared record is set: VT350_HISTORY_SERVER, or history_server in the settings file, "
    "names it (a PostgreSQL connection string)";
// How long a listing from the shared record, and a sync or server-init asked for, may take.
constexpr std::chrono::milliseconds kListLimit{5000};
constexpr std::chrono::milliseconds kSyncLimit{30000};

// Every bench's entries: each against the one before it of the same bench and controller.
std::vector<HistoryStep> StepsOfAllBenches(std::vector<HistoryEntry> entries) {
    for (HistoryEntry& e : entries) e.port = e.bench + "\n" + e.port;
    return StepsOf(entries);
}

// What changed from the entry before it of the same controller (the next older one of the
// same plug-in that holds a set).
std::vector<std::string> ChangesFromBefore(const HistoryStep& step) {
    std::vector<std::string> out;
    for (const ParameterChange& c : step.changes) out.push_back(ChangeInWords(c));
    return out;
}

// Under an entry that begins a controller's line: where the port's set before it is, for a
// diff on request.
std::string FirstInPortLine(const std::vector<HistoryEntry>& entries, std::size_t i,
                            const HistoryStep& step) {
    if (step.before || !step.portBefore || !entries[i].set) return "";
    const std::string before = "@" + std::to_string(entries[*step.portBefore].id);
    return std::string(step.newPlugIn ? "plugged in anew" : "another controller in this port") +
           ": the port's set before is " + before + " (vt350ctl diff " + before + " @" +
           std::to_string(entries[i].id) + ")";
}

// "port 1-1  serial 0001  /dev/hidraw2", or the node alone for an entry without a port; then
// the unit and the bench where the entry names them.
std::string ControllerOf(const HistoryEntry& e) {
    std::string where = e.port.empty() ? e.device
                                       : "port " + e.port + "  serial " +
                                             (e.serial.empty() ? "-" : e.serial) + "  " + e.device;
    if (!e.unit.empty()) where += "  unit " + e.unit;
    if (!e.bench.empty()) where += "  bench " + e.bench;
    return where;
}

int NoSuchEntry(const std::string& which) {
    return Fail(Exit::kUsage, "the history holds no entry \"" + which +
                                  "\" (vt350ctl history lists them: 1 the newest, or @ID)");
}

int ShowEntry(const CtlOptions& o, const History& history) {
    const std::string& which = o.args.at(1);
    const auto entry = history.Find(which);
    if (!entry)
        return history.readProblem().empty() ? NoSuchEntry(which) : HistoryUnreadable(history, 0);
    if (o.json) {
        if (!entry->set) return Fail(Exit::kDiffers, "a factory reset holds no parameter set");
        std::cout << RecordToJson(*entry->set);
        return Exit::kOk;
    }
    std::cout << "@" << entry->id << "  " << entry->time << "  " << entry->event << "  "
              << entry->program << "  " << ControllerOf(*entry) << "\n";
    if (!entry->file.empty()) std::cout << history.folder() << "/" << entry->file << "\n";
    if (!entry->set) {
        std::cout << "Factory settings restored; the set they gave was not read.\n";
        return Exit::kOk;
    }
    std::cout << DescribeRecord(*entry->set);
    for (const auto& w : SafetyWarnings(*entry->set)) std::cout << "Warning: " << w << "\n";
    return Exit::kOk;
}

// A listing of entries that any program may have written: text as shown (no escape
// sequence reaches the terminal, nothing that is not UTF-8), JSON valid whatever a field holds.
constexpr auto Shown = ShownDeviceText;

// A listing of all entries numbers them as restore takes them (1 the newest); a listing of
// one unit's does not, since its numbers would name other entries there: its ids do.
void ListAsJson(const std::vector<HistoryEntry>& entries, const std::vector<HistoryStep>& steps,
                const std::vector<std::size_t>& shown, bool numbered) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const std::size_t i : shown) {
        const HistoryEntry& e = entries[i];
        const HistoryStep& step = steps[i];
        const nlohmann::ordered_json portBefore =
            step.portBefore ? nlohmann::ordered_json(entries[*step.portBefore].id) : nullptr;
        list.push_back({{"number", numbered ? nlohmann::ordered_json(i + 1) : nullptr},
                        {"id", e.id},
                        {"time", e.time},
                        {"event", e.event},
                        {"program", e.program},
                        {"device", e.device},
                        {"port", e.port},
                        {"serial", e.serial},
                        {"plug_in", e.plugIn},
                        {"unit", e.unit},
                        {"bench", e.bench},
                        {"set", e.set ? nlohmann::ordered_json(e.set->Hex()) : nullptr},
                        {"file", e.file},
                        {"changes", ChangesFromBefore(step)},
                        {"plugged_in_anew", step.newPlugIn},
                        {"port_before", portBefore},
                        {"warnings", e.set ? SafetyWarnings(*e.set) : std::vector<std::string>()}});
    }
    std::cout << list.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
}

void ListAsText(const std::vector<HistoryEntry>& entries, const std::vector<HistoryStep>& steps,
                const std::vector<std::size_t>& shown, bool numbered) {
    for (const std::size_t i : shown) {
        const HistoryEntry& e = entries[i];
        char row[512];
        const std::string id = "@" + std::to_string(e.id);
        const std::string number = numbered ? std::to_string(i + 1) : "-";
        std::snprintf(row, sizeof row, "%4s  %-7s  %s  %-6s  %-12s  ", number.c_str(), id.c_str(),
                      Shown(e.time).c_str(), Shown(e.event).c_str(), Shown(e.program).c_str());
        std::cout << row << Shown(ControllerOf(e)) << "\n";
        const HistoryStep& step = steps[i];
        const std::string first = FirstInPortLine(entries, i, step);
        if (!first.empty()) std::cout << "        " << first << "\n";
        for (const auto& change : ChangesFromBefore(step)) {
            std::cout << "        " << change << "\n";
        }
        if (e.set) {
            for (const auto& w : SafetyWarnings(*e.set))
                std::cout << "        warning: " << w << "\n";
        }
    }
}

// The listing from the shared record (a unit's, or every bench's); nothing, after saying
// why, when the record cannot be read, and the bench's own history is listed instead.
std::optional<int> ListShared(const CtlOptions& o, History& history, const std::string& conninfo) {
    SyncResult sent = SyncHistory(history, conninfo, o.backend.demo, kSendMoment);
    std::string error = sent.error;
    std::optional<std::vector<HistoryEntry>> shared;
    if (error.empty()) {
        shared =
            ReadSharedRecord(conninfo, o.unit, static_cast<std::size_t>(o.last), kListLimit, error);
    }
    if (!shared) {
        std::cerr << "vt350ctl: the shared record cannot be read (" << Shown(error)
                  << "): this bench's history is listed\n";
        return std::nullopt;
    }
    std::vector<HistoryEntry>& entries = *shared;
    const std::vector<HistoryStep> steps =
        o.unit.empty() ? StepsOfAllBenches(entries) : StepsOfUnit(entries);
    std::vector<std::size_t> all(entries.size());
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
    if (o.json) {
        ListAsJson(entries, steps, all, false);
        return Exit::kOk;
    }
    ListAsText(entries, steps, all, false);
    if (!o.quiet) {
        std::cerr << entries.size() << " entries, newest first"
                  << (o.unit.empty() ? ", of every bench" : ", of unit " + Shown(o.unit))
                  << ", from the shared record\n";
    }
    return Exit::kOk;
}

int SyncNow(const CtlOptions& o, History& history, const std::string& conninfo) {
    if (conninfo.empty()) return Fail(Exit::kUsage, kNoServer);
    const SyncResult r =
        SyncHistory(history, conninfo, o.backend.demo, kSyncLimit, SyncWhen::kAlways);
    if (r.waiting > 0) {
        return Fail(Exit::kFileError, std::to_string(r.sent) + " entries sent, " +
                                          std::to_string(r.waiting) + " wait: " + Shown(r.error));
    }
    if (!history.readProblem().empty()) return HistoryUnreadable(history, 0);
    if (!r.reached) {
        return Fail(Exit::kFileError,
                    "none waits, but the shared record cannot be reached: " + Shown(r.error));
    }
    if (!o.quiet) std::cout << r.sent << " entries sent; none waits.\n";
    return Exit::kOk;
}

int ServerInit(const std::string& conninfo) {
    if (conninfo.empty()) return Fail(Exit::kUsage, kNoServer);
    std::string error;
    auto record = SharedRecord::Connect(conninfo, kSyncLimit, error);
    if (record == nullptr || !record->MakeSchema(error)) {
        return Fail(Exit::kFileError, "the shared record cannot be made: " + Shown(error));
    }
    std::cout << "The shared record is ready: its table vt350_entries, and the role vt350_bench "
                 "that may add and read entries (grant it to each bench's login role).\n";
    return Exit::kOk;
}

}  // namespace

void SendToSharedRecord(const CtlOptions& o, History& history) {
    const std::string conninfo = HistoryServer();
    if (conninfo.empty()) return;
    // A moment at most: a server away or slow never holds the command up; its entries wait
    // in the history and go with the next one.
    const SyncResult r = SyncHistory(history, conninfo, o.backend.demo, kSendMoment);
    if (r.waiting > 0 && !o.quiet) {
        std::cerr << "vt350ctl: " << r.waiting << " history entries wait for the shared record ("
                  << Shown(r.error)
                  << "); they go with the next command that keeps one, or vt350ctl history "
                     "sync\n";
    }
}

int CmdHistory(const CtlOptions& o) {
    History history = OpenHistory(o);
    const std::string conninfo = HistoryServer();
    if (!o.args.empty()) {
        if (o.args.size() == 1 && o.args[0] == "sync") return SyncNow(o, history, conninfo);
        if (o.args.size() == 1 && o.args[0] == "server-init") return ServerInit(conninfo);
        if (o.args.size() != 2 || o.args[0] != "show") {
            return Fail(Exit::kUsage,
                        "history takes \"show ENTRY\", \"sync\", \"server-init\" or nothing "
                        "(see vt350ctl history --help)");
        }
        return ShowEntry(o, history);
    }
    if ((!o.unit.empty() || o.allBenches) && !conninfo.empty()) {
        if (const std::optional<int> listed = ListShared(o, history, conninfo)) return *listed;
    } else if (o.allBenches && !o.quiet) {
        std::cerr << "vt350ctl: no shared record is set (VT350_HISTORY_SERVER): this bench's "
                     "history is listed\n";
    }
    const std::size_t wanted = o.last > 0 ? static_cast<std::size_t>(o.last) : 0;
    // One unit's entries are its own query, however many other entries there are; they are
    // numbered among themselves.
    HistoryScope scope;
    scope.unit = o.unit;
    const auto entries = history.Entries(std::max(History::kDefaultLimit, wanted), scope);
    if (!history.readProblem().empty()) {
        // What could be read is listed before saying why the rest could not.
        std::vector<std::size_t> all(entries.size());
        for (std::size_t i = 0; i < all.size(); ++i) all[i] = i;
        const std::vector<HistoryStep> steps = StepsOf(entries);
        o.json ? ListAsJson(entries, steps, all, o.unit.empty())
               : ListAsText(entries, steps, all, o.unit.empty());
        return HistoryUnreadable(history, entries.size());
    }
    // Numbered among all entries, so that a number shown is the one restore takes.
    std::vector<std::size_t> shown;
    for (std::size_t i = 0; i < entries.size() && shown.size() < wanted; ++i) {
        if (o.port.empty() || entries[i].port == o.port) shown.push_back(i);
    }
    const std::vector<HistoryStep> steps = o.unit.empty() ? StepsOf(entries) : StepsOfUnit(entries);
    if (o.json) {
        ListAsJson(entries, steps, shown, o.unit.empty());
        return Exit::kOk;
    }
    if (entries.empty()) {
        if (!history.unavailable().empty()) {
            return Fail(Exit::kFileError,
                        "no history in " + history.folder() + ": " + history.unavailable());
        }
        if (!o.unit.empty()) {
            std::cout << "The history in " << history.folder() << " holds no entry of unit "
                      << Shown(o.unit) << ".\n";
            return Exit::kOk;
        }
        std::cout << "The history in " << history.folder() << " is empty.\n";
        return Exit::kOk;
    }
    ListAsText(entries, steps, shown, o.unit.empty());
    if (!o.quiet) {
        // The whole history's count, which may be more than was read.
        const std::size_t total =
            entries.size() < History::kDefaultLimit ? entries.size() : history.Count(scope);
        std::cerr << shown.size() << " of " << total << " entries, newest first"
                  << (o.port.empty() ? "" : ", of port " + Shown(o.port))
                  << (o.unit.empty() ? "" : ", of unit " + Shown(o.unit)) << ", in "
                  << history.folder() << "\n";
    }
    return Exit::kOk;
}

int CmdRestore(const CtlOptions& o) {
    const std::string& which = o.args.at(0);
    const History history = OpenHistory(o);
    const auto entry = history.Find(which);
    if (!entry)
        return history.readProblem().empty() ? NoSuchEntry(which) : HistoryUnreadable(history, 0);
    if (!entry->set) {
        return Fail(Exit::kUsage, "entry \"" + which +
                                      "\" is a factory reset and holds no set: restore an "
                                      "entry that was read or stored");
    }
    if (!o.quiet || !o.yes) {
        std::cout << "Entry " << which << " (@" << entry->id << "): " << entry->event << " "
                  << entry->time << " (" << ControllerOf(*entry) << ")\n";
    }
    return WriteSet(o, "history entry " + which, *entry->set);
}
