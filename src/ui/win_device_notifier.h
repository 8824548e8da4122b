#pragma once

#ifdef _WIN32

#include <QAbstractNativeEventFilter>
#include <QWidget>

#include "hid/device_change.h"

// Arrival and removal on Windows: WM_DEVICECHANGE of the window, registered for device
// interfaces of every class, passed on as the platform's own records.
class WinDeviceNotifier : public DeviceChangeSource, public QAbstractNativeEventFilter {
  public:
    explicit WinDeviceNotifier(QWidget* window) : window_(window) {}
    ~WinDeviceNotifier() override { Unregister(); }

    bool Register(Handler handler) override;
    void Unregister() override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

  private:
    QWidget* window_;
    Handler handler_;
    void* notification_ = nullptr;
};

#endif
