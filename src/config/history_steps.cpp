#include "config/history_steps.h"

#include <unordered_map>

bool SameController(const HistoryEntry& a, const HistoryEntry& b) {
    if (a.port.empty() && b.port.empty()) return a.device == b.device;
    return a.port == b.port && a.serial == b.serial;
}

namespace {

// Keys under which SameController and "the same port" find an entry's kin: entries that
// name a port by port (and serial), older ones without a port by their node.
std::string ControllerKey(const HistoryEntry& e) {
    return e.port.empty() ? "node\n" + e.device : "port\n" + e.port + "\n" + e.serial;
}

std::string PortKey(const HistoryEntry& e) {
    return e.port.empty() ? "node\n" + e.device : "port\n" + e.port;
}

// What the older entries of one controller say to the next newer one.
struct ControllerSoFar {
    std::optional<std::size_t> newestSet;  // the newest entry with a set
    // The newest entry that knows its plug-in, and the newest whose plug-in differs from
    // that one's: between them they hold the newest entry of any plug-in but a given one.
    std::optional<std::size_t> newestPlugIn, newestOtherPlugIn;
};

bool Newer(std::optional<std::size_t> a, std::optional<std::size_t> b) {
    return a && (!b || *a < *b);  // newest first: a smaller index is newer
}

}  // namespace

std::vector<HistoryStep> StepsOf(const std::vector<HistoryEntry>& entries) {
    std::vector<HistoryStep> steps(entries.size());
    std::unordered_map<std::string, ControllerSoFar> controllers;
    std::unordered_map<std::string, std::size_t> portSets;
    for (std::size_t i = entries.size(); i-- > 0;) {
        const HistoryEntry& entry = entries[i];
        HistoryStep& step = steps[i];
        ControllerSoFar& so = controllers[ControllerKey(entry)];
        // The entry before it: the newest older one of this controller that holds a set,
        // unless one of another plug-in came after that (entries that know no plug-in are of
        // every plug-in).
        std::optional<std::size_t> otherPlugIn;
        if (!entry.plugIn.empty() && so.newestPlugIn) {
            otherPlugIn = entries[*so.newestPlugIn].plugIn != entry.plugIn ? so.newestPlugIn
                                                                           : so.newestOtherPlugIn;
        }
        if (otherPlugIn && !Newer(so.newestSet, otherPlugIn)) {
            step.newPlugIn = true;
        } else {
            step.before = so.newestSet;
        }
        if (const auto it = portSets.find(PortKey(entry)); it != portSets.end()) {
            step.portBefore = it->second;
        }
        if (step.before && entry.set) {
            step.changes = ChangedParameters(*entries[*step.before].set, *entry.set);
        }
        // Now it is the newest of its kind for the entries after it.
        if (entry.set) {
            so.newestSet = i;
            portSets[PortKey(entry)] = i;
        }
        if (!entry.plugIn.empty()) {
            if (so.newestPlugIn && entries[*so.newestPlugIn].plugIn != entry.plugIn) {
                so.newestOtherPlugIn = so.newestPlugIn;
            }
            so.newestPlugIn = i;
        }
    }
    return steps;
}

std::vector<HistoryStep> StepsOfUnit(std::vector<HistoryEntry> entries) {
    for (HistoryEntry& e : entries) {
        e.port = "unit";
        e.serial.clear();
        e.plugIn.clear();
    }
    return StepsOf(entries);
}
