#include "hid/device_change.h"
#include "hid/controller_identity.h"

#include <gtest/gtest.h>

#include <algorithm>

#ifndef _WIN32
#include "platform/linux/udev_monitor.h"
#endif

namespace {

struct Change {
    DeviceChangeCopies copies;
    std::int16_t flag = PresenceFlag::kFalse;
    bool Send(std::uint32_t event, std::string_view name) {
        auto record = BuildInterfaceRecord(name);
        return HandleDeviceChange(copies, event, record.data(), record.size(),
                                  ControllerIdentity::kMatchKey, flag);
    }
};

}  // namespace

TEST(DeviceChange, ArrivalAndRemovalInAnyLetterCase) {
    Change c;
    EXPECT_TRUE(c.Send(kDeviceArrival, "\\\\?\\USB#VID_0001&PID_0001#0001#{a5dcbf10}"));
    EXPECT_EQ(c.flag, PresenceFlag::kTrue);
    EXPECT_TRUE(c.Send(kDeviceRemoveComplete, "\\\\?\\usb#vid_0001&pid_0001#0001#{a5dcbf10}"));
    EXPECT_EQ(c.flag, PresenceFlag::kFalse);
    // The match key is the identity's own interface name.
    EXPECT_TRUE(c.Send(kDeviceArrival, UsbInterfaceName(ControllerIdentity::kVendorId,
                                                        ControllerIdentity::kProductId,
                                                        ControllerIdentity::kSerial)));
    EXPECT_EQ(c.flag, PresenceFlag::kTrue);
    // A serial that starts with 0001 matches too: only characters 9 to 30 count.
    EXPECT_TRUE(c.Send(kDeviceArrival, "\\\\?\\USB#VID_0001&PID_0001#0001ABCD#{x}"));
    EXPECT_EQ(c.flag, PresenceFlag::kTrue);
}

TEST(DeviceChange, OtherInterfacesAndNearMissesLeaveTheFlag) {
    Change c;
    c.flag = PresenceFlag::kTrue;
    EXPECT_FALSE(c.Send(kDeviceRemoveComplete, "\\\\?\\USB#VID_046D&PID_C31C#5&1#{x}"));
    EXPECT_FALSE(c.Send(kDeviceRemoveComplete, "\\\\?\\USB#VID_0001&PID_0001#0002#{x}"));
    EXPECT_FALSE(c.Send(kDeviceRemoveComplete, "\\\\?\\USB#VID_0001&PID_0001#00"))
        << "a name shorter than 30 characters has its zero inside the slice";
    EXPECT_EQ(c.flag, PresenceFlag::kTrue);
}

TEST(DeviceChange, OnlyArrivalAndRemoveCompleteOfInterfacesCount) {
    Change c;
    const std::string name = "\\\\?\\USB#VID_0001&PID_0001#0001#{x}";
    EXPECT_FALSE(c.Send(0x8001, name));  // query remove
    EXPECT_FALSE(c.Send(0x8003, name));  // remove pending
    EXPECT_FALSE(c.Send(0x0007, name));  // node change
    EXPECT_EQ(c.flag, PresenceFlag::kFalse);

    auto record = BuildInterfaceRecord(name);
    record[4] = 2;  // a volume, not an interface
    c.copies.BroadcastInterface.fill(0x55);
    EXPECT_FALSE(HandleDeviceChange(c.copies, kDeviceArrival, record.data(), record.size(),
                                    ControllerIdentity::kMatchKey, c.flag));
    EXPECT_EQ(c.copies.BroadcastHeader[4], 2) << "the header is copied";
    EXPECT_EQ(c.copies.BroadcastInterface[0], 0x55) << "the interface copy is not";
    EXPECT_EQ(c.flag, PresenceFlag::kFalse);
}

TEST(DeviceChange, CopyFollowsTheSizeFieldAndKeepsOlderBytes) {
    Change c;
    c.Send(kDeviceArrival, "\\\\?\\USB#VID_0001&PID_0001#0001#{a5dcbf10-6530}");
    EXPECT_EQ(c.flag, PresenceFlag::kTrue);
    // A record whose size covers only up to name character 12: the rest of the old name
    // stays in the copy, so the slice still reads the controller's key.
    auto record = BuildInterfaceRecord("\\\\?\\USB#VID_9999&PID_9999#9999#{x}");
    record[0] = 28 + 12;
    EXPECT_TRUE(HandleDeviceChange(c.copies, kDeviceRemoveComplete, record.data(), record.size(),
                                   ControllerIdentity::kMatchKey, c.flag));
    EXPECT_EQ(c.flag, PresenceFlag::kFalse);
    EXPECT_EQ(c.copies.BroadcastInterface[28 + 8], 'V');
    EXPECT_EQ(c.copies.BroadcastInterface[28 + 12], '0');
}

TEST(DeviceChange, OversizeRecordsAreCutAndShortBuffersAreNotOverread) {
    Change c;
    std::vector<std::uint8_t> big(600, 'x');
    auto record = BuildInterfaceRecord("\\\\?\\USB#VID_0001&PID_0001#0001#{x}");
    std::copy(record.begin(), record.end(), big.begin());
    big[0] = 0x58;  // size 600
    big[1] = 0x02;
    EXPECT_TRUE(HandleDeviceChange(c.copies, kDeviceArrival, big.data(), big.size(),
                                   ControllerIdentity::kMatchKey, c.flag));
    EXPECT_EQ(c.flag, PresenceFlag::kTrue);

    // A size field larger than the bytes actually there copies only what is there.
    std::uint8_t shortRecord[40] = {};
    std::copy_n(record.begin(), sizeof shortRecord, shortRecord);
    shortRecord[0] = 0xFF;
    HandleDeviceChange(c.copies, kDeviceRemoveComplete, shortRecord, sizeof shortRecord,
                       ControllerIdentity::kMatchKey, c.flag);
    std::uint8_t tiny[4] = {};
    EXPECT_FALSE(HandleDeviceChange(c.copies, kDeviceArrival, tiny, sizeof tiny,
                                    ControllerIdentity::kMatchKey, c.flag));
}

#ifndef _WIN32  // the udev monitor is Linux's source of these records
TEST(DeviceChange, UdevHidEventsBecomeUsbInterfaceNames) {
    EXPECT_EQ(InterfaceNameFromHidEvent("0003:00000001:00000001", "0001").value(),
              "\\\\?\\USB#VID_0001&PID_0001#0001#{a5dcbf10-6530-11d2-901f-00c04fb951ed}");
    EXPECT_EQ(InterfaceNameFromHidEvent("0003:0000046D:0000C31C", "").value().substr(0, 27),
              "\\\\?\\USB#VID_046D&PID_C31C##");
    EXPECT_FALSE(InterfaceNameFromHidEvent("garbage", "0001").has_value());
    EXPECT_FALSE(InterfaceNameFromHidEvent("0003:zz:0001", "0001").has_value());
    // A number with anything after it (a version "0200 " or "02x0") is not read as one.
    std::uint32_t value = 0;
    EXPECT_TRUE(ParseHexNumber("0200", value) && value == 0x200);
    EXPECT_FALSE(ParseHexNumber("0200 ", value));
    EXPECT_FALSE(ParseHexNumber("02x0", value));
    EXPECT_FALSE(ParseHexNumber("", value));
    EXPECT_FALSE(InterfaceNameFromHidEvent("0003:00000001:00000001x", "0001").has_value());

    Change c;
    EXPECT_TRUE(
        c.Send(kDeviceArrival, *InterfaceNameFromHidEvent("0003:00000001:00000001", "0001")));
    EXPECT_EQ(c.flag, PresenceFlag::kTrue);
}
#endif

#ifndef _WIN32
// Which uevents become arrivals and removals: the hidraw node's add (named by its parent
// hid device), the hid device's unbind and remove; nothing else, and only for USB.
TEST(DeviceChange, UeventsMapToArrivalsAndRemovalsOfUsbInterfacesOnly) {
    const std::string_view usb = "0003:00000001:00000001";
    struct Case {
        std::string_view action, subsystem, hidId;
        std::optional<std::uint32_t> event;
    };
    const Case cases[] = {
        {"add", "hidraw", usb, kDeviceArrival},
        {"add", "hid", usb, std::nullopt},  // its node may not be ready for this user yet
        {"bind", "hid", usb, std::nullopt},
        {"change", "hidraw", usb, std::nullopt},
        {"unbind", "hid", usb, kDeviceRemoveComplete},
        {"remove", "hid", usb, kDeviceRemoveComplete},
        {"remove", "hidraw", usb, std::nullopt},                    // carries no IDs
        {"add", "hidraw", "0005:00000001:00000001", std::nullopt},  // Bluetooth
        {"add", "hidraw", "0018:00000001:00000001", std::nullopt},  // I2C
        {"remove", "hid", "0005:00000001:00000001", std::nullopt},
        {"add", "hidraw", "", std::nullopt},
    };
    for (const Case& c : cases) {
        const auto mapped = MapUevent({c.action, c.subsystem, c.hidId, "0001"});
        ASSERT_EQ(mapped.has_value(), c.event.has_value())
            << c.action << " " << c.subsystem << " " << c.hidId;
        if (mapped) {
            EXPECT_EQ(mapped->event, *c.event);
        }
    }
    // IDs are not cut to 16 bits: 0x10001 is not 0x0001.
    const auto wide = MapUevent({"add", "hidraw", "0003:00010001:00000001", "0001"});
    ASSERT_TRUE(wide.has_value());
    Change c;
    EXPECT_FALSE(c.Send(kDeviceArrival, wide->name));
    EXPECT_EQ(c.flag, PresenceFlag::kFalse);
    EXPECT_TRUE(c.Send(kDeviceArrival, MapUevent({"add", "hidraw", usb, "0001"})->name));
    EXPECT_EQ(c.flag, PresenceFlag::kTrue);
    EXPECT_TRUE(c.Send(kDeviceRemoveComplete, MapUevent({"unbind", "hid", usb, "0001"})->name));
    EXPECT_EQ(c.flag, PresenceFlag::kFalse);
}
#endif

TEST(DeviceChange, ANameEndsTheSliceAtItsThirtiethCharacter) {
    Change c;
    EXPECT_TRUE(c.Send(kDeviceArrival, "\\\\?\\USB#VID_0001&PID_0001#0001"));  // 30
    EXPECT_EQ(c.flag, PresenceFlag::kTrue);
    Change shorter;
    EXPECT_FALSE(shorter.Send(kDeviceArrival, "\\\\?\\USB#VID_0001&PID_0001#000"));  // 29
    EXPECT_EQ(shorter.flag, PresenceFlag::kFalse);
}
