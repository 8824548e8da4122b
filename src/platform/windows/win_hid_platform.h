#pragma once

#include <array>

#include "hid/hid_platform.h"

// The HID platform on Windows, written on the system's own calls: SetupAPI walks the HID
// device interfaces of the class GUID from HidD_GetHidGuid; each candidate is opened for
// querying only (access 0) for its attributes (HidD_GetAttributes) and its top-level
// usage page (HidD_GetPreparsedData, HidP_GetCaps). The read handle is opened overlapped
// and each read waits on its event for at most the given time, then cancels; the write
// handle is opened plain and writes block. Errors are GetLastError codes.
class WinHidPlatform : public HidPlatform {
  public:
    WinHidPlatform();
    ~WinHidPlatform() override;
    WinHidPlatform(const WinHidPlatform&) = delete;
    WinHidPlatform& operator=(const WinHidPlatform&) = delete;

    bool Enumerate(std::vector<HidInterfaceInfo>& out) override;
    HidOpenResult OpenQuery(const std::string& path) override;
    HidOpenResult OpenRead(const std::string& path) override;
    HidOpenResult OpenWrite(const std::string& path) override;
    ReadStatus Read(HidHandle handle, std::uint8_t* report, int timeoutMs) override;
    int Write(HidHandle handle, const std::uint8_t* report) override;
    void Close(HidHandle handle) override;

  private:
    enum class Access { kQuery, kRead, kWrite };
    HidOpenResult Open(const std::string& path, Access access);

    struct Slot {
        void* file = nullptr;   // HANDLE; nullptr when the slot is free
        void* event = nullptr;  // the overlapped read's event (read handles)
    };
    std::array<Slot, 16> slots_{};
};
