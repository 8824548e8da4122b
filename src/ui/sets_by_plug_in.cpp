#include "ui/sets_by_plug_in.h"

#include <utility>

void SetsByPlugIn::Leave(const std::string& plugIn, const std::optional<ConfigRecord>& held,
                         std::optional<Edits> edits) {
    if (held) held_[plugIn] = *held;
    if (edits) {
        edits_[plugIn] = std::move(*edits);
    } else {
        edits_.erase(plugIn);
    }
}

std::optional<ConfigRecord> SetsByPlugIn::Held(const std::string& plugIn) const {
    const auto found = held_.find(plugIn);
    if (found == held_.end()) return std::nullopt;
    return found->second;
}

std::optional<SetsByPlugIn::Edits> SetsByPlugIn::TakeEdits(const std::string& plugIn) {
    const auto found = edits_.find(plugIn);
    if (found == edits_.end()) return std::nullopt;
    Edits edits = std::move(found->second);
    edits_.erase(found);
    return edits;
}

void SetsByPlugIn::SetUnit(const std::string& plugIn, const std::string& unit) {
    if (unit.empty()) {
        units_.erase(plugIn);
    } else {
        units_[plugIn] = unit;
    }
}

std::string SetsByPlugIn::Unit(const std::string& plugIn) const {
    const auto it = units_.find(plugIn);
    return it != units_.end() ? it->second : "";
}
