#pragma once

#include <cstdint>

#include "hid/device_change.h"

// A window message as Windows delivers it to the window procedure, passed on to the
// device-change handler when it is WM_DEVICECHANGE with a broadcast record: the event
// (wParam) and the record (lParam) with its own size field, exactly as the platform built
// it. Returns true when the handler was called. Plain C++ over the message's numbers, so
// that it can be tested without a window.
bool DeliverDeviceChange(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                         const DeviceChangeSource::Handler& handler);

inline constexpr unsigned kWmDeviceChange = 0x0219;  // WM_DEVICECHANGE
