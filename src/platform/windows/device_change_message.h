#pragma once

#include <cstdint>

#include "hid/device_change.h"

// A window message as Windows delivers it to the window procedure, passed on to the
// device-change handler when it is WM_DEVICECHANGE announcing an arrival or a removal with
// a broadcast record. Plain C++ over the message's numbers, so that it can be tested
// without a window.
//
// Only those two events carry a record in lParam; for any other event, and for a record
// whose header does not hold together (any program may send a window WM_DEVICECHANGE),
// nothing is read past what the header check needs. A Unicode window (IsWindowUnicode)
// gets the device-interface record with a UTF-16 name (DEV_BROADCAST_DEVICEINTERFACE_W);
// `wideNames` says so, and the name is narrowed (a character outside ASCII becomes '?')
// into the platform's 8-bit record, on which the name rule works as everywhere. Returns
// true when the handler was called.
bool DeliverDeviceChange(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                         bool wideNames, const DeviceChangeSource::Handler& handler);

inline constexpr unsigned kWmDeviceChange = 0x0219;  // WM_DEVICECHANGE
// Larger than any record Windows sends (a name of 32,767 UTF-16 characters): a size field
// beyond it is no record.
inline constexpr std::uint32_t kLargestBroadcastRecord = 28 + 2 * 32768;
