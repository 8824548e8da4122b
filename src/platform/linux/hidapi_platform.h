#pragma once

#include <array>

#include "hid/hid_platform.h"

struct hid_device_;

// The HID platform on hidapi (the hidraw backend on Linux) for opening, reading and
// writing. Enumeration reads the device attributes and the top-level usage page from the
// udev device database and sysfs itself, so nothing has to be opened to be identified. The
// controller has no numbered reports: hidapi reads its input reports without a report-ID byte and
// writes output reports with one, and this layer keeps byte 0 as the report ID 0 in both
// directions.
class HidapiPlatform : public HidPlatform {
  public:
    HidapiPlatform();
    ~HidapiPlatform() override;
    HidapiPlatform(const HidapiPlatform&) = delete;
    HidapiPlatform& operator=(const HidapiPlatform&) = delete;

    bool Enumerate(std::vector<HidInterfaceInfo>& out) override;
    HidOpenResult OpenQuery(const std::string& path) override;
    HidOpenResult OpenRead(const std::string& path) override;
    HidOpenResult OpenWrite(const std::string& path) override;
    ReadStatus Read(HidHandle handle, std::uint8_t* report, int timeoutMs) override;
    int Write(HidHandle handle, const std::uint8_t* report) override;
    void Close(HidHandle handle) override;

  private:
    HidOpenResult Store(hid_device_* device, bool queryOnly);
    hid_device_* Device(HidHandle handle) const;

    struct Slot {
        hid_device_* device = nullptr;
        bool query = false;  // a query handle holds no device
    };
    std::array<Slot, 16> slots_{};
    bool initialised_ = false;
};
