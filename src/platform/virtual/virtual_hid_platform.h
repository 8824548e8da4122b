#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "hid/device_change.h"
#include "hid/hid_platform.h"
#include "sim/virtual_controller.h"

// Virtual controllers behind the HID platform and arrival-and-removal seams, so that the
// link code drives them unchanged: one by default, more on a bench of several ports. Each
// can be plugged in and unplugged.
class VirtualHidPlatform : public HidPlatform, public DeviceChangeSource {
  public:
    static constexpr const char* kPath = "virtual:vt350/0001";
    static constexpr const char* kFirstPort = "demo-1";

    explicit VirtualHidPlatform(VirtualController& controller, bool plugged = true);

    // Another controller on its own port ("demo-2", ...); returns its unit number. It
    // shares the first one's serial, as controllers of one make do.
    std::size_t AddController(VirtualController& controller, bool plugged = true);

    // Plugging in and out sends the arrival or removal, unless `notify` is false (an
    // event lost on its way); LoseEvents tells the receiver that events were lost.
    void Plug(bool notify = true) { PlugUnit(0, notify); }
    void Unplug(bool notify = true) { UnplugUnit(0, notify); }
    void PlugUnit(std::size_t unit, bool notify = true);
    void UnplugUnit(std::size_t unit, bool notify = true);
    void LoseEvents() { EventsWereLost(); }
    bool plugged() const { return units_[0].plugged; }
    std::string PortOf(std::size_t unit) const;
    std::string PathOf(std::size_t unit) const;
    int openHandles() const;
    // Only for the first `count` searches after an arrival, the HID interface is not there
    // yet: on Windows the USB device's arrival comes before its HID interface exists.
    int interfaceLag = 0;
    int ArrivalSettleMs() const override { return interfaceLag > 0 ? 5000 : 0; }
    // False: the system tells no plug-in from the next (a search gives no instance).
    bool plugInsKnown = true;

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
    struct Unit {
        VirtualController* controller;
        bool plugged;
        int plugIns = 0;  // makes each plug-in's instance its own
        int hiddenSearches = 0;
    };
    HidOpenResult Open(const std::string& path);
    int UnitAt(const std::string& path) const;
    bool Live(HidHandle handle) const;
    void Notify(std::size_t unit, std::uint32_t event);

    std::vector<Unit> units_;
    // A handle stays valid until closed, but dies with an unplug, as a real one does.
    struct Slot {
        bool open = false;
        bool alive = false;
        std::size_t unit = 0;
    };
    std::array<Slot, 16> slots_{};
    Handler handler_;
};
