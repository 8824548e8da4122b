// The Windows device-change path: WM_DEVICECHANGE messages whose records are built as the
// platform builds them reach the link's decision and set its presence flag.
#include "platform/windows/device_change_message.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "fake_hid_platform.h"
#include "hid/hid_link.h"
#include "recording_reporter.h"

namespace {

constexpr std::uint32_t kVolume = 2;  // DBT_DEVTYP_VOLUME

// A broadcast record: size, device type, reserved, class GUID, the ANSI name and its zero.
std::vector<std::uint8_t> Record(const char* name, std::uint32_t type = kDeviceTypeInterface) {
    std::vector<std::uint8_t> r(kBroadcastNameOffset + std::strlen(name) + 1, 0);
    const auto size = static_cast<std::uint32_t>(r.size());
    std::memcpy(&r[0], &size, 4);
    std::memcpy(&r[4], &type, 4);
    std::memcpy(&r[kBroadcastNameOffset], name, std::strlen(name));
    return r;
}

struct Window {
    FakeHidPlatform platform;
    RecordingReporter reporter;
    HidLink link{platform, reporter};
    DeviceChangeSource::Handler handler = [this](std::uint32_t e, const std::uint8_t* r,
                                                 std::size_t n) { link.OnDeviceChange(e, r, n); };
    void Message(std::uint32_t event, const std::vector<std::uint8_t>& record) {
        DeliverDeviceChange(kWmDeviceChange, event, reinterpret_cast<std::intptr_t>(record.data()),
                            handler);
    }
};

const char* const kController =
    "\\\\?\\USB#VID_0001&PID_0001#0001#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";

}  // namespace

TEST(WinDeviceChange, ArrivalAndRemovalOfTheControllerSetTheFlag) {
    Window w;
    w.Message(kDeviceArrival, Record(kController));
    EXPECT_TRUE(w.link.present());
    w.Message(kDeviceRemoveComplete, Record(kController));
    EXPECT_FALSE(w.link.present());
}

TEST(WinDeviceChange, OtherClassesShortNamesAndOtherMessagesChangeNothing) {
    Window w;
    w.Message(kDeviceArrival, Record(kController, kVolume));
    EXPECT_FALSE(w.link.present()) << "a volume, not a device interface";
    w.Message(kDeviceArrival, Record("\\\\?\\USB#VID_0001&PID_0001#000"));
    EXPECT_FALSE(w.link.present()) << "a name of 29 characters";
    w.Message(kDeviceArrival, Record("\\\\?\\HID#VID_0001&PID_0002#0001#{x}"));
    EXPECT_FALSE(w.link.present());
    const auto record = Record(kController);
    EXPECT_FALSE(DeliverDeviceChange(0x0010 /* WM_CLOSE */, kDeviceArrival,
                                     reinterpret_cast<std::intptr_t>(record.data()), w.handler));
    EXPECT_FALSE(DeliverDeviceChange(kWmDeviceChange, 0x0007, 0, w.handler))
        << "DBT_DEVNODES_CHANGED carries no record";
    EXPECT_FALSE(w.link.present());
}
