// Uevents of any content (action, subsystem, HID_ID and HID_UNIQ, one a line): reading them
// never crashes, and what is taken for an arrival or a removal is one of a USB HID device,
// named.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "hid/device_change.h"
#include "platform/linux/udev_monitor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::string_view fields[4];
    for (std::string_view& field : fields) {
        const auto end = rest.find('\n');
        field = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    std::uint32_t value = 0;
    ParseHexNumber(fields[2], value);
    const auto change = MapUevent({fields[0], fields[1], fields[2], fields[3]});
    if (!change) return 0;
    if (change->event != kDeviceArrival && change->event != kDeviceRemoveComplete) std::abort();
    std::uint32_t bus = 0, vendor = 0, product = 0;
    if (!ParseHidId(fields[2], bus, vendor, product) || bus != 0x0003) std::abort();
    if (change->name.empty()) std::abort();
    return 0;
}
