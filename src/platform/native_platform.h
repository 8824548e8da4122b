#pragma once

#include <memory>

#include "hid/device_change.h"
#include "hid/hid_platform.h"

// What each operating system's folder under platform/ provides for the real controller.
// A port to another system implements these in a folder of its own.

// The system's HID services: hidapi (hidraw) on Linux, SetupAPI and HID.dll on Windows.
std::unique_ptr<HidPlatform> NewNativeHidPlatform();
// The system's arrival and removal events, for a program without an event loop of its own:
// the udev monitor on Linux, a message-only window on Windows (the configuration window
// registers itself instead). nullptr where a system has none.
std::unique_ptr<DeviceChangeSource> NewNativeDeviceChanges();
