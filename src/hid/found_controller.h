#pragma once

#include <string>
#include <utility>
#include <vector>

#include "hid/hid_platform.h"

// One controller the search recognised, named the way a technician tells controllers
// apart: the port it is plugged into, its serial, and the node or path it is opened by.
struct FoundController {
    std::string path;
    std::string port;
    std::string serial;
    std::string instance;  // differs after a replug into the same port
};

FoundController FoundFrom(const HidInterfaceInfo& info);

// The controllers plugged into `port`; all of them for "".
std::vector<FoundController> InPort(std::vector<FoundController> controllers,
                                    const std::string& port);

// What changed between two looks at what is plugged in: the ones gone (false), then the ones
// come (true). A controller at the same node but of another plug-in (pulled and plugged back
// in between the looks) is both.
std::vector<std::pair<bool, FoundController>> PlugInChanges(
    const std::vector<FoundController>& before, const std::vector<FoundController>& now);

// "1-1, 2-1, 3-1": the ports of several controllers, for a sentence.
std::string PortList(const std::vector<FoundController>& controllers);

// "port 1-1, serial 0001 (/dev/hidraw2)": a controller for a person.
std::string DescribeController(const FoundController& controller);
