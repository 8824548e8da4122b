#include "platform/windows/win_hid_platform.h"

// clang-format off
#include <windows.h>
#include <setupapi.h>
// MinGW's HID headers declare the functions without C linkage.
extern "C" {
#include <hidsdi.h>
#include <hidpi.h>
}
// clang-format on

#include <cstring>
#include <vector>

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
        if (SetupDiGetDeviceInterfaceDetailA(set, &entry, detail, static_cast<DWORD>(buffer.size()),
                                             nullptr, nullptr)) {
            info.path = detail->DevicePath;  // empty: the link reports the unreadable name
        }
        if (!info.path.empty()) {
            HANDLE query = CreateFileA(info.path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_EXISTING, 0, nullptr);
            if (query != INVALID_HANDLE_VALUE) {
                Identify(query, info);
                CloseHandle(query);
            } else {
                info.attributesKnown = info.usagePageKnown = false;
            }
        }
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
