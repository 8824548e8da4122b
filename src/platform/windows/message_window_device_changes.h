#pragma once

#include "hid/device_change.h"

// Arrival and removal on Windows for a program without a window of its own (vt350ctl's
// workshop line and watch): a message-only window (HWND_MESSAGE) registered for device
// interfaces of every class, as the configuration window registers itself, whose
// WM_DEVICECHANGE messages go the same way as the window's. WaitForEvents pumps the
// thread's messages; everything happens on the thread that registered.
class MessageWindowDeviceChanges : public DeviceChangeSource {
  public:
    MessageWindowDeviceChanges() = default;
    ~MessageWindowDeviceChanges() override;
    MessageWindowDeviceChanges(const MessageWindowDeviceChanges&) = delete;
    MessageWindowDeviceChanges& operator=(const MessageWindowDeviceChanges&) = delete;

    bool Register(Handler handler) override;
    void Unregister() override;
    // The USB device arrives before its HID interface exists.
    int ArrivalSettleMs() const override { return 5000; }
    void WaitForEvents(int timeoutMs) override;

    // The window (an HWND), for tests that send it messages; null before Register.
    void* window() const { return window_; }
    // For the window procedure.
    void OnDeviceChange(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) const;

  private:
    Handler handler_;
    void* window_ = nullptr;
    void* notification_ = nullptr;
};
