#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Arrival and removal of device interfaces, in the record layout of Windows' device-interface
// broadcast (a 12-byte header, then class GUID and a 256-byte ANSI name). Every
// notification source on every system is turned into such records, so that one decision
// function, byte for byte the same everywhere, sets the presence flag.

inline constexpr std::uint32_t kDeviceArrival = 0x8000;         // DBT_DEVICEARRIVAL
inline constexpr std::uint32_t kDeviceRemoveComplete = 0x8004;  // DBT_DEVICEREMOVECOMPLETE
inline constexpr std::uint32_t kDeviceTypeInterface = 5;        // DBT_DEVTYP_DEVICEINTERFACE
inline constexpr std::size_t kBroadcastHeaderSize = 12;
inline constexpr std::size_t kBroadcastInterfaceSize = 284;
inline constexpr std::size_t kBroadcastNameOffset = 28;
inline constexpr std::size_t kBroadcastNameSize = 256;

// The presence flag's values: True = -1, False = 0. Presence is tested by comparing with -1.
struct PresenceFlag {
    static constexpr std::int16_t kTrue = -1;
    static constexpr std::int16_t kFalse = 0;
};

// Copies of the last arrival or removal message; bytes past a shorter copy keep what an
// earlier message left there.
struct DeviceChangeCopies {
    std::array<std::uint8_t, kBroadcastHeaderSize> BroadcastHeader{};
    std::array<std::uint8_t, kBroadcastInterfaceSize> BroadcastInterface{};
};

// The decision of the window's device-change handling. `record` points at `available`
// readable bytes. Returns true when it wrote `deviceDetected`.
bool HandleDeviceChange(DeviceChangeCopies& copies, std::uint32_t event, const std::uint8_t* record,
                        std::size_t available, std::string_view matchKey,
                        std::int16_t& deviceDetected);

// A device-interface record with the given name (cut to 255 characters), as the platform
// builds it: size = name offset + name length + terminating zero.
std::array<std::uint8_t, kBroadcastInterfaceSize> BuildInterfaceRecord(std::string_view name);

// The name a device-interface record carries (up to its terminating zero, within its size
// and the 256-byte name field); empty for a record of another kind.
std::string InterfaceNameOf(const std::uint8_t* record, std::size_t size);

// The USB device-interface name of a device: \\?\USB#VID_vvvv&PID_pppp#serial#{guid}.
// IDs wider than 16 bits are written in full (and so never match a 4-digit key).
std::string UsbInterfaceName(std::uint32_t vendorId, std::uint32_t productId,
                             std::string_view serial);

// A source of arrival and removal records: the udev monitor on Linux, window messages on
// Windows, the virtual controller in tests and in the demo.
class DeviceChangeSource {
  public:
    using Handler =
        std::function<void(std::uint32_t event, const std::uint8_t* record, std::size_t size)>;
    virtual ~DeviceChangeSource() = default;
    // Starts delivering records to `handler`. False when registration failed.
    virtual bool Register(Handler handler) = 0;
    virtual void Unregister() = 0;
    // For an event loop: a descriptor that becomes readable when Dispatch has work, or -1
    // for a source that calls the handler by itself.
    virtual int NotificationFd() const { return -1; }
    virtual void Dispatch() {}
    // For a program without an event loop: waits at most `timeoutMs` for records and
    // hands them to the handler. A source that calls the handler by itself (the virtual
    // controller) has nothing to wait for and only yields for a moment.
    virtual void WaitForEvents(int timeoutMs);
    // Called when the source knows it lost events (its queue overflowed): the receiver
    // must look at what is present now instead of waiting for arrivals and removals.
    // How long after an arrival record the controller's interface may still be on its way,
    // so that a receiver should look again meanwhile: on Windows the USB device arrives
    // before its HID interface exists; elsewhere the arrival is the interface's own.
    virtual int ArrivalSettleMs() const { return 0; }
    using LostEventsHandler = std::function<void()>;
    void SetLostEventsHandler(LostEventsHandler handler) { lostEvents_ = std::move(handler); }

  protected:
    void EventsWereLost() {
        if (lostEvents_) lostEvents_();
    }

  private:
    LostEventsHandler lostEvents_;
};
