#include "platform/windows/device_change_message.h"

#include <cstring>

bool DeliverDeviceChange(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                         const DeviceChangeSource::Handler& handler) {
    if (message != kWmDeviceChange || lParam == 0 || !handler) return false;
    const auto* record = reinterpret_cast<const std::uint8_t*>(lParam);
    // The header's first field is the size of the whole record.
    std::uint32_t size = 0;
    std::memcpy(&size, record, sizeof size);
    handler(static_cast<std::uint32_t>(wParam), record, size);
    return true;
}
