#include "platform/windows/message_window_device_changes.h"

// clang-format off
#include <windows.h>
#include <dbt.h>
// clang-format on

#include "platform/windows/device_change_message.h"

namespace {

const wchar_t kClassName[] = L"vt350.DeviceChanges";

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DEVICECHANGE) {
        const auto* self = reinterpret_cast<const MessageWindowDeviceChanges*>(
            GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self != nullptr) {
            self->OnDeviceChange(message, static_cast<std::uintptr_t>(wParam),
                                 static_cast<std::intptr_t>(lParam));
        }
        return TRUE;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

bool RegisterWindowClass(HINSTANCE instance) {
    WNDCLASSEXW c{};
    c.cbSize = sizeof c;
    c.lpfnWndProc = WindowProcedure;
    c.hInstance = instance;
    c.lpszClassName = kClassName;
    return RegisterClassExW(&c) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

MessageWindowDeviceChanges::~MessageWindowDeviceChanges() {
    Unregister();
}

bool MessageWindowDeviceChanges::Register(Handler handler) {
    Unregister();
    handler_ = std::move(handler);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!RegisterWindowClass(instance)) return false;
    HWND hwnd = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance,
                                nullptr);
    if (hwnd == nullptr) return false;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    window_ = hwnd;
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof filter;
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    notification_ = RegisterDeviceNotificationW(
        hwnd, &filter, DEVICE_NOTIFY_WINDOW_HANDLE | DEVICE_NOTIFY_ALL_INTERFACE_CLASSES);
    if (notification_ == nullptr) {
        const DWORD error = GetLastError();
        Unregister();
        SetLastError(error);
        return false;
    }
    return true;
}

void MessageWindowDeviceChanges::Unregister() {
    if (notification_ != nullptr) UnregisterDeviceNotification(notification_);
    notification_ = nullptr;
    if (window_ != nullptr) DestroyWindow(static_cast<HWND>(window_));
    window_ = nullptr;
}

void MessageWindowDeviceChanges::OnDeviceChange(unsigned message, std::uintptr_t wParam,
                                                std::intptr_t lParam) const {
    // The window is a Unicode window: its records carry UTF-16 names.
    DeliverDeviceChange(message, wParam, lParam, true, handler_);
}

void MessageWindowDeviceChanges::WaitForEvents(int timeoutMs) {
    if (window_ == nullptr) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(timeoutMs), QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}
