#include "platform/windows/win_hid_platform.h"

// clang-format off
#include <windows.h>
#include <setupapi.h>
#include <cfgmgr32.h>
#include <initguid.h>
#include <devpkey.h>
// MinGW's HID headers declare the functions without C linkage.
extern "C" {
#include <hidsdi.h>
#include <hidpi.h>
}
// clang-format on

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "hid/device_text.h"

namespace {

HANDLE AsHandle(void* h) {
    return static_cast<HANDLE>(h);
}

// Attributes and top-level usage page of one interface, through a query-only handle.
void Identify(HANDLE query, HidInterfaceInfo& info) {
    HIDD_ATTRIBUTES attributes{};
    attributes.Size = sizeof attributes;
    info.attributesKnown = HidD_GetAttributes(query, &attributes) != FALSE;
    info.vendorId = attributes.VendorID;
    info.productId = attributes.ProductID;
    info.versionNumber = attributes.VersionNumber;
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    info.usagePageKnown = false;
    if (HidD_GetPreparsedData(query, &preparsed)) {
        HIDP_CAPS caps{};
        if (HidP_GetCaps(preparsed, &caps) == HIDP_STATUS_SUCCESS) {
            info.usagePage = caps.UsagePage;
            info.usagePageKnown = true;
        }
        HidD_FreePreparsedData(preparsed);
    }
}

// One string property of a device node ("" when it has none); a list property gives its
// first string.
std::string NodeText(DEVINST node, ULONG property) {
    char buffer[512] = {};
    ULONG size = sizeof buffer - 2;
    if (CM_Get_DevNode_Registry_PropertyA(node, property, nullptr, buffer, &size, 0) !=
        CR_SUCCESS) {
        return "";
    }
    return std::string(buffer);
}

// When Windows last saw the device arrive, as a number ("" where the system keeps none, as
// before Windows 8): a replug into the same port gives a new one.
std::string ArrivalOf(DEVINST usb) {
    DEVPROPTYPE type = 0;
    FILETIME when{};
    ULONG size = sizeof when;
    if (CM_Get_DevNode_PropertyW(usb, &DEVPKEY_Device_LastArrivalDate, &type,
                                 reinterpret_cast<PBYTE>(&when), &size, 0) != CR_SUCCESS ||
        type != DEVPROP_TYPE_FILETIME || size != sizeof when) {
        return "";
    }
    return std::to_string(static_cast<std::uint64_t>(when.dwHighDateTime) << 32 |
                          when.dwLowDateTime);
}

// Where the interface's USB device is plugged in, and its serial: the HID device's parent
// is the USB device (or, on a composite device, its interface, whose parent is the device).
// The location path names the port from the root hub down ("PCIROOT(0)#PCI(1400)#USBROOT(0)
// #USB(3)#USB(2)"); where it is missing, the hub and port ("Port_#0002.Hub_#0003"), then
// the device's instance ID. Returns the device's arrival (see ArrivalOf).
std::string Locate(DEVINST hidNode, HidInterfaceInfo& info) {
    DEVINST usb = 0;
    if (CM_Get_Parent(&usb, hidNode, 0) != CR_SUCCESS) return "";
    char id[MAX_DEVICE_ID_LEN + 1] = {};
    if (CM_Get_Device_IDA(usb, id, sizeof id - 1, 0) != CR_SUCCESS) return "";
    std::string instance = id;
    if (instance.find("&MI_") != std::string::npos) {
        DEVINST composite = 0;
        if (CM_Get_Parent(&composite, usb, 0) == CR_SUCCESS &&
            CM_Get_Device_IDA(composite, id, sizeof id - 1, 0) == CR_SUCCESS) {
            usb = composite;
            instance = id;
        }
    }
    info.port = NodeText(usb, CM_DRP_LOCATION_PATHS);
    if (info.port.empty()) info.port = NodeText(usb, CM_DRP_LOCATION_INFORMATION);
    if (info.port.empty()) info.port = instance;
    // USB\VID_0001&PID_0001\0001: the last part is the serial, unless Windows made one up
    // (it then holds '&') for a device without one or with one another device has.
    const auto slash = instance.rfind('\\');
    const std::string last = slash == std::string::npos ? "" : instance.substr(slash + 1);
    if (last.find('&') == std::string::npos) info.serial = ShownDeviceText(last);
    return ArrivalOf(usb);
}

// The serial the device reports, through a query handle: wide characters, ASCII in practice.
std::string SerialOf(HANDLE query) {
    wchar_t serial[128] = {};
    if (!HidD_GetSerialNumberString(query, serial, sizeof serial - sizeof(wchar_t))) return "";
    std::string out;
    for (const wchar_t* c = serial; *c != 0; ++c) out += *c < 0x80 ? static_cast<char>(*c) : '?';
    return ShownDeviceText(out);
}

}  // namespace

WinHidPlatform::WinHidPlatform() = default;

WinHidPlatform::~WinHidPlatform() {
    for (std::size_t i = 0; i < slots_.size(); ++i) Close(static_cast<HidHandle>(i));
}

bool WinHidPlatform::Enumerate(std::vector<HidInterfaceInfo>& out) {
    out.clear();
    GUID hidClass;
    HidD_GetHidGuid(&hidClass);
    HDEVINFO set =
        SetupDiGetClassDevsA(&hidClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE) return false;
    SP_DEVICE_INTERFACE_DATA entry{};
    entry.cbSize = sizeof entry;
    for (DWORD index = 0; SetupDiEnumDeviceInterfaces(set, nullptr, &hidClass, index, &entry);
         ++index) {
        HidInterfaceInfo info;
        DWORD required = 0;
        SetupDiGetDeviceInterfaceDetailA(set, &entry, nullptr, 0, &required, nullptr);
        std::vector<char> buffer(required + sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A), 0);
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
        SP_DEVINFO_DATA node{};
        node.cbSize = sizeof node;
        std::string arrival;
        if (SetupDiGetDeviceInterfaceDetailA(set, &entry, detail, static_cast<DWORD>(buffer.size()),
                                             nullptr, &node)) {
            info.path = detail->DevicePath;  // empty: the link reports the unreadable name
            arrival = Locate(node.DevInst, info);
        }
        if (!info.path.empty()) {
            HANDLE query = CreateFileA(info.path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
            if (query != INVALID_HANDLE_VALUE) {
                Identify(query, info);
                if (info.serial.empty()) info.serial = SerialOf(query);
                CloseHandle(query);
            } else {
                info.attributesKnown = info.usagePageKnown = false;
            }
        }
        // The path stays while the device is plugged into the same port; its arrival tells
        // a replug there. Where Windows keeps no arrival, a replug is told by its removal.
        info.instance = arrival.empty() ? info.path : info.path + "@" + arrival;
        out.push_back(std::move(info));
    }
    SetupDiDestroyDeviceInfoList(set);
    return true;
}

HidOpenResult WinHidPlatform::Open(const std::string& path, Access access) {
    std::size_t slot = 0;
    while (slot < slots_.size() && slots_[slot].file != nullptr) ++slot;
    if (slot == slots_.size()) return {kInvalidHandle, ERROR_TOO_MANY_OPEN_FILES};
    const DWORD rights = access == Access::kRead    ? GENERIC_READ
                         : access == Access::kWrite ? GENERIC_WRITE
                                                    : 0;
    const DWORD flags = access == Access::kRead ? FILE_FLAG_OVERLAPPED : 0;
    HANDLE file = CreateFileA(path.c_str(), rights, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, flags, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {kInvalidHandle, static_cast<int>(GetLastError())};
    HANDLE event = nullptr;
    if (access == Access::kRead) {
        event = CreateEventA(nullptr, FALSE, FALSE, nullptr);  // auto-reset, not signalled
        if (event == nullptr) {
            const int error = static_cast<int>(GetLastError());
            CloseHandle(file);
            return {kInvalidHandle, error};
        }
    }
    slots_[slot] = {file, event};
    return {static_cast<HidHandle>(slot), 0};
}

HidOpenResult WinHidPlatform::OpenQuery(const std::string& path) {
    return Open(path, Access::kQuery);
}

HidOpenResult WinHidPlatform::OpenRead(const std::string& path) {
    return Open(path, Access::kRead);
}

HidOpenResult WinHidPlatform::OpenWrite(const std::string& path) {
    return Open(path, Access::kWrite);
}

ReadStatus WinHidPlatform::Read(HidHandle handle, std::uint8_t* report, int timeoutMs) {
    if (handle < 0 || static_cast<std::size_t>(handle) >= slots_.size()) return ReadStatus::kFailed;
    const Slot& s = slots_[static_cast<std::size_t>(handle)];
    if (s.file == nullptr || s.event == nullptr) return ReadStatus::kFailed;
    std::uint8_t buffer[kInputReportSize] = {};
    OVERLAPPED overlapped{};
    overlapped.hEvent = AsHandle(s.event);
    DWORD got = 0;
    if (!ReadFile(AsHandle(s.file), buffer, kInputReportSize, &got, &overlapped) &&
        GetLastError() != ERROR_IO_PENDING) {
        return ReadStatus::kFailed;  // the device is gone
    }
    const DWORD waited = WaitForSingleObject(AsHandle(s.event), static_cast<DWORD>(timeoutMs));
    ResetEvent(AsHandle(s.event));
    if (waited == WAIT_TIMEOUT) {
        CancelIo(AsHandle(s.file));
        // The cancelled read must be over before its buffer goes out of scope.
        GetOverlappedResult(AsHandle(s.file), &overlapped, &got, TRUE);
        return ReadStatus::kTimedOut;
    }
    if (!GetOverlappedResult(AsHandle(s.file), &overlapped, &got, FALSE)) {
        return ReadStatus::kFailed;
    }
    std::memcpy(report, buffer, kInputReportSize);
    return ReadStatus::kReceived;
}

int WinHidPlatform::Write(HidHandle handle, const std::uint8_t* report) {
    if (handle < 0 || static_cast<std::size_t>(handle) >= slots_.size() ||
        slots_[static_cast<std::size_t>(handle)].file == nullptr) {
        return ERROR_INVALID_HANDLE;
    }
    DWORD written = 0;
    if (!WriteFile(AsHandle(slots_[static_cast<std::size_t>(handle)].file), report,
                   kOutputReportSize, &written, nullptr)) {
        return static_cast<int>(GetLastError());
    }
    return 0;
}

void WinHidPlatform::Close(HidHandle handle) {
    if (handle < 0 || static_cast<std::size_t>(handle) >= slots_.size()) return;
    Slot& s = slots_[static_cast<std::size_t>(handle)];
    if (s.file != nullptr) CloseHandle(AsHandle(s.file));
    if (s.event != nullptr) CloseHandle(AsHandle(s.event));
    s = {};
}
