#ifdef _WIN32

#include "ui/win_device_notifier.h"

#include <QCoreApplication>

#include <dbt.h>
#include <windows.h>

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
    if (msg->message != WM_DEVICECHANGE || msg->lParam == 0 || !handler_) return false;
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(msg->lParam);
    handler_(static_cast<std::uint32_t>(msg->wParam), reinterpret_cast<const std::uint8_t*>(header),
             header->dbch_size);
    return false;  // every message goes on to the window
}

#endif
