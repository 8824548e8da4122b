#include "platform/linux/udev_hid_enumeration.h"

#include <fcntl.h>
#include <libudev.h>
#include <unistd.h>

#include <cerrno>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "hid/device_text.h"
#include "hid/report_descriptor.h"
#include "platform/linux/udev_monitor.h"

namespace {

struct UdevUnref {
    void operator()(udev* u) const { udev_unref(u); }
    void operator()(udev_enumerate* e) const { udev_enumerate_unref(e); }
    void operator()(udev_device* d) const { udev_device_unref(d); }
};
template <class T>
using UdevPtr = std::unique_ptr<T, UdevUnref>;

// The report descriptor sysfs keeps beside the hid device; a device that went away reads
// as nothing.
std::optional<std::uint16_t> UsagePageOf(std::string_view hidSyspath) {
    if (hidSyspath.empty()) return std::nullopt;
    return UsagePageFromFile(std::string(hidSyspath) + "/report_descriptor");
}

// This boot's id: the bus numbers devices from 1 again at every boot, so a plug-in is its
// device number within one boot (the history keeps plug-ins from boot to boot).
const std::string& BootId() {
    static const std::string id = [] {
        std::string text;
        const int fd = open("/proc/sys/kernel/random/boot_id", O_RDONLY | O_CLOEXEC);
        if (fd < 0) return text;
        char buffer[64];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        close(fd);
        if (n > 0) text.assign(buffer, static_cast<std::size_t>(n));
        while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
        return text;
    }();
    return id;
}

}  // namespace

HidInterfaceInfo InterfaceFromFacts(const HidrawFacts& f) {
    HidInterfaceInfo info;
    info.path = f.node;
    std::uint32_t bus = 0, vendor = 0, product = 0;
    info.attributesKnown = ParseHidId(f.hidId, bus, vendor, product);
    info.vendorId = static_cast<std::uint16_t>(vendor);
    info.productId = static_cast<std::uint16_t>(product);
    if (f.onUsb) {
        std::uint32_t bcd = 0;
        if (ParseHexNumber(UdevText(f.bcdDevice), bcd)) {
            info.versionNumber = static_cast<std::uint16_t>(bcd);
        } else {
            info.attributesKnown = false;
        }
        // "1-1.3": bus 1, root port 1, hub port 3, as lsusb -t and usbip name it.
        info.port = std::string(f.usbName);
        info.serial = ShownDeviceText(f.usbSerial);
        // The bus numbers each device it enumerates anew, a replug in the same port too.
        info.instance = std::string(f.usbDevnum);
    }
    if (info.serial.empty()) info.serial = ShownDeviceText(f.hidUniq);
    info.instance = std::string(f.bootId) + "/" + info.instance + ":" + info.path;
    info.usagePageKnown = f.usagePage.has_value();
    info.usagePage = f.usagePage.value_or(0);
    return info;
}

std::optional<std::uint16_t> UsagePageFromFile(const std::string& path) {
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
    if (size == 0) return std::nullopt;  // unreadable (a folder, a device gone): no guess
    return TopLevelUsagePage(std::span<const std::uint8_t>(buffer, size));
}

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
        const std::string_view node = UdevText(udev_device_get_devnode(raw.get()));
        // Parents belong to their child and are released with it.
        udev_device* hid = udev_device_get_parent_with_subsystem_devtype(raw.get(), "hid", nullptr);
        if (node.empty() || hid == nullptr) continue;
        HidrawFacts facts;
        facts.node = std::string(node);
        facts.hidId = UdevText(udev_device_get_property_value(hid, "HID_ID"));
        facts.hidUniq = UdevText(udev_device_get_property_value(hid, "HID_UNIQ"));
        if (udev_device* usb =
                udev_device_get_parent_with_subsystem_devtype(raw.get(), "usb", "usb_device")) {
            facts.onUsb = true;
            facts.bcdDevice = udev_device_get_sysattr_value(usb, "bcdDevice");
            facts.usbName = UdevText(udev_device_get_sysname(usb));
            facts.usbSerial = UdevText(udev_device_get_sysattr_value(usb, "serial"));
            facts.usbDevnum = UdevText(udev_device_get_sysattr_value(usb, "devnum"));
        }
        facts.usagePage = UsagePageOf(UdevText(udev_device_get_syspath(hid)));
        facts.bootId = BootId();
        out.push_back(InterfaceFromFacts(facts));
    }
    return true;
}
