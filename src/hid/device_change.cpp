#include "hid/device_change.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

std::uint32_t ReadU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void WriteU32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Trims spaces only, as the name comparison always has; NUL characters stay.
std::string_view TrimSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// GUID_DEVINTERFACE_USB_DEVICE {A5DCBF10-6530-11D2-901F-00C04FB951ED} in memory order.
constexpr std::uint8_t kUsbDeviceInterfaceGuid[16] = {
    0x10, 0xBF, 0xDC, 0xA5, 0x30, 0x65, 0xD2, 0x11, 0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED};

}  // namespace

bool HandleDeviceChange(DeviceChangeCopies& copies, std::uint32_t event, const std::uint8_t* record,
                        std::size_t available, std::string_view matchKey,
                        std::int16_t& deviceDetected) {
    std::int16_t newValue;
    if (event == kDeviceArrival) {
        newValue = PresenceFlag::kTrue;
    } else if (event == kDeviceRemoveComplete) {
        newValue = PresenceFlag::kFalse;
    } else {
        return false;
    }
    if (record == nullptr || available < kBroadcastHeaderSize) return false;
    std::memcpy(copies.BroadcastHeader.data(), record, kBroadcastHeaderSize);
    if (ReadU32(&copies.BroadcastHeader[4]) != kDeviceTypeInterface) return false;

    // The size field decides how much is copied, but never more than the record we hold
    // and never more than the copy's 284 bytes.
    std::size_t count = ReadU32(&copies.BroadcastHeader[0]);
    count = std::min({count, kBroadcastInterfaceSize, available});
    std::memcpy(copies.BroadcastInterface.data(), record, count);

    // Name characters 9 to 30, counted from 1.
    char slice[22];
    for (std::size_t i = 0; i < sizeof slice; ++i) {
        unsigned char c = copies.BroadcastInterface[kBroadcastNameOffset + 8 + i];
        slice[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : static_cast<char>(c);
    }
    if (TrimSpaces(std::string_view(slice, sizeof slice)) != TrimSpaces(matchKey)) return false;
    deviceDetected = newValue;
    return true;
}

std::array<std::uint8_t, kBroadcastInterfaceSize> BuildInterfaceRecord(std::string_view name) {
    std::array<std::uint8_t, kBroadcastInterfaceSize> record{};
    const std::size_t length = std::min(name.size(), kBroadcastNameSize - 1);
    WriteU32(&record[0], static_cast<std::uint32_t>(kBroadcastNameOffset + length + 1));
    WriteU32(&record[4], kDeviceTypeInterface);
    std::memcpy(&record[12], kUsbDeviceInterfaceGuid, sizeof kUsbDeviceInterfaceGuid);
    std::memcpy(&record[kBroadcastNameOffset], name.data(), length);
    return record;
}

std::string InterfaceNameOf(const std::uint8_t* record, std::size_t size) {
    if (record == nullptr || size <= kBroadcastNameOffset ||
        ReadU32(record + 4) != kDeviceTypeInterface) {
        return "";
    }
    const std::size_t limit =
        std::min({size, std::size_t{ReadU32(record)}, kBroadcastInterfaceSize});
    if (limit <= kBroadcastNameOffset) return "";
    const char* name = reinterpret_cast<const char*>(record + kBroadcastNameOffset);
    return std::string(name, strnlen(name, limit - kBroadcastNameOffset));
}

std::string UsbInterfaceName(std::uint32_t vendorId, std::uint32_t productId,
                             std::string_view serial) {
    char head[48];
    std::snprintf(head, sizeof head, "\\\\?\\USB#VID_%04X&PID_%04X#", vendorId, productId);
    return std::string(head) + std::string(serial) + "#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";
}

void DeviceChangeSource::WaitForEvents(int timeoutMs) {
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min(timeoutMs, 1)));
}
