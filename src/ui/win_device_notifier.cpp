#ifdef _WIN32

#include "ui/win_device_notifier.h"

#include <QCoreApplication>

#include "hid/win_device_change.h"

// clang-format off
#include <windows.h>
#include <dbt.h>
// clang-format on

bool WinDeviceNotifier::Register(Handler handler) {
    handler_ = std::move(handler);
    DEV_BROADCAST_DEVICEINTERFACE_A filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    notification_ = RegisterDeviceNotificationA(
        reinterpret_cast<HANDLE>(window_->winId()), &filter,
        DEVICE_NOTIFY_WINDOW_HANDLE | DEVICE_NOTIFY_ALL_INTERFACE_CLASSES);
    if (notification_ == nullptr) return false;
    QCoreApplication::instance()->installNativeEventFilter(this);
    return true;
}

void WinDeviceNotifier::Unregister() {
    if (notification_ == nullptr) return;
    QCoreApplication::instance()->removeNativeEventFilter(this);
    UnregisterDeviceNotification(notification_);
    notification_ = nullptr;
}

bool WinDeviceNotifier::nativeEventFilter(const QByteArray&, void* message, qintptr*) {
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->hwnd != reinterpret_cast<HWND>(window_->winId())) return false;
    DeliverDeviceChange(msg->message, static_cast<std::uintptr_t>(msg->wParam),
                        static_cast<std::intptr_t>(msg->lParam), handler_);
    return false;  // every message goes on to the window
}

#endif
