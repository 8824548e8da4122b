#include "hid/udev_monitor.h"

#include <libudev.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>

std::optional<std::string> InterfaceNameFromHidEvent(std::string_view hidId,
                                                     std::string_view hidUniq) {
    // bus:vendor:product, each in hex.
    const auto first = hidId.find(':');
    const auto second = hidId.find(':', first == std::string_view::npos ? first : first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos) return std::nullopt;
    auto hex = [](std::string_view s, std::uint32_t& v) {
        auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v, 16);
        return ec == std::errc() && p == s.data() + s.size() && !s.empty();
    };
    std::uint32_t vendor = 0, product = 0;
    if (!hex(hidId.substr(first + 1, second - first - 1), vendor) ||
        !hex(hidId.substr(second + 1), product)) {
        return std::nullopt;
    }
    return UsbInterfaceName(static_cast<std::uint16_t>(vendor), static_cast<std::uint16_t>(product),
                            hidUniq);
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
        udev_monitor_enable_receiving(monitor_) < 0) {
        const int saved = errno;
        Unregister();
        errno = saved != 0 ? saved : EIO;
        return false;
    }
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
    while (udev_device* device = udev_monitor_receive_device(monitor_)) {
        const char* action = udev_device_get_action(device);
        const char* subsystem = udev_device_get_subsystem(device);
        const char* hidId = udev_device_get_property_value(device, "HID_ID");
        const char* hidUniq = udev_device_get_property_value(device, "HID_UNIQ");
        std::uint32_t event = 0;
        if (action != nullptr && std::strcmp(action, "add") == 0) event = kDeviceArrival;
        if (action != nullptr && std::strcmp(action, "remove") == 0) event = kDeviceRemoveComplete;
        if (event != 0 && subsystem != nullptr && std::strcmp(subsystem, "hid") == 0 &&
            hidId != nullptr && handler_) {
            if (auto name = InterfaceNameFromHidEvent(hidId, hidUniq != nullptr ? hidUniq : "")) {
                const auto record = BuildInterfaceRecord(*name);
                handler_(event, record.data(), record.size());
            }
        }
        udev_device_unref(device);
    }
}
