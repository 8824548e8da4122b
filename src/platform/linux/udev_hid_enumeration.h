#pragma once

#include <vector>

#include "hid/hid_platform.h"

// The hidraw interfaces present now, from the udev device database and sysfs: path
// (/dev/hidrawN), vendor and product from the hid device's HID_ID, version from the USB
// device's bcdDevice (0 off USB), the top-level usage page from the report descriptor.
// A device that goes away while it is being looked at is left out; nothing read from the
// database is assumed to be there. False when the list cannot be built at all (errno set).
bool EnumerateHidraw(std::vector<HidInterfaceInfo>& out);
