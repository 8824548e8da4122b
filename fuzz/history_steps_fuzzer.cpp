// The steps from entry to entry of any history (ports, serials, nodes, plug-ins and sets
// drawn from the input) against their definition, entry by entry: one pass must give what
// looking back from each entry gives.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "config/history_steps.h"

namespace {

// The definition: from each entry, back through the older ones.
HistoryStep Reference(const std::vector<HistoryEntry>& entries, std::size_t i) {
    HistoryStep step;
    const HistoryEntry& entry = entries[i];
    const auto samePort = [&](const HistoryEntry& o) {
        return o.port.empty() ? SameController(o, entry) : o.port == entry.port;
    };
    bool looking = true;
    for (std::size_t older = i + 1; older < entries.size(); ++older) {
        const HistoryEntry& o = entries[older];
        if (!step.portBefore && o.set && samePort(o)) step.portBefore = older;
        if (looking && SameController(o, entry)) {
            if (!o.plugIn.empty() && !entry.plugIn.empty() && o.plugIn != entry.plugIn) {
                step.newPlugIn = true;
                looking = false;
            } else if (o.set) {
                step.before = older;
                looking = false;
            }
        }
    }
    if (step.before && entry.set) {
        step.changes = ChangedParameters(*entries[*step.before].set, *entry.set);
    }
    return step;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<HistoryEntry> entries;
    for (std::size_t at = 0; at + 2 <= size && entries.size() < 64; at += 2) {
        const std::uint8_t a = data[at], b = data[at + 1];
        HistoryEntry e;
        e.port = (a & 3) == 0 ? "" : std::string(1, static_cast<char>('0' + (a & 3)));
        e.serial = std::string(1, static_cast<char>('0' + ((a >> 2) & 1)));
        e.device = std::string(1, static_cast<char>('a' + ((a >> 3) & 1)));
        e.plugIn = (a >> 4 & 3) == 0 ? "" : std::string(1, static_cast<char>('p' + (a >> 4 & 3)));
        if (a & 0x40) {
            ConfigRecord set;
            set.Set(ConfigRecord::kContinuousCurrent, b);
            e.set = set;
        }
        entries.push_back(e);
    }
    const std::vector<HistoryStep> steps = StepsOf(entries);
    if (steps.size() != entries.size()) std::abort();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const HistoryStep want = Reference(entries, i);
        if (steps[i].before != want.before || steps[i].newPlugIn != want.newPlugIn ||
            steps[i].portBefore != want.portBefore ||
            steps[i].changes.size() != want.changes.size()) {
            std::abort();
        }
    }
    return 0;
}
