#include "platform/linux/hidapi_platform.h"

#include "hid/device_text.h"
#include "hid/report_descriptor.h"
#include "platform/linux/udev_hid_enumeration.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "test_support.h"

// The real platform on this machine, which has no controller.
TEST(HidapiPlatform, EnumeratesWithoutError) {
    HidapiPlatform platform;
    std::vector<HidInterfaceInfo> interfaces;
    EXPECT_TRUE(platform.Enumerate(interfaces));
    for (const auto& i : interfaces) EXPECT_FALSE(i.path.empty());
}

TEST(HidapiPlatform, MissingPathFailsCleanly) {
    HidapiPlatform platform;
    // The refusal's reason comes back with it, whatever happened to errno since.
    for (const HidOpenResult& open :
         {platform.OpenQuery("/dev/hidraw-none"), platform.OpenRead("/dev/hidraw-none"),
          platform.OpenWrite("/dev/hidraw-none")}) {
        EXPECT_EQ(open.handle, kInvalidHandle);
        EXPECT_EQ(open.error, ENOENT);
    }
    std::uint8_t buffer[19] = {};
    EXPECT_EQ(platform.Read(kInvalidHandle, buffer, 1), ReadStatus::kFailed);
    EXPECT_EQ(platform.Write(3, buffer), EBADF);
    platform.Close(kInvalidHandle);
}

// The search reads the usage page from the descriptor itself, as the kernel hands it over.
TEST(HidapiPlatform, TopLevelUsagePageOfReportDescriptors) {
    using Bytes = std::vector<std::uint8_t>;
    const auto page = [](const Bytes& d) { return TopLevelUsagePage(d); };
    // The controller's: Generic Desktop, no report IDs.
    EXPECT_EQ(page({0x05, 0x01, 0x09, 0x00, 0xA1, 0x01, 0x15, 0x00, 0x26, 0xFF, 0x00, 0xC0}),
              0x0001);
    // A vendor page in two bytes; a long item and a later page change before the collection.
    EXPECT_EQ(page({0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0xC0}), 0xFF00);
    EXPECT_EQ(page({0x05, 0x0C, 0xFE, 0x02, 0x10, 0xAA, 0xBB, 0x05, 0x01, 0xA1, 0x01}), 0x0001);
    // The first collection decides, not a page inside it.
    EXPECT_EQ(page({0x05, 0x0C, 0xA1, 0x01, 0x05, 0x01, 0xA1, 0x00, 0xC0, 0xC0}), 0x000C);
    // Broken off inside an item, or no collection at all: unknown, never a guess.
    EXPECT_EQ(page({0x06, 0x00}), std::nullopt);
    EXPECT_EQ(page({0x05, 0x01, 0xFE}), std::nullopt);
    EXPECT_EQ(page({0x05, 0x01, 0x09, 0x00}), std::nullopt);
    EXPECT_EQ(page({}), std::nullopt);
    // Four-byte items (size code 3): a page given in four bytes, and a four-byte item read
    // past whole, not as three.
    EXPECT_EQ(page({0x07, 0x0C, 0x00, 0x00, 0x00, 0xA1, 0x01}), 0x000C);
    EXPECT_EQ(page({0x05, 0x01, 0x27, 0x00, 0x00, 0x00, 0x05, 0xA1, 0x01}), 0x0001);
    EXPECT_EQ(page({0x07, 0x0C, 0x00, 0x00}), std::nullopt);
    // Whatever follows the first collection is not read; a collection with no page before
    // it names none; a long item whose length runs past the end is broken off.
    EXPECT_EQ(page({0x05, 0x01, 0xA1, 0x01, 0xFF, 0xFE, 0xFF}), 0x0001);
    EXPECT_EQ(page({0x09, 0x01, 0xA1, 0x01}), std::nullopt);
    EXPECT_EQ(page({0x05, 0x01, 0xFE, 0x40, 0x10, 0x00, 0xA1, 0x01}), std::nullopt);
}

// The descriptor as the search reads it from sysfs: what cannot be read, or holds no
// collection within the kernel's 4096 bytes, names no page.
TEST(HidapiPlatform, TheDescriptorFileIsReadWithinItsBound) {
    TempDir tmp("vt350-descriptor");
    const std::string file = tmp / "report_descriptor";
    EXPECT_EQ(UsagePageFromFile(file), std::nullopt) << "missing";
    EXPECT_EQ(UsagePageFromFile(tmp.path().string()), std::nullopt) << "a folder";
    const std::string controller("\x05\x01\x09\x00\xA1\x01\xC0", 7);
    PutFileBytes(file, controller + std::string(5000, '\xFF'));
    EXPECT_EQ(UsagePageFromFile(file), 0x0001) << "trailing bytes are not read";
    PutFileBytes(file, std::string(4100, '\x00') + controller);
    EXPECT_EQ(UsagePageFromFile(file), std::nullopt) << "the collection lies past 4096 bytes";
    PutFileBytes(file, "");
    EXPECT_EQ(UsagePageFromFile(file), std::nullopt) << "empty";
}

namespace {

// The facts of a controller's interface on USB port 1-1.3, as udev gives them.
HidrawFacts ControllerFacts() {
    HidrawFacts facts;
    facts.node = "/dev/hidraw3";
    facts.hidId = "0003:00000001:00000001";
    facts.onUsb = true;
    facts.bcdDevice = "0200";
    facts.usbName = "1-1.3";
    facts.usbDevnum = "7";
    facts.hidUniq = "0001";
    facts.usagePage = 0x0001;
    return facts;
}

}  // namespace

// What the search makes of one interface's facts: a USB device without a readable
// bcdDevice, or a descriptor that could not be read, leaves its attributes or its page
// unknown, so that the search's rules for the unknown apply instead of a guessed 0.
TEST(HidapiPlatform, WhatCannotBeReadStaysUnknown) {
    HidrawFacts facts = ControllerFacts();
    HidInterfaceInfo info = InterfaceFromFacts(facts);
    EXPECT_TRUE(info.attributesKnown && info.usagePageKnown);
    EXPECT_EQ(info.versionNumber, 0x0200);
    EXPECT_EQ(info.port, "1-1.3");
    EXPECT_EQ(info.serial, "0001") << "the hid device's, where USB gives none";
    facts.bcdDevice = nullptr;
    EXPECT_FALSE(InterfaceFromFacts(facts).attributesKnown) << "no bcdDevice";
    facts.bcdDevice = "02x0";
    EXPECT_FALSE(InterfaceFromFacts(facts).attributesKnown) << "a bcdDevice that is no number";
    facts.bcdDevice = "0200";
    facts.usagePage.reset();
    info = InterfaceFromFacts(facts);
    EXPECT_TRUE(info.attributesKnown);
    EXPECT_FALSE(info.usagePageKnown) << "a descriptor that could not be read";
}

// A plug-in is the USB device's number within one boot: two facts that differ only in that
// number are two plug-ins (a replug into the same port), and so are the same facts of two
// boots (the bus numbers devices from 1 again).
TEST(HidapiPlatform, APlugInIsTheDevicesNumberWithinOneBoot) {
    HidrawFacts facts = ControllerFacts();
    facts.bootId = "boot-1";
    facts.usbDevnum = "5";
    const std::string first = InterfaceFromFacts(facts).instance;
    EXPECT_EQ(InterfaceFromFacts(facts).instance, first) << "the same plug-in looked at again";
    facts.usbDevnum = "6";
    EXPECT_NE(InterfaceFromFacts(facts).instance, first) << "plugged in anew";
    facts.usbDevnum = "5";
    facts.bootId = "boot-2";
    EXPECT_NE(InterfaceFromFacts(facts).instance, first) << "another boot";
}

// A serial is the device's own text: shown, never obeyed. Escape sequences, C1 controls,
// bidirectional overrides and bytes that are not UTF-8 become visible escapes; letters of
// any script stay.
TEST(HidapiPlatform, ADevicesSerialIsShownNeverObeyed) {
    HidrawFacts facts = ControllerFacts();
    facts.usbSerial = "\x1b[2J\x1b]0;OK\x07";
    EXPECT_EQ(InterfaceFromFacts(facts).serial, "\\x1b[2J\\x1b]0;OK\\x07");
    facts.usbSerial = {};
    facts.hidUniq =
        "ab\x7f\xc2\x9b"
        "c\xe2\x80\xae"
        "d\xff\xc3\xa9\xe2\x82\xac";
    EXPECT_EQ(InterfaceFromFacts(facts).serial, "ab\\x7f\\u009bc\\u202ed\\xff\xc3\xa9\xe2\x82\xac")
        << "DEL, C1 CSI, a right-to-left override, a stray byte; é and € stay";
    EXPECT_EQ(ShownDeviceText("\xe2\x80"), "\\xe2\\x80") << "a cut sequence";
    EXPECT_EQ(ShownDeviceText("\xc0\xaf"), "\\xc0\\xaf") << "an overlong '/'";
}
