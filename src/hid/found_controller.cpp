#include "hid/found_controller.h"

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
