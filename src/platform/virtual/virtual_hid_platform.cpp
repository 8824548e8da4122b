#include "platform/virtual/virtual_hid_platform.h"

#include <cerrno>
#include <chrono>
#include <string>

#include "config/os_error.h"
#include "hid/controller_identity.h"
#include "hid/device_text.h"

VirtualHidPlatform::VirtualHidPlatform(VirtualController& controller, bool plugged)
    : units_{{&controller, plugged}} {}

std::size_t VirtualHidPlatform::AddController(VirtualController& controller, bool plugged) {
    units_.push_back({&controller, plugged});
    return units_.size() - 1;
}

std::string VirtualHidPlatform::PortOf(std::size_t unit) const {
    return "demo-" + std::to_string(unit + 1);
}

std::string VirtualHidPlatform::PathOf(std::size_t unit) const {
    return unit == 0 ? kPath : std::string(kPath) + "/" + std::to_string(unit + 1);
}

int VirtualHidPlatform::UnitAt(const std::string& path) const {
    for (std::size_t i = 0; i < units_.size(); ++i) {
        if (path == PathOf(i)) return static_cast<int>(i);
    }
    return -1;
}

void VirtualHidPlatform::Notify(std::size_t unit, std::uint32_t event) {
    if (!handler_) return;
    const auto record = BuildInterfaceRecord(UsbInterfaceName(ControllerIdentity::kVendorId,
                                                              ControllerIdentity::kProductId,
                                                              units_[unit].controller->serial));
    handler_(event, record.data(), record.size());
}

namespace {

const std::string& ProgramStart() {
    static const std::string start =
        std::to_string(std::chrono::system_clock::now().time_since_epoch().count());
    return start;
}

}  // namespace

void VirtualHidPlatform::PlugUnit(std::size_t unit, bool notify) {
    Unit& u = units_.at(unit);
    if (u.plugged) return;
    u.plugged = true;
    ++u.plugIns;
    u.hiddenSearches = interfaceLag;
    if (notify) Notify(unit, kDeviceArrival);
}

void VirtualHidPlatform::UnplugUnit(std::size_t unit, bool notify) {
    Unit& u = units_.at(unit);
    if (!u.plugged) return;
    u.plugged = false;
    for (Slot& s : slots_) {
        if (s.unit == unit) s.alive = false;
    }
    if (notify) Notify(unit, kDeviceRemoveComplete);
}

int VirtualHidPlatform::openHandles() const {
    int n = 0;
    for (const Slot& s : slots_) n += s.open ? 1 : 0;
    return n;
}

bool VirtualHidPlatform::Enumerate(std::vector<HidInterfaceInfo>& out) {
    ++enumerateCount;
    out.clear();
    for (std::size_t i = 0; i < units_.size(); ++i) {
        Unit& u = units_[i];
        if (!u.plugged) continue;
        if (u.hiddenSearches > 0) {
            --u.hiddenSearches;
            continue;
        }
        HidInterfaceInfo info;
        info.path = PathOf(i);
        info.vendorId = ControllerIdentity::kVendorId;
        info.productId = ControllerIdentity::kProductId;
        info.versionNumber = ControllerIdentity::kVersionNumber;
        info.usagePage = ControllerIdentity::kUsagePage;
        info.port = PortOf(i);
        info.serial = ShownDeviceText(u.controller->serial);
        // Each program's virtual controllers are its own, plugged in when it starts: their
        // plug-ins differ from those of every other program's (the demo's history says so).
        if (plugInsKnown) {
            info.instance = info.port + "#" + std::to_string(u.plugIns) + "@" + ProgramStart();
        }
        out.push_back(std::move(info));
    }
    return true;
}

HidOpenResult VirtualHidPlatform::Open(const std::string& path) {
    const int unit = UnitAt(path);
    if (unit < 0 || !units_[static_cast<std::size_t>(unit)].plugged) {
        return {kInvalidHandle, ENOENT};
    }
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (!slots_[i].open) {
            slots_[i] = {true, true, static_cast<std::size_t>(unit)};
            return {static_cast<HidHandle>(i), 0};
        }
    }
    return {kInvalidHandle, EMFILE};
}

HidOpenResult VirtualHidPlatform::OpenQuery(const std::string& path) {
    return Open(path);
}

HidOpenResult VirtualHidPlatform::OpenRead(const std::string& path) {
    const int unit = UnitAt(path);
    const Misbehaviour* b =
        unit >= 0 ? &units_[static_cast<std::size_t>(unit)].controller->behaviour : nullptr;
    if (b != nullptr && b->refuseOpens) {
        // As the system numbers it.
        return {kInvalidHandle, SystemErrorCode(b->refusedWith != 0 ? b->refusedWith : EACCES)};
    }
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
    VirtualController& c = *units_[slots_[handle].unit].controller;
    return c.NextInput(report) ? ReadStatus::kReceived : ReadStatus::kTimedOut;
}

int VirtualHidPlatform::Write(HidHandle handle, const std::uint8_t* report) {
    if (!Live(handle)) return ENODEV;
    VirtualController& c = *units_[slots_[handle].unit].controller;
    if (c.behaviour.failWrites) return EIO;
    c.Receive(report);
    return 0;
}

void VirtualHidPlatform::Close(HidHandle handle) {
    if (handle >= 0 && static_cast<std::size_t>(handle) < slots_.size()) slots_[handle] = {};
}

bool VirtualHidPlatform::Register(Handler handler) {
    handler_ = std::move(handler);
    return true;
}
