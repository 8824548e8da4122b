#include "platform/native_platform.h"

#include "platform/windows/message_window_device_changes.h"
#include "platform/windows/win_hid_platform.h"

std::unique_ptr<HidPlatform> NewNativeHidPlatform() {
    return std::make_unique<WinHidPlatform>();
}

std::unique_ptr<DeviceChangeSource> NewNativeDeviceChanges() {
    return std::make_unique<MessageWindowDeviceChanges>();
}
