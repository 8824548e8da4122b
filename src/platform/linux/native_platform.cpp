#include "platform/native_platform.h"

#include "platform/linux/hidapi_platform.h"
#include "platform/linux/udev_monitor.h"

std::unique_ptr<HidPlatform> NewNativeHidPlatform() {
    return std::make_unique<HidapiPlatform>();
}

std::unique_ptr<DeviceChangeSource> NewNativeDeviceChanges() {
    return std::make_unique<UdevMonitor>();
}
