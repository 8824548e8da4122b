#include "config/history_steps.h"

bool SameController(const HistoryEntry& a, const HistoryEntry& b) {
    if (a.port.empty() && b.port.empty()) return a.device == b.device;
    return a.port == b.port && a.serial == b.serial;
}

namespace {

bool SamePlugIn(const HistoryEntry& a, const HistoryEntry& b) {
    return a.plugIn.empty() || b.plugIn.empty() || a.plugIn == b.plugIn;
}

bool SamePort(const HistoryEntry& a, const HistoryEntry& b) {
    return a.port.empty() ? SameController(a, b) : a.port == b.port;
}

}  // namespace

HistoryStep StepOf(const std::vector<HistoryEntry>& entries, std::size_t i) {
    HistoryStep step;
    const HistoryEntry& entry = entries[i];
    bool lookingForBefore = true;
    for (std::size_t older = i + 1; older < entries.size(); ++older) {
        const HistoryEntry& o = entries[older];
        if (!step.portBefore && o.set && SamePort(o, entry)) step.portBefore = older;
        if (lookingForBefore && SameController(o, entry)) {
            if (!SamePlugIn(o, entry)) {
                step.newPlugIn = true;
                lookingForBefore = false;
            } else if (o.set) {
                step.before = older;
                lookingForBefore = false;
            }
        }
        if (!lookingForBefore && step.portBefore) break;
    }
    if (step.before && entry.set) {
        step.changes = ChangedParameters(*entries[*step.before].set, *entry.set);
    }
    return step;
}
