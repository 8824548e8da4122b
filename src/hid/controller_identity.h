#pragma once

#include <cstdint>
#include <string_view>

// The controller's identity on the bus, in one place: what the search matches, what
// arrival and removal records are matched against, and what the virtual controller and
// the USB gadget present.
struct ControllerIdentity {
    static constexpr std::uint16_t kVendorId = 0x0001;
    static constexpr std::uint16_t kProductId = 0x0001;
    static constexpr std::uint16_t kUsagePage = 0x0001;  // Generic Desktop
    static constexpr std::uint16_t kVersionNumber = 0x0200;
    static constexpr const char* kSerial = "0001";
    // Characters 9 to 30 of the controller's device-interface name
    // (\\?\USB#VID_0001&PID_0001#0001#{...}), compared without regard to case.
    static constexpr std::string_view kMatchKey = "vid_0001&pid_0001#0001";
};
