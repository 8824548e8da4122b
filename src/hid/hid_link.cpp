#include "hid/hid_link.h"

#include "config/ui_text.h"

#include <vector>

namespace {

// The longest path the Windows interface-detail query with its fixed 256-byte record can
// return (251 bytes with the terminating zero); longer names count as a failed name query,
// on every system alike.
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

std::vector<FoundController> HidLink::Search(std::uint16_t vendorId, std::uint16_t productId,
                                             std::uint16_t usagePage, std::uint16_t versionNumber,
                                             bool all) {
    std::vector<FoundController> found;
    std::vector<HidInterfaceInfo> interfaces;
    if (!platform_.Enumerate(interfaces)) {
        ShowError(reporter_, UI_TEXT_NOOP("Messages", "Could not attach to PnP node"));
        return found;
    }
    for (const HidInterfaceInfo& candidate : interfaces) {
        if (candidate.path.empty() || candidate.path.size() > kMaxPathLength) {
            ShowError(reporter_,
                      UI_TEXT_NOOP("Messages", "Could not get the name of this HID device"));
            continue;  // the name is unknown: nothing to open
        }
        if (!all && !port_.empty() && candidate.port != port_) continue;
        const HidOpenResult query = platform_.OpenQuery(candidate.path);
        if (!query.ok()) {
            ShowError(reporter_, UI_TEXT_NOOP("Messages", "Could not open HID device"),
                      query.error);
            continue;
        }
        const bool matches = candidate.attributesKnown && candidate.vendorId == vendorId &&
                             candidate.productId == productId &&
                             candidate.versionNumber == versionNumber && candidate.usagePageKnown &&
                             candidate.usagePage == usagePage;
        platform_.Close(query.handle);
        if (!matches) continue;
        found.push_back(FoundFrom(candidate));
        if (!all) break;
    }
    return found;
}

std::string HidLink::FindHidDevice(std::uint16_t vendorId, std::uint16_t productId,
                                   std::uint16_t usagePage, std::uint16_t versionNumber) {
    auto found = Search(vendorId, productId, usagePage, versionNumber, false);
    found_ = found.empty() ? FoundController{} : std::move(found.front());
    return found_.path;
}

std::string HidLink::FindController() {
    return FindHidDevice(ControllerIdentity::kVendorId, ControllerIdentity::kProductId,
                         ControllerIdentity::kUsagePage, ControllerIdentity::kVersionNumber);
}

std::vector<FoundController> HidLink::FindControllers() {
    return Search(ControllerIdentity::kVendorId, ControllerIdentity::kProductId,
                  ControllerIdentity::kUsagePage, ControllerIdentity::kVersionNumber, true);
}

void HidLink::OpenDeviceHandles(const std::string& path) {
    int readError = 0;
    if (readHandle_ == kInvalidHandle) {
        const HidOpenResult read = platform_.OpenRead(path);
        readHandle_ = read.handle;
        readError = read.error;
    }
    int writeError = 0;
    if (writeHandle_ == kInvalidHandle) {
        const HidOpenResult write = platform_.OpenWrite(path);
        writeHandle_ = write.handle;
        writeError = write.error;
    }
    lastOpenError_ = readHandle_ == kInvalidHandle ? readError : writeError;
    if (readHandle_ != kInvalidHandle) {
        reportOpenFailure_ = true;
        return;
    }
    if (reportOpenFailure_) {
        reportOpenFailure_ = false;
        ShowError(reporter_, UI_TEXT_NOOP("Messages", "Could not open HID device"), readError);
    }
}

void HidLink::CloseDeviceHandles() {
    if (readHandle_ != kInvalidHandle) {
        platform_.Close(readHandle_);
        readHandle_ = kInvalidHandle;
    }
    if (writeHandle_ != kInvalidHandle) {
        platform_.Close(writeHandle_);
        writeHandle_ = kInvalidHandle;
    }
}

void HidLink::SearchAndOpen() {
    devicePath_ = FindController();
    if (!devicePath_.empty()) OpenDeviceHandles(TrimmedPath(devicePath_));
}

void HidLink::MaintainDeviceLink() {
    if (deviceDetected_ != PresenceFlag::kTrue) {
        CloseDeviceHandles();
        return;
    }
    // Only the read handle decides: a link whose write handle failed to open stays as it
    // is until it is closed and opened as a whole.
    if (readHandle_ == kInvalidHandle) SearchAndOpen();
}

void HidLink::SetPresence(std::int16_t flag) {
    if (deviceDetected_ == PresenceFlag::kTrue && flag != PresenceFlag::kTrue) ++removals_;
    deviceDetected_ = flag;
}

void HidLink::ConnectAtStart() {
    devicePath_ = FindController();
    if (!devicePath_.empty()) {
        SetPresence(PresenceFlag::kTrue);
        OpenDeviceHandles(TrimmedPath(devicePath_));
    }
}

void HidLink::Connect(const FoundController& controller) {
    CloseDeviceHandles();
    found_ = controller;
    devicePath_ = controller.path;
    SetPresence(PresenceFlag::kTrue);
    reportOpenFailure_ = true;
    OpenDeviceHandles(TrimmedPath(devicePath_));
}

ReadStatus HidLink::ReadInputReport(std::uint8_t* input) {
    if (readHandle_ == kInvalidHandle) return ReadStatus::kTimedOut;
    // A failed read (a controller pulled without a removal message) counts as silence.
    return platform_.Read(readHandle_, input, kReadWaitMs);
}

void HidLink::DiscardPendingInput(int limit) {
    if (readHandle_ == kInvalidHandle) return;
    std::uint8_t scratch[HidPlatform::kInputReportSize];
    for (int i = 0; i < limit; ++i) {
        if (platform_.Read(readHandle_, scratch, 0) != ReadStatus::kReceived) return;
    }
}

bool HidLink::WriteOutputReport(const std::uint8_t* output, std::string_view message) {
    lastWriteError_ = 0;
    if (deviceDetected_ != PresenceFlag::kTrue || writeHandle_ == kInvalidHandle) return false;
    lastWriteError_ = platform_.Write(writeHandle_, output);
    if (lastWriteError_ != 0) {
        ShowError(reporter_, message, lastWriteError_);
        return false;
    }
    return true;
}

void HidLink::Resynchronise() {
    CloseDeviceHandles();
    devicePath_ = FindController();
    SetPresence(devicePath_.empty() ? PresenceFlag::kFalse : PresenceFlag::kTrue);
    reportOpenFailure_ = true;
}

void HidLink::OnDeviceChange(std::uint32_t event, const std::uint8_t* record, std::size_t size) {
    std::int16_t flag = deviceDetected_;
    if (!HandleDeviceChange(copies_, event, record, size, ControllerIdentity::kMatchKey, flag)) {
        return;
    }
    SetPresence(flag);
    if (event == kDeviceArrival) reportOpenFailure_ = true;
}

bool HidLink::Follow(DeviceChangeSource& source,
                     std::function<void(std::uint32_t event)> afterChange) {
    source.SetLostEventsHandler([this, afterChange] {
        Resynchronise();
        if (afterChange) afterChange(0);
    });
    return source.Register([this, afterChange = std::move(afterChange)](
                               std::uint32_t event, const std::uint8_t* record, std::size_t size) {
        OnDeviceChange(event, record, size);
        if (afterChange) afterChange(event);
    });
}
