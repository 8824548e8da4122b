#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "config/history.h"
#include "config/parameter_view.h"

// How the entries of a history follow one another, for every list of them (vt350ctl
// history and the window's view): each entry against the one before it of the same
// controller. A controller is its port and serial; a unit plugged into the port anew, even
// with the same serial, starts a line of its own, so that its first set is not shown as a
// change of the unit before it.

// Whether two entries are about one port and serial, or for entries that name no port
// (kept before ports were), one node.
bool SameController(const HistoryEntry& a, const HistoryEntry& b);

struct HistoryStep {
    // The entry before it of the same plug-in that holds a set, and what changed from it.
    std::optional<std::size_t> before;
    std::vector<ParameterChange> changes;
    // The controller was plugged in anew after the entry before it (entries that know no
    // plug-in are taken as one).
    bool newPlugIn = false;
    // The newest entry before it in the same port that holds a set, whatever was plugged in:
    // what the port held before, for a comparison on request.
    std::optional<std::size_t> portBefore;
};

// The step of every entry of `entries` (newest first, as History::Entries gives them), in
// one pass from the oldest: a listing of ten thousand entries of many controllers costs ten
// thousand steps, not ten thousand each.
std::vector<HistoryStep> StepsOf(const std::vector<HistoryEntry>& entries);
// The steps of one unit's entries: each against the unit's entry before it that holds a set,
// whichever bench, port or plug-in kept either (the unit is the bike, whatever controller
// it holds).
std::vector<HistoryStep> StepsOfUnit(std::vector<HistoryEntry> entries);
