#include "platform/linux/hidapi_platform.h"

#include "platform/linux/udev_hid_enumeration.h"

#include <hidapi.h>

#include <algorithm>
#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

HidapiPlatform::HidapiPlatform() {
    initialised_ = hid_init() == 0;
}

HidapiPlatform::~HidapiPlatform() {
    for (Slot& s : slots_) {
        if (s.device != nullptr) hid_close(s.device);
    }
    if (initialised_) hid_exit();
}

bool HidapiPlatform::Enumerate(std::vector<HidInterfaceInfo>& out) {
    // Not hid_enumerate: the one of Debian 12's hidapi (0.13.1) crashes when a device goes
    // away during the search, and the link searches on every tick while a controller is
    // present but cannot be opened.
    return initialised_ && EnumerateHidraw(out);
}

HidOpenResult HidapiPlatform::Store(hid_device* device, bool queryOnly) {
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (slots_[i].device == nullptr && !slots_[i].query) {
            slots_[i] = {device, queryOnly};
            return {static_cast<HidHandle>(i), 0};
        }
    }
    if (device != nullptr) hid_close(device);
    return {kInvalidHandle, EMFILE};
}

hid_device* HidapiPlatform::Device(HidHandle handle) const {
    if (handle < 0 || static_cast<std::size_t>(handle) >= slots_.size()) return nullptr;
    return slots_[handle].device;
}

HidOpenResult HidapiPlatform::OpenQuery(const std::string& path) {
    // A query-only open needs no rights: the interface only has to be there still.
    struct stat st;
    if (stat(path.c_str(), &st) != 0) return {kInvalidHandle, errno};
    return Store(nullptr, true);
}

HidOpenResult HidapiPlatform::OpenRead(const std::string& path) {
    errno = 0;
    hid_device* device = hid_open_path(path.c_str());
    if (device == nullptr) {
        int error = errno;
        // hidapi may lose errno while it records its own message; ask the node again.
        if (error == 0 && access(path.c_str(), R_OK | W_OK) != 0) error = errno;
        return {kInvalidHandle, error != 0 ? error : EIO};
    }
    return Store(device, false);
}

HidOpenResult HidapiPlatform::OpenWrite(const std::string& path) {
    return OpenRead(path);
}

ReadStatus HidapiPlatform::Read(HidHandle handle, std::uint8_t* report, int timeoutMs) {
    hid_device* device = Device(handle);
    if (device == nullptr) return ReadStatus::kFailed;
    // Without numbered reports hidapi delivers the data without the report ID; it goes in
    // after byte 0.
    std::uint8_t data[kInputReportSize - 1];
    const int n = hid_read_timeout(device, data, sizeof data, timeoutMs);
    if (n < 0) return ReadStatus::kFailed;
    if (n == 0) return ReadStatus::kTimedOut;
    report[0] = 0;
    std::copy_n(data, static_cast<std::size_t>(n), report + 1);
    std::fill(report + 1 + n, report + kInputReportSize, 0);
    return ReadStatus::kReceived;
}

int HidapiPlatform::Write(HidHandle handle, const std::uint8_t* report) {
    hid_device* device = Device(handle);
    if (device == nullptr) return EBADF;
    errno = 0;
    const int n = hid_write(device, report, kOutputReportSize);
    if (n > 0) return 0;
    return errno != 0 ? errno : EIO;
}

void HidapiPlatform::Close(HidHandle handle) {
    if (handle < 0 || static_cast<std::size_t>(handle) >= slots_.size()) return;
    if (slots_[handle].device != nullptr) hid_close(slots_[handle].device);
    slots_[handle] = {};
}
