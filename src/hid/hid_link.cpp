#include "hid/hid_link.h"

#include <vector>

namespace {

// The longest path the original interface-detail query could return (251 bytes with the
// terminating zero); longer names count as a failed name query.
constexpr std::size_t kMaxPathLength = 250;

}  // namespace

std::string TrimmedPath(const std::string& path) {
    const auto first = path.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    const auto last = path.find_last_not_of(' ');
    return path.substr(first, last - first + 1);
}

HidLink::HidLink(HidPlatform& platform, ErrorReporter& reporter)
    : platform_(platform), reporter_(reporter) {}

std::string HidLink::FindHidDevice(std::uint16_t vendorId, std::uint16_t productId,
                                   std::uint16_t usagePage, std::uint16_t versionNumber) {
    std::vector<HidInterfaceInfo> interfaces;
    if (!platform_.Enumerate(interfaces)) {
        ShowError(reporter_, "Could not attach to PnP node");
        return "";
    }
    for (const HidInterfaceInfo& candidate : interfaces) {
        if (candidate.path.empty() || candidate.path.size() > kMaxPathLength) {
            ShowError(reporter_, "Could not get the name of this HID device");
            continue;  // the name is unknown: nothing to open
        }
        HidHandle query = platform_.OpenQuery(candidate.path);
        if (query == kInvalidHandle) {
            ShowError(reporter_, "Could not open HID device");
            continue;
        }
        const bool matches = candidate.attributesKnown && candidate.vendorId == vendorId &&
                             candidate.productId == productId &&
                             candidate.versionNumber == versionNumber && candidate.usagePageKnown &&
                             candidate.usagePage == usagePage;
        platform_.Close(query);
        if (matches) return candidate.path;
    }
    return "";
}

void HidLink::OpenDeviceHandles(const std::string& path) {
    std::int32_t readError = 0;
    bool readFailed = false;
    if (ReadHandle == kInvalidHandle) {
        ReadHandle = platform_.OpenRead(path);
        if (ReadHandle == kInvalidHandle) {
            readError = LastOsError();
            readFailed = true;
        }
    }
    if (WriteHandle == kInvalidHandle) WriteHandle = platform_.OpenWrite(path);
    if (!readFailed) {
        if (ReadHandle != kInvalidHandle) reportOpenFailure_ = true;
        return;
    }
    if (reportOpenFailure_) {
        reportOpenFailure_ = false;
        ShowError(reporter_, "Could not open HID device", readError);
    }
}

void HidLink::CloseDeviceHandles() {
    if (ReadHandle != kInvalidHandle) {
        platform_.Close(ReadHandle);
        ReadHandle = kInvalidHandle;
    }
    if (WriteHandle != kInvalidHandle) {
        platform_.Close(WriteHandle);
        WriteHandle = kInvalidHandle;
    }
}

void HidLink::SearchAndOpen() {
    DevicePath = FindHidDevice(ControllerIdentity::kVendorId, ControllerIdentity::kProductId,
                               ControllerIdentity::kUsagePage, ControllerIdentity::kVersionNumber);
    if (!DevicePath.empty()) OpenDeviceHandles(TrimmedPath(DevicePath));
}

void HidLink::MaintainDeviceLink() {
    if (DeviceDetected != kTrue) {
        CloseDeviceHandles();
        return;
    }
    // Only the read handle decides: a link whose write handle failed to open stays as it
    // is until it is closed and opened as a whole.
    if (ReadHandle == kInvalidHandle) SearchAndOpen();
}

void HidLink::ConnectAtStart() {
    DevicePath = FindHidDevice(ControllerIdentity::kVendorId, ControllerIdentity::kProductId,
                               ControllerIdentity::kUsagePage, ControllerIdentity::kVersionNumber);
    if (!DevicePath.empty()) {
        DeviceDetected = kTrue;
        OpenDeviceHandles(TrimmedPath(DevicePath));
    }
}

ReadOutcome HidLink::ReadInputReport(std::uint8_t* input) {
    if (ReadHandle == kInvalidHandle) return ReadOutcome::TimedOut;
    // A failed read (a controller pulled without a removal message) counts as silence.
    return platform_.Read(ReadHandle, input, kReadWaitMs) == ReadStatus::kReceived
               ? ReadOutcome::Received
               : ReadOutcome::TimedOut;
}

bool HidLink::WriteOutputReport(const std::uint8_t* output, std::string_view message) {
    if (DeviceDetected != kTrue || WriteHandle == kInvalidHandle) return false;
    if (!platform_.Write(WriteHandle, output)) {
        ShowError(reporter_, message);
        return false;
    }
    return true;
}

void HidLink::OnDeviceChange(std::uint32_t event, const std::uint8_t* record, std::size_t size) {
    if (HandleDeviceChange(Copies, event, record, size, DeviceMatchKey, DeviceDetected) &&
        event == kDeviceArrival) {
        reportOpenFailure_ = true;
    }
}
