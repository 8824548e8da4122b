// vt350ctl history and restore: what every controller held and was given, and the way
// back to any of it.
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/ctl_commands.h"
#include "cli/ctl_device.h"
#include "cli/ctl_io.h"
#include "config/parameter_rules.h"
#include "config/parameter_view.h"

namespace {

// What changed from the entry before (the next older one that holds a set).
std::vector<std::string> ChangesFromBefore(const std::vector<HistoryEntry>& entries,
                                           std::size_t i) {
    std::vector<std::string> out;
    if (!entries[i].set) return out;
    for (std::size_t older = i + 1; older < entries.size(); ++older) {
        if (!entries[older].set) continue;
        for (const ParameterChange& c : ChangedParameters(*entries[older].set, *entries[i].set)) {
            out.push_back(ChangeInWords(c));
        }
        break;
    }
    return out;
}

int NoSuchEntry(const std::string& which) {
    return Fail(Exit::kUsage, "the history holds no entry \"" + which +
                                  "\" (vt350ctl history lists them: 1 the newest, or @ID)");
}

int ShowEntry(const CtlOptions& o, const History& history) {
    const std::string& which = o.args.at(1);
    const auto entry = history.Find(which);
    if (!entry) return NoSuchEntry(which);
    if (o.json) {
        if (!entry->set) return Fail(Exit::kDiffers, "a factory reset holds no parameter set");
        std::cout << RecordToJson(*entry->set);
        return Exit::kOk;
    }
    std::cout << "@" << entry->id << "  " << entry->time << "  " << entry->event << "  "
              << entry->program << "  " << entry->device << "\n";
    if (!entry->file.empty()) std::cout << history.folder() << "/" << entry->file << "\n";
    if (!entry->set) {
        std::cout << "Factory settings restored; the set they gave was not read.\n";
        return Exit::kOk;
    }
    std::cout << DescribeRecord(*entry->set);
    for (const auto& w : SafetyWarnings(*entry->set)) std::cout << "Warning: " << w << "\n";
    return Exit::kOk;
}

void ListAsJson(const std::vector<HistoryEntry>& entries, std::size_t count) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < count; ++i) {
        const HistoryEntry& e = entries[i];
        list.push_back({{"number", i + 1},
                        {"id", e.id},
                        {"time", e.time},
                        {"event", e.event},
                        {"program", e.program},
                        {"device", e.device},
                        {"port", e.port},
                        {"serial", e.serial},
                        {"set", e.set ? nlohmann::ordered_json(e.set->Hex()) : nullptr},
                        {"file", e.file},
                        {"changes", ChangesFromBefore(entries, i)},
                        {"warnings", e.set ? SafetyWarnings(*e.set) : std::vector<std::string>()}});
    }
    std::cout << list.dump(2) << "\n";
}

}  // namespace

int CmdHistory(const CtlOptions& o) {
    const History history = OpenHistory(o);
    if (!o.args.empty()) {
        if (o.args.size() != 2 || o.args[0] != "show") {
            return Fail(Exit::kUsage,
                        "history takes \"show ENTRY\" or nothing (see vt350ctl "
                        "history --help)");
        }
        return ShowEntry(o, history);
    }
    if (history.Count() == 0 && !history.unavailable().empty() && !o.quiet) {
        std::cerr << "vt350ctl: no history here: " << history.unavailable() << "\n";
    }
    const auto entries = history.Entries();
    const std::size_t count = std::min(entries.size(), static_cast<std::size_t>(o.last));
    if (o.json) {
        ListAsJson(entries, count);
        return Exit::kOk;
    }
    if (entries.empty()) {
        std::cout << "The history in " << history.folder() << " is empty.\n";
        return Exit::kOk;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const HistoryEntry& e = entries[i];
        char row[512];
        const std::string id = "@" + std::to_string(e.id);
        std::snprintf(row, sizeof row, "%4zu  %-7s  %s  %-6s  %-12s  ", i + 1, id.c_str(),
                      e.time.c_str(), e.event.c_str(), e.program.c_str());
        std::cout << row << e.device << "\n";
        for (const auto& change : ChangesFromBefore(entries, i)) {
            std::cout << "        " << change << "\n";
        }
        if (e.set) {
            for (const auto& w : SafetyWarnings(*e.set))
                std::cout << "        warning: " << w << "\n";
        }
    }
    if (!o.quiet) {
        std::cerr << count << " of " << entries.size() << " entries, newest first, in "
                  << history.folder() << "\n";
    }
    return Exit::kOk;
}

int CmdRestore(const CtlOptions& o) {
    const std::string& which = o.args.at(0);
    const auto entry = OpenHistory(o).Find(which);
    if (!entry) return NoSuchEntry(which);
    if (!entry->set) {
        return Fail(Exit::kUsage, "entry \"" + which +
                                      "\" is a factory reset and holds no set: restore an "
                                      "entry that was read or stored");
    }
    if (!o.quiet || !o.yes) {
        std::cout << "Entry " << which << " (@" << entry->id << "): " << entry->event << " "
                  << entry->time << " (" << entry->device << ")\n";
    }
    return WriteSet(o, "history entry " + which, *entry->set);
}
