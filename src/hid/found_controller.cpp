#include "hid/found_controller.h"

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
    if (c.port.empty()) return c.serial.empty() ? c.path : c.path + ", serial " + c.serial;
    std::string out = "port " + c.port;
    if (!c.serial.empty()) out += ", serial " + c.serial;
    return out + " (" + c.path + ")";
}
