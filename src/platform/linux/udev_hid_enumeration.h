#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "hid/hid_platform.h"

// The hidraw interfaces present now, from the udev device database and sysfs: path
// (/dev/hidrawN), vendor and product from the hid device's HID_ID, version from the USB
// device's bcdDevice (0 off USB), the top-level usage page from the report descriptor.
// A device that goes away while it is being looked at is left out; nothing read from the
// database is assumed to be there. False when the list cannot be built at all (errno set).
bool EnumerateHidraw(std::vector<HidInterfaceInfo>& out);

// The top-level usage page of the report descriptor in `file` (sysfs's report_descriptor),
// read to at most the kernel's 4096 bytes; nothing when it cannot be read or parsed.
std::optional<std::uint16_t> UsagePageFromFile(const std::string& file);

// What udev and sysfs say of one hidraw interface, as read (null where absent).
struct HidrawFacts {
    std::string node;                 // /dev/hidrawN
    std::string_view hidId;           // the hid device's HID_ID
    std::string_view hidUniq;         // its HID_UNIQ
    bool onUsb = false;               // a USB device is its parent
    const char* bcdDevice = nullptr;  // that device's attributes, where on USB
    std::string_view usbName, usbSerial, usbDevnum;
    std::optional<std::uint16_t> usagePage;  // of its report descriptor
    std::string_view bootId;                 // this boot's id: devices are numbered anew each boot
};

// The interface the search sees: attributes known only when HID_ID and, on USB, bcdDevice
// could be read; the usage page known only when the descriptor could; its plug-in the boot,
// the USB device's number in it and the node.
HidInterfaceInfo InterfaceFromFacts(const HidrawFacts& facts);
