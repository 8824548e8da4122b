#include "hid/found_controller.h"

#include <algorithm>

#include "config/ui_text.h"

FoundController FoundFrom(const HidInterfaceInfo& info) {
    return {info.path, info.port, info.serial, info.instance};
}

std::vector<FoundController> InPort(std::vector<FoundController> controllers,
                                    const std::string& port) {
    if (!port.empty()) {
        std::erase_if(controllers, [&](const FoundController& c) { return c.port != port; });
    }
    return controllers;
}

std::vector<std::pair<bool, FoundController>> PlugInChanges(
    const std::vector<FoundController>& before, const std::vector<FoundController>& now) {
    const auto in = [](const std::vector<FoundController>& list, const FoundController& c) {
        return std::any_of(list.begin(), list.end(), [&](const FoundController& other) {
            return other.path == c.path && other.instance == c.instance;
        });
    };
    std::vector<std::pair<bool, FoundController>> changes;
    for (const FoundController& c : before) {
        if (!in(now, c)) changes.emplace_back(false, c);
    }
    for (const FoundController& c : now) {
        if (!in(before, c)) changes.emplace_back(true, c);
    }
    return changes;
}

std::string PortList(const std::vector<FoundController>& controllers) {
    std::string out;
    for (const FoundController& c : controllers) {
        if (!out.empty()) out += ", ";
        out += c.port.empty() ? c.path : c.port;
    }
    return out;
}

std::string DescribeController(const FoundController& c) {
    const std::string serial =
        c.serial.empty() ? "" : ", " + FillText(UiText("Messages", "serial %1"), {c.serial});
    if (c.port.empty()) return c.path + serial;
    return FillText(UiText("Messages", "port %1"), {c.port}) + serial + " (" + c.path + ")";
}
