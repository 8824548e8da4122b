#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "hid/device_change.h"

struct udev;
struct udev_monitor;

// Arrival and removal on Linux: the add and remove events of the "hid" subsystem, turned
// into device-interface records named as the controller's USB interface is named
// elsewhere (\\?\USB#VID_vvvv&PID_pppp#serial#{guid}), so that the same name slice is
// matched against the same key. Those events carry HID_ID and HID_UNIQ on removal as well
// as on arrival; the hidraw events do not.
//
// Where a udev daemon runs, events are taken from it (source "udev"): they come after its
// rules have given the node its permissions. Without one (a container, a minimal system)
// the kernel's own events are used (source "kernel").
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

    const char* source() const { return source_; }

  private:
    struct udev* udev_ = nullptr;
    udev_monitor* monitor_ = nullptr;
    const char* source_ = "udev";
    Handler handler_;
};

// The interface name for a hid event's HID_ID ("0003:00000001:00000001") and HID_UNIQ;
// nothing when HID_ID cannot be read.
std::optional<std::string> InterfaceNameFromHidEvent(std::string_view hidId,
                                                     std::string_view hidUniq);
