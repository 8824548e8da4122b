#include "hid/bound_controller.h"

#include <algorithm>

#include "config/ui_text.h"

std::string PlaceOf(const FoundController& c) {
    return c.port.empty() ? c.path : c.port;
}

std::string NameController(const FoundController& c) {
    std::string out = c.port.empty() ? c.path : FillText(UiText("Messages", "port %1"), {c.port});
    if (!c.serial.empty()) out += ", " + FillText(UiText("Messages", "serial %1"), {c.serial});
    return out;
}

void BoundController::Bind(const FoundController& controller) {
    place_ = PlaceOf(controller);
    controller_ = controller;
    present_ = true;
}

void BoundController::BindPort(const std::string& port) {
    place_ = port;
    controller_ = FoundController{};
    controller_.port = port;
    present_ = false;
}

BoundController::Change BoundController::Look(const std::vector<FoundController>& present) {
    if (!bound()) return Change::kNone;
    const auto own = std::find_if(present.begin(), present.end(),
                                  [&](const FoundController& c) { return PlaceOf(c) == place_; });
    if (own == present.end()) {
        const bool left = present_;
        present_ = false;
        return left ? Change::kLeft : Change::kNone;
    }
    if (present_ && own->instance == controller_.instance) return Change::kNone;
    // Back in its port after a removal, or replugged between two looks: a new plug-in.
    controller_ = *own;
    present_ = true;
    return Change::kPluggedInAgain;
}

std::vector<FoundController> BoundController::Others(
    const std::vector<FoundController>& present) const {
    std::vector<FoundController> others;
    for (const FoundController& c : present) {
        if (PlaceOf(c) != place_) others.push_back(c);
    }
    return others;
}
