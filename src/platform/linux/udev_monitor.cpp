#include "platform/linux/udev_monitor.h"

#include <poll.h>

#include <libudev.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>

namespace {

constexpr std::uint32_t kBusUsb = 0x0003;
// Large enough for a burst of thousands of events while the window is busy; the kernel
// caps it at net.core.rmem_max for an ordinary user.
constexpr int kReceiveBufferBytes = 8 * 1024 * 1024;

}  // namespace

bool ParseHexNumber(std::string_view text, std::uint32_t& value) {
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return !text.empty() && ec == std::errc() && p == text.data() + text.size();
}

bool ParseHidId(std::string_view hidId, std::uint32_t& bus, std::uint32_t& vendor,
                std::uint32_t& product) {
    const auto first = hidId.find(':');
    if (first == std::string_view::npos) return false;
    const auto second = hidId.find(':', first + 1);
    if (second == std::string_view::npos) return false;
    return ParseHexNumber(hidId.substr(0, first), bus) &&
           ParseHexNumber(hidId.substr(first + 1, second - first - 1), vendor) &&
           ParseHexNumber(hidId.substr(second + 1), product);
}

std::optional<std::string> InterfaceNameFromHidEvent(std::string_view hidId,
                                                     std::string_view hidUniq) {
    std::uint32_t bus = 0, vendor = 0, product = 0;
    if (!ParseHidId(hidId, bus, vendor, product)) return std::nullopt;
    // Bluetooth (0005), I2C (0018) and virtual devices are no USB interfaces.
    if (bus != kBusUsb) return std::nullopt;
    return UsbInterfaceName(vendor, product, hidUniq);
}

std::optional<MappedDeviceChange> MapUevent(const Uevent& e) {
    std::uint32_t event = 0;
    if (e.subsystem == "hidraw" && e.action == "add") event = kDeviceArrival;
    if (e.subsystem == "hid" && (e.action == "remove" || e.action == "unbind")) {
        event = kDeviceRemoveComplete;
    }
    if (event == 0) return std::nullopt;
    auto name = InterfaceNameFromHidEvent(e.hidId, e.hidUniq);
    if (!name) return std::nullopt;
    return MappedDeviceChange{event, std::move(*name)};
}

UdevMonitor::UdevMonitor() = default;

UdevMonitor::~UdevMonitor() {
    Unregister();
}

bool UdevMonitor::Register(Handler handler) {
    Unregister();
    handler_ = std::move(handler);
    udev_ = udev_new();
    if (udev_ == nullptr) return false;
    // udevd listens on this socket while it runs.
    source_ = access("/run/udev/control", F_OK) == 0 ? "udev" : "kernel";
    monitor_ = udev_monitor_new_from_netlink(udev_, source_);
    if (monitor_ == nullptr ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor_, "hid", nullptr) < 0 ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor_, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor_) < 0) {
        const int saved = errno;
        Unregister();
        errno = saved != 0 ? saved : EIO;
        return false;
    }
    udev_monitor_set_receive_buffer_size(monitor_, kReceiveBufferBytes);
    return true;
}

void UdevMonitor::Unregister() {
    if (monitor_ != nullptr) udev_monitor_unref(monitor_);
    if (udev_ != nullptr) udev_unref(udev_);
    monitor_ = nullptr;
    udev_ = nullptr;
}

int UdevMonitor::NotificationFd() const {
    return monitor_ != nullptr ? udev_monitor_get_fd(monitor_) : -1;
}

void UdevMonitor::Dispatch() {
    if (monitor_ == nullptr) return;
    // The socket is non-blocking: take every event that is waiting.
    for (;;) {
        errno = 0;
        udev_device* device = udev_monitor_receive_device(monitor_);
        if (device == nullptr) {
            if (errno == ENOBUFS) {
                EventsWereLost();
                continue;  // what arrived after the overflow is still to be read
            }
            if (errno == EINTR) continue;
            return;  // EAGAIN: nothing more waiting
        }
        Uevent e{UdevText(udev_device_get_action(device)),
                 UdevText(udev_device_get_subsystem(device)),
                 UdevText(udev_device_get_property_value(device, "HID_ID")),
                 UdevText(udev_device_get_property_value(device, "HID_UNIQ"))};
        if (e.subsystem == "hidraw") {
            // The node's own event carries no IDs; its parent hid device has them.
            if (udev_device* hid =
                    udev_device_get_parent_with_subsystem_devtype(device, "hid", nullptr)) {
                e.hidId = UdevText(udev_device_get_property_value(hid, "HID_ID"));
                e.hidUniq = UdevText(udev_device_get_property_value(hid, "HID_UNIQ"));
            }
        }
        if (auto change = MapUevent(e); change && handler_) {
            const auto record = BuildInterfaceRecord(change->name);
            handler_(change->event, record.data(), record.size());
        }
        udev_device_unref(device);
    }
}

void UdevMonitor::WaitForEvents(int timeoutMs) {
    if (monitor_ == nullptr) return;
    pollfd p{NotificationFd(), POLLIN, 0};
    if (poll(&p, 1, timeoutMs) > 0) Dispatch();
}
