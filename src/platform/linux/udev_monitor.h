#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "hid/device_change.h"

struct udev;
struct udev_monitor;

// Arrival and removal on Linux, turned into device-interface records named as the
// controller's USB interface is named elsewhere (\\?\USB#VID_vvvv&PID_pppp#serial#{guid}),
// so that the same name slice is matched against the same key.
//
// An arrival is the "add" of the controller's hidraw node, named from its parent hid
// device's HID_ID and HID_UNIQ. Where a udev daemon runs (source "udev") that event comes
// only after the daemon has run its rules for the node, so the node's group, mode and
// access list are in place and an open that follows is not refused for a moment by a
// rule still at work. Without a daemon (a container, a minimal system) the kernel's own
// events are used (source "kernel"); the kernel sends the add after creating the node.
// A removal is the "unbind" or "remove" of the hid device, which still carries HID_ID and
// HID_UNIQ (the hidraw removal does not), and comes within moments of the node going.
//
// When the socket's queue overflows (ENOBUFS), events are lost: the lost-events handler
// is called so that the receiver can look at what is present instead.
class UdevMonitor : public DeviceChangeSource {
  public:
    UdevMonitor();
    ~UdevMonitor() override;
    UdevMonitor(const UdevMonitor&) = delete;
    UdevMonitor& operator=(const UdevMonitor&) = delete;

    bool Register(Handler handler) override;
    void Unregister() override;
    int NotificationFd() const override;
    void Dispatch() override;
    void WaitForEvents(int timeoutMs) override;

    const char* source() const { return source_; }

  private:
    struct udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
    const char* source_ = "udev";
    Handler handler_;
};

// A whole text as a hexadecimal number, as sysfs and udev write them ("0200").
bool ParseHexNumber(std::string_view text, std::uint32_t& value);

// A hid device's HID_ID, "bus:vendor:product" in hex ("0003:00000001:00000001"); false
// when it cannot be read.
bool ParseHidId(std::string_view hidId, std::uint32_t& bus, std::uint32_t& vendor,
                std::uint32_t& product);

// A udev property or attribute as text; a missing one (nullptr) is empty.
inline std::string_view UdevText(const char* s) {
    return s != nullptr ? std::string_view(s) : std::string_view();
}

// The interface name for a hid device's HID_ID ("0003:00000001:00000001") and HID_UNIQ;
// nothing when HID_ID cannot be read or names another bus than USB (0003).
std::optional<std::string> InterfaceNameFromHidEvent(std::string_view hidId,
                                                     std::string_view hidUniq);

// One uevent as the monitor sees it; for a hidraw event HID_ID and HID_UNIQ are its
// parent hid device's.
struct Uevent {
    std::string_view action;
    std::string_view subsystem;
    std::string_view hidId;
    std::string_view hidUniq;
};

// What a uevent means for the link: an arrival or removal record's event and name.
struct MappedDeviceChange {
    std::uint32_t event;
    std::string name;
};
std::optional<MappedDeviceChange> MapUevent(const Uevent& uevent);
