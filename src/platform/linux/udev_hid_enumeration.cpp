#include "platform/linux/udev_hid_enumeration.h"

#include <fcntl.h>
#include <libudev.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "hid/report_descriptor.h"

namespace {

struct UdevUnref {
    void operator()(udev* u) const { udev_unref(u); }
    void operator()(udev_enumerate* e) const { udev_enumerate_unref(e); }
    void operator()(udev_device* d) const { udev_device_unref(d); }
};
template <class T>
using UdevPtr = std::unique_ptr<T, UdevUnref>;

std::string_view Text(const char* s) {
    return s != nullptr ? std::string_view(s) : std::string_view();
}

bool ParseHex(std::string_view s, std::uint32_t& v) {
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v, 16);
    return !s.empty() && ec == std::errc() && p == s.data() + s.size();
}

// HID_ID is bus:vendor:product in hex ("0003:00000001:00000001").
bool ParseHidId(std::string_view id, std::uint16_t& vendor, std::uint16_t& product) {
    const auto first = id.find(':');
    const auto second = id.find(':', first == std::string_view::npos ? first : first + 1);
    if (second == std::string_view::npos) return false;
    std::uint32_t v = 0, p = 0;
    if (!ParseHex(id.substr(first + 1, second - first - 1), v) ||
        !ParseHex(id.substr(second + 1), p)) {
        return false;
    }
    vendor = static_cast<std::uint16_t>(v);
    product = static_cast<std::uint16_t>(p);
    return true;
}

// The report descriptor sysfs keeps beside the hid device; a device that went away reads
// as nothing.
std::optional<std::uint16_t> UsagePageOf(std::string_view hidSyspath) {
    if (hidSyspath.empty()) return std::nullopt;
    const std::string path = std::string(hidSyspath) + "/report_descriptor";
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::uint8_t buffer[4096];  // HID_MAX_DESCRIPTOR_SIZE
    std::size_t size = 0;
    for (;;) {
        const ssize_t n = read(fd, buffer + size, sizeof buffer - size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        size += static_cast<std::size_t>(n);
        if (size == sizeof buffer) break;
    }
    close(fd);
    return TopLevelUsagePage(std::span<const std::uint8_t>(buffer, size));
}

}  // namespace

bool EnumerateHidraw(std::vector<HidInterfaceInfo>& out) {
    out.clear();
    UdevPtr<udev> u(udev_new());
    if (!u) return false;
    UdevPtr<udev_enumerate> e(udev_enumerate_new(u.get()));
    if (!e || udev_enumerate_add_match_subsystem(e.get(), "hidraw") < 0 ||
        udev_enumerate_scan_devices(e.get()) < 0) {
        if (errno == 0) errno = EIO;
        return false;
    }
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(e.get())) {
        const char* syspath = udev_list_entry_get_name(entry);
        if (syspath == nullptr) continue;
        // Any of these may be gone by now: the device was unplugged during the search.
        UdevPtr<udev_device> raw(udev_device_new_from_syspath(u.get(), syspath));
        if (!raw) continue;
        const std::string_view node = Text(udev_device_get_devnode(raw.get()));
        // Parents belong to their child and are released with it.
        udev_device* hid = udev_device_get_parent_with_subsystem_devtype(raw.get(), "hid", nullptr);
        if (node.empty() || hid == nullptr) continue;
        HidInterfaceInfo info;
        info.path = std::string(node);
        info.attributesKnown = ParseHidId(Text(udev_device_get_property_value(hid, "HID_ID")),
                                          info.vendorId, info.productId);
        if (udev_device* usb =
                udev_device_get_parent_with_subsystem_devtype(raw.get(), "usb", "usb_device")) {
            std::uint32_t bcd = 0;
            if (ParseHex(Text(udev_device_get_sysattr_value(usb, "bcdDevice")), bcd)) {
                info.versionNumber = static_cast<std::uint16_t>(bcd);
            } else {
                info.attributesKnown = false;
            }
        }
        const auto page = UsagePageOf(Text(udev_device_get_syspath(hid)));
        info.usagePageKnown = page.has_value();
        info.usagePage = page.value_or(0);
        out.push_back(std::move(info));
    }
    return true;
}
