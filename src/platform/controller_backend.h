#pragma once

#include <deque>
#include <memory>
#include <string>

#include "hid/device_change.h"
#include "hid/hid_platform.h"
#include "platform/virtual/virtual_hid_platform.h"

// Where the programs' controller comes from: the USB hardware through hidapi with the
// system's arrival and removal events, or, in demo mode, the virtual controller with its
// misbehaviours, plugged in at start unless told "absent". The window, vt350ctl and
// vt350-sim all choose here, so a switch means the same in each of them.
struct BackendOptions {
    bool demo = false;
    Misbehaviour behaviour;
};

// Takes "--demo" and "--demo-behaviour LIST" (also "--demo-behaviour=LIST") at argv[i],
// moving i past a separate value. Returns false when argv[i] is neither; on a bad list
// or a missing value it returns true with `error` set.
bool ParseBackendOption(int argc, char* argv[], int& i, BackendOptions& options,
                        std::string& error);

// The text of the misbehaviours for --help.
std::string DemoBehaviourHelp();

class ControllerBackend {
  public:
    explicit ControllerBackend(const BackendOptions& options);
    ~ControllerBackend();
    ControllerBackend(const ControllerBackend&) = delete;
    ControllerBackend& operator=(const ControllerBackend&) = delete;

    HidPlatform& platform() { return *platform_; }
    // The arrival and removal source; nullptr on Windows, where the window's own native
    // events deliver them.
    DeviceChangeSource* deviceChanges() { return changes_; }
    // The virtual controller's platform in demo mode (plug and unplug), else nullptr.
    VirtualHidPlatform* virtualPlatform() { return virtual_.get(); }
    VirtualController& controller() { return controller_; }
    bool demo() const { return virtual_ != nullptr; }

  private:
    VirtualController controller_;
    std::deque<VirtualController> hub_;  // the other controllers of a demo hub
    std::unique_ptr<VirtualHidPlatform> virtual_;
    std::unique_ptr<HidPlatform> hardware_;        // the operating system's HID services
    std::unique_ptr<DeviceChangeSource> monitor_;  // its arrival and removal events
    HidPlatform* platform_ = nullptr;
    DeviceChangeSource* changes_ = nullptr;
};
