#include "platform/windows/window_device_notifier.h"

// clang-format off
#include <windows.h>
#include <dbt.h>
// clang-format on

#include "platform/windows/device_change_message.h"

bool WindowDeviceNotifier::Register(Handler handler) {
    handler_ = std::move(handler);
    hwnd_ = window_();
    // A Unicode window (as the toolkit's are) gets records with UTF-16 names.
    wideNames_ = IsWindowUnicode(static_cast<HWND>(hwnd_)) != FALSE;
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    notification_ = RegisterDeviceNotificationW(
        static_cast<HANDLE>(hwnd_), &filter,
        DEVICE_NOTIFY_WINDOW_HANDLE | DEVICE_NOTIFY_ALL_INTERFACE_CLASSES);
    return notification_ != nullptr;
}

void WindowDeviceNotifier::Unregister() {
    if (notification_ == nullptr) return;
    UnregisterDeviceNotification(notification_);
    notification_ = nullptr;
}

void WindowDeviceNotifier::OnMessage(const void* message) {
    if (notification_ == nullptr || message == nullptr) return;
    const MSG* msg = static_cast<const MSG*>(message);
    if (msg->hwnd != static_cast<HWND>(hwnd_)) return;
    DeliverDeviceChange(msg->message, static_cast<std::uintptr_t>(msg->wParam),
                        static_cast<std::intptr_t>(msg->lParam), wideNames_, handler_);
}
