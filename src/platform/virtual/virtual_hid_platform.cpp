#include "platform/virtual/virtual_hid_platform.h"

#include <cerrno>

#include "hid/controller_identity.h"

VirtualHidPlatform::VirtualHidPlatform(VirtualController& controller, bool plugged)
    : controller_(controller), plugged_(plugged) {}

void VirtualHidPlatform::Notify(std::uint32_t event) {
    if (!handler_) return;
    const auto record = BuildInterfaceRecord(UsbInterfaceName(ControllerIdentity::kVendorId,
                                                              ControllerIdentity::kProductId,
                                                              ControllerIdentity::kSerial));
    handler_(event, record.data(), record.size());
}

void VirtualHidPlatform::Plug(bool notify) {
    if (plugged_) return;
    plugged_ = true;
    if (notify) Notify(kDeviceArrival);
}

void VirtualHidPlatform::Unplug(bool notify) {
    if (!plugged_) return;
    plugged_ = false;
    for (Slot& s : slots_) s.alive = false;
    if (notify) Notify(kDeviceRemoveComplete);
}

int VirtualHidPlatform::openHandles() const {
    int n = 0;
    for (const Slot& s : slots_) n += s.open ? 1 : 0;
    return n;
}

bool VirtualHidPlatform::Enumerate(std::vector<HidInterfaceInfo>& out) {
    ++enumerateCount;
    out.clear();
    if (plugged_) {
        out.push_back({kPath, ControllerIdentity::kVendorId, ControllerIdentity::kProductId,
                       ControllerIdentity::kVersionNumber, ControllerIdentity::kUsagePage});
    }
    return true;
}

HidOpenResult VirtualHidPlatform::Open(const std::string& path) {
    if (!plugged_ || path != kPath) return {kInvalidHandle, ENOENT};
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (!slots_[i].open) {
            slots_[i] = {true, true};
            return {static_cast<HidHandle>(i), 0};
        }
    }
    return {kInvalidHandle, EMFILE};
}

HidOpenResult VirtualHidPlatform::OpenQuery(const std::string& path) {
    return Open(path);
}

HidOpenResult VirtualHidPlatform::OpenRead(const std::string& path) {
    if (controller_.behaviour.refuseOpens) return {kInvalidHandle, EACCES};
    return Open(path);
}

HidOpenResult VirtualHidPlatform::OpenWrite(const std::string& path) {
    return OpenRead(path);
}

bool VirtualHidPlatform::Live(HidHandle handle) const {
    return handle >= 0 && static_cast<std::size_t>(handle) < slots_.size() && slots_[handle].open &&
           slots_[handle].alive;
}

ReadStatus VirtualHidPlatform::Read(HidHandle handle, std::uint8_t* report, int) {
    if (!Live(handle)) return ReadStatus::kFailed;
    ++readCount;
    return controller_.NextInput(report) ? ReadStatus::kReceived : ReadStatus::kTimedOut;
}

int VirtualHidPlatform::Write(HidHandle handle, const std::uint8_t* report) {
    if (!Live(handle)) return ENODEV;
    if (controller_.behaviour.failWrites) return EIO;
    controller_.Receive(report);
    return 0;
}

void VirtualHidPlatform::Close(HidHandle handle) {
    if (handle >= 0 && static_cast<std::size_t>(handle) < slots_.size()) slots_[handle] = {};
}

bool VirtualHidPlatform::Register(Handler handler) {
    handler_ = std::move(handler);
    return true;
}
