#pragma once

#include <array>
#include <string>
#include <vector>

#include "hid/device_change.h"
#include "hid/hid_platform.h"
#include "sim/virtual_controller.h"

// The virtual controller behind the HID platform and arrival-and-removal seams, so that
// the link code drives it unchanged. It can be plugged in and unplugged.
class VirtualHidPlatform : public HidPlatform, public DeviceChangeSource {
  public:
    static constexpr const char* kPath = "virtual:vt350/0001";

    explicit VirtualHidPlatform(VirtualController& controller, bool plugged = true);

    // Plugging in and out sends the arrival or removal, unless `notify` is false (an
    // event lost on its way); LoseEvents tells the receiver that events were lost.
    void Plug(bool notify = true);
    void Unplug(bool notify = true);
    void LoseEvents() { EventsWereLost(); }
    bool plugged() const { return plugged_; }
    int openHandles() const;

    // HidPlatform
    bool Enumerate(std::vector<HidInterfaceInfo>& out) override;
    HidOpenResult OpenQuery(const std::string& path) override;
    HidOpenResult OpenRead(const std::string& path) override;
    HidOpenResult OpenWrite(const std::string& path) override;
    ReadStatus Read(HidHandle handle, std::uint8_t* report, int timeoutMs) override;
    int Write(HidHandle handle, const std::uint8_t* report) override;
    void Close(HidHandle handle) override;

    // DeviceChangeSource
    bool Register(Handler handler) override;
    void Unregister() override { handler_ = nullptr; }

    int readCount = 0;       // reads attempted on a live handle
    int enumerateCount = 0;  // searches made

  private:
    HidOpenResult Open(const std::string& path);
    bool Live(HidHandle handle) const;
    void Notify(std::uint32_t event);

    VirtualController& controller_;
    bool plugged_;
    // A handle stays valid until closed, but dies with an unplug, as a real one does.
    struct Slot {
        bool open = false;
        bool alive = false;
    };
    std::array<Slot, 8> slots_{};
    Handler handler_;
};
