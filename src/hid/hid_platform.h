#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the link needs of the operating system's HID services, and nothing more. The real
// implementation is hidapi (hidraw on Linux); the tests script their own, and the virtual
// controller offers one so that the unchanged link code can drive it.

using HidHandle = std::int32_t;
inline constexpr HidHandle kInvalidHandle = -1;

// One present HID interface, as enumeration reports it.
struct HidInterfaceInfo {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t versionNumber = 0;
    std::uint16_t usagePage = 0;  // of the top-level collection
    bool attributesKnown = true;  // false: the attributes query failed
    bool usagePageKnown = true;   // false: the report descriptor could not be parsed
    // Where it is plugged in, which tells two controllers of one make apart (they may share a
    // serial): the USB device's name as the kernel gives it ("1-1.3") on Linux, its
    // location on Windows. Empty where the system does not say.
    std::string port;
    std::string serial;
    // Differs each time a device is plugged in, even into the same port, so that a
    // controller pulled and plugged back in is not taken for the one that was there.
    std::string instance;
};

// An open's outcome: the handle, or kInvalidHandle with the OS error (errno, or
// GetLastError on Windows) that refused it. The error travels as a value, as hidapi keeps
// one per device, so nothing depends on errno surviving between calls.
struct HidOpenResult {
    HidHandle handle = kInvalidHandle;
    int error = 0;
    bool ok() const { return handle != kInvalidHandle; }
};

enum class ReadStatus { kReceived, kTimedOut, kFailed };

class HidPlatform {
  public:
    static constexpr std::size_t kInputReportSize = 19;   // report ID included
    static constexpr std::size_t kOutputReportSize = 15;  // report ID included

    virtual ~HidPlatform() = default;

    // Lists the present interfaces in enumeration order. False when the list cannot be
    // built at all; the OS error is then left in errno / GetLastError.
    virtual bool Enumerate(std::vector<HidInterfaceInfo>& out) = 0;

    // Opens a path for querying only (no reading or writing rights needed).
    virtual HidOpenResult OpenQuery(const std::string& path) = 0;
    virtual HidOpenResult OpenRead(const std::string& path) = 0;
    virtual HidOpenResult OpenWrite(const std::string& path) = 0;

    // Reads one input report into `report` (19 bytes, byte 0 the report ID 0), waiting at
    // most `timeoutMs`. On anything but kReceived the buffer is left untouched and no read
    // stays pending.
    virtual ReadStatus Read(HidHandle handle, std::uint8_t* report, int timeoutMs) = 0;

    // Writes one 15-byte output report whose byte 0 is the report ID. Returns 0 when the
    // report went out, otherwise the OS error that refused it.
    virtual int Write(HidHandle handle, const std::uint8_t* report) = 0;

    virtual void Close(HidHandle handle) = 0;
};
