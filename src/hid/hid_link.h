#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "hid/controller_identity.h"
#include "hid/device_change.h"
#include "hid/found_controller.h"
#include "hid/hid_platform.h"
#include "hid/show_error.h"

// The link to the controller: its device path, a read handle and a write handle (-1 when
// closed), and the presence flag that arrival and removal set. The link owns this state;
// others read it through the accessors. All on one thread; every message goes through
// ShowError.
class HidLink {
  public:
    static constexpr int kReadWaitMs = 80;

    HidLink(HidPlatform& platform, ErrorReporter& reporter);

    // First interface, in enumeration order, whose vendor, product and version match and
    // whose top-level usage page matches (and, once a port is chosen, that is plugged into
    // it); the empty text when none does.
    std::string FindHidDevice(std::uint16_t vendorId, std::uint16_t productId,
                              std::uint16_t usagePage, std::uint16_t versionNumber);
    // The search with the controller's identity, as every caller makes it.
    std::string FindController();
    // Every controller the search recognises, in enumeration order, whatever the port.
    std::vector<FoundController> FindControllers();
    // From now on the search takes only the controller in this port ("" for any).
    void ChoosePort(std::string port) { port_ = std::move(port); }
    // The controller the last search returned (empty fields when none matched).
    const FoundController& controller() const { return found_; }
    // Opens each handle that is closed; an open one is left as it is.
    void OpenDeviceHandles(const std::string& path);
    void CloseDeviceHandles();
    // Every poll tick, before the read: close while absent, find and open while present
    // and the read handle is closed.
    void MaintainDeviceLink();
    // One read with at most 80 ms of waiting; a closed read handle reads as a time-out.
    ReadStatus ReadInputReport(std::uint8_t* input);
    // Reads away the input reports already waiting (at most `limit`), without waiting for
    // more, so that a request's answer is not confused with what came before it.
    void DiscardPendingInput(int limit = 64);
    // Writes the 15 bytes when present and the write handle is open; a failed write is
    // reported with `message`. Returns true when the report went out.
    bool WriteOutputReport(const std::uint8_t* output, std::string_view message);

    // Window load: search, and open when found.
    void ConnectAtStart();
    // Takes a controller a search found as the present one and opens it, without searching
    // again (the search was just made, and a second could find another one).
    void Connect(const FoundController& controller);
    // After lost arrival and removal events: the presence flag from what the search finds
    // now, and the handles closed, so that the next tick opens afresh or stays closed.
    void Resynchronise();
    // The presence flag as a look at what is plugged in found it, for a window bound to one
    // controller: a record of another controller of the same make must not decide it.
    void SetPresent(bool present) {
        SetPresence(present ? PresenceFlag::kTrue : PresenceFlag::kFalse);
    }
    // A device-change record from a notification source.
    void OnDeviceChange(std::uint32_t event, const std::uint8_t* record, std::size_t size);
    // Follows the source's arrivals and removals (and, after lost events, what is present
    // now); `afterChange` runs after each record, with its event, and after each such look,
    // with 0. False when the source cannot deliver them: every program reports that, none
    // waits for events that will never come.
    bool Follow(DeviceChangeSource& source,
                std::function<void(std::uint32_t event)> afterChange = {});

    // The path the last search returned, as it returned it; empty when none matched.
    const std::string& devicePath() const { return devicePath_; }
    HidHandle readHandle() const { return readHandle_; }
    HidHandle writeHandle() const { return writeHandle_; }
    bool isOpen() const { return readHandle_ != kInvalidHandle && writeHandle_ != kInvalidHandle; }
    // The presence flag: true only while the last arrival or removal said the controller
    // is there (or the search at start found it).
    bool present() const { return deviceDetected_ == PresenceFlag::kTrue; }
    // How often the flag went from present to absent (a removal, or a look after lost
    // events that found nothing), so that a removal followed at once by the next arrival is
    // still seen by whoever reads the flag only now and then.
    int removals() const { return removals_; }
    // The OS error of the last refused open of the controller; 0 after a successful one.
    int lastOpenError() const { return lastOpenError_; }
    // The OS error of the last refused write; 0 after a successful one.
    int lastWriteError() const { return lastWriteError_; }

  private:
    // The search itself: the matches, in enumeration order; only the first unless `all`.
    std::vector<FoundController> Search(std::uint16_t vendorId, std::uint16_t productId,
                                        std::uint16_t usagePage, std::uint16_t versionNumber,
                                        bool all);
    void SearchAndOpen();
    void SetPresence(std::int16_t flag);

    std::string devicePath_;
    std::string port_;
    FoundController found_;
    HidHandle readHandle_ = kInvalidHandle;
    HidHandle writeHandle_ = kInvalidHandle;
    std::int16_t deviceDetected_ = PresenceFlag::kFalse;
    int removals_ = 0;
    DeviceChangeCopies copies_;
    int lastOpenError_ = 0;
    int lastWriteError_ = 0;

    HidPlatform& platform_;
    ErrorReporter& reporter_;
    // A found controller that cannot be opened is reported once after each arrival (or at
    // start), so that a technician without access rights learns why nothing happens.
    bool reportOpenFailure_ = true;
};

// Trims leading and trailing spaces.
std::string TrimmedPath(const std::string& path);
