#include "platform/windows/device_change_message.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

std::uint32_t U32At(const std::uint8_t* p) {
    std::uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

// The 8-bit record of a UTF-16 one: header and class GUID as they are, the name narrowed.
std::array<std::uint8_t, kBroadcastInterfaceSize> NarrowRecord(const std::uint8_t* wide,
                                                               std::uint32_t size) {
    std::array<std::uint8_t, kBroadcastInterfaceSize> narrow{};
    std::memcpy(narrow.data(), wide, kBroadcastNameOffset);
    const std::size_t characters = (size - kBroadcastNameOffset) / 2;
    std::size_t length = 0;
    for (; length < characters && length < kBroadcastNameSize - 1; ++length) {
        std::uint16_t c;
        std::memcpy(&c, wide + kBroadcastNameOffset + 2 * length, sizeof c);
        if (c == 0) break;
        narrow[kBroadcastNameOffset + length] = c < 0x80 ? static_cast<std::uint8_t>(c) : '?';
    }
    const auto narrowSize = static_cast<std::uint32_t>(kBroadcastNameOffset + length + 1);
    std::memcpy(narrow.data(), &narrowSize, sizeof narrowSize);
    return narrow;
}

}  // namespace

bool DeliverDeviceChange(unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
                         bool wideNames, const DeviceChangeSource::Handler& handler) {
    if (message != kWmDeviceChange || !handler) return false;
    const auto event = static_cast<std::uint32_t>(wParam);
    if (event != kDeviceArrival && event != kDeviceRemoveComplete) return false;
    // A record Windows built is aligned like the structure it is.
    if (lParam == 0 || lParam % alignof(std::uint32_t) != 0) return false;
    const auto* record = reinterpret_cast<const std::uint8_t*>(lParam);
    const std::uint32_t size = U32At(record);
    if (size < kBroadcastHeaderSize || size > kLargestBroadcastRecord) return false;
    if (!wideNames || U32At(record + 4) != kDeviceTypeInterface) {
        handler(event, record, size);
        return true;
    }
    if (size < kBroadcastNameOffset) return false;
    const auto narrow = NarrowRecord(record, size);
    handler(event, narrow.data(), narrow.size());
    return true;
}
