#pragma once

#include <memory>

#include "hid/device_change.h"
#include "hid/hid_platform.h"

// What each operating system's folder under platform/ provides for the real controller.
// A port to another system implements these in a folder of its own.

// The system's HID services: hidapi (hidraw) on Linux, SetupAPI and HID.dll on Windows.
std::unique_ptr<HidPlatform> NewNativeHidPlatform();
// The system's arrival and removal events; nullptr where only a window receives them
// (Windows: the window's own device-change messages).
std::unique_ptr<DeviceChangeSource> NewNativeDeviceChanges();
