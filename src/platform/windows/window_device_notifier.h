#pragma once

#include <functional>

#include "hid/device_change.h"

// Arrival and removal on Windows: WM_DEVICECHANGE of a window, registered for device
// interfaces of every class, passed on as the platform's own records. The window's toolkit
// hands each message of the window's thread to OnMessage.
class WindowDeviceNotifier : public DeviceChangeSource {
  public:
    // `window` gives the window's handle (an HWND) when registration asks for it.
    explicit WindowDeviceNotifier(std::function<void*()> window) : window_(std::move(window)) {}
    ~WindowDeviceNotifier() override { Unregister(); }

    bool Register(Handler handler) override;
    void Unregister() override;
    // The USB device arrives before its HID interface exists.
    int ArrivalSettleMs() const override { return 5000; }
    // One message of the window's thread (a MSG); the registered window's device changes
    // go to the handler. Every message goes on to its window all the same.
    void OnMessage(const void* message);

  private:
    std::function<void*()> window_;
    Handler handler_;
    void* hwnd_ = nullptr;
    void* notification_ = nullptr;
    bool wideNames_ = true;
};
