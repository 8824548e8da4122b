#include "hid/hid_link.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fake_hid_platform.h"
#include "hid/found_controller.h"
#include "recording_reporter.h"

namespace {

class HidLinkTest : public ::testing::Test {
  protected:
    std::string Find() { return link.FindHidDevice(1, 1, 1, 0x0200); }
    bool Called(const std::string& call) const {
        return std::find(fake.calls.begin(), fake.calls.end(), call) != fake.calls.end();
    }
    std::string Message(std::size_t i) const {
        const std::string& m = reporter.messages.at(i);
        return m.substr(0, m.find('\r'));
    }
    // The controller's arrival and removal, as a notification source delivers them.
    void Arrive() { Notify(kDeviceArrival); }
    void Remove() { Notify(kDeviceRemoveComplete); }
    void Notify(std::uint32_t event) {
        const auto record = BuildInterfaceRecord(UsbInterfaceName(1, 1, "0001"));
        link.OnDeviceChange(event, record.data(), record.size());
    }
    FakeHidPlatform fake;
    RecordingReporter reporter;
    HidLink link{fake, reporter};
};

}  // namespace

TEST_F(HidLinkTest, HandlesAreClosedFromTheStart) {
    EXPECT_EQ(link.readHandle(), -1);
    EXPECT_EQ(link.writeHandle(), -1);
    EXPECT_FALSE(link.present());
}

TEST_F(HidLinkTest, NothingPresentGivesEmptyTextAndNoMessage) {
    EXPECT_EQ(Find(), "");
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(HidLinkTest, FirstMatchInEnumerationOrderWinsAndLaterOnesAreNotOpened) {
    fake.interfaces = {FakeHidPlatform::Interface("/kbd", 0x46d, 0xc31c, 0x110, 1),
                       FakeHidPlatform::Controller("/first"),
                       FakeHidPlatform::Controller("/second")};
    EXPECT_EQ(Find(), "/first");
    EXPECT_TRUE(Called("query /kbd"));
    EXPECT_FALSE(Called("query /second"));
    EXPECT_EQ(fake.open, 0) << "every query handle must be closed";
    // A chosen port is that port, not one behind a hub on it whose name starts alike.
    fake.interfaces[1].port = "1-1.3";
    fake.interfaces[2].port = "1-1";
    link.ChoosePort("1-1");
    EXPECT_EQ(Find(), "/second");
    link.ChoosePort("1-1.3");
    EXPECT_EQ(Find(), "/first");
    EXPECT_EQ(InPort(link.FindControllers(), "1-1").size(), 1u);
}

// Between two looks: one left, one came, and one pulled and plugged back into its node.
TEST(PlugInChanges, AReplugAtTheSameNodeIsARemovalAndAnArrival) {
    const FoundController left{"/dev/hidraw1", "1-1", "0001", "boot/4:/dev/hidraw1"};
    const FoundController stays{"/dev/hidraw2", "1-2", "0001", "boot/5:/dev/hidraw2"};
    const FoundController replugged{"/dev/hidraw2", "1-2", "0001", "boot/9:/dev/hidraw2"};
    const FoundController came{"/dev/hidraw3", "1-3", "0001", "boot/6:/dev/hidraw3"};
    const auto changes = PlugInChanges({left, stays}, {replugged, came});
    std::vector<std::string> said;
    for (const auto& [arrival, c] : changes) said.push_back((arrival ? "+" : "-") + c.instance);
    EXPECT_EQ(said, (std::vector<std::string>{"-boot/4:/dev/hidraw1", "-boot/5:/dev/hidraw2",
                                              "+boot/9:/dev/hidraw2", "+boot/6:/dev/hidraw3"}));
    EXPECT_TRUE(PlugInChanges({stays, came}, {came, stays}).empty()) << "found in another order";
}

TEST_F(HidLinkTest, VersionAndUsagePageMustMatch) {
    fake.interfaces = {FakeHidPlatform::Interface("/v201", 1, 1, 0x0201, 1),
                       FakeHidPlatform::Interface("/vendorpage", 1, 1, 0x0200, 0xFF00),
                       FakeHidPlatform::Interface("/otherpid", 1, 2, 0x0200, 1)};
    EXPECT_EQ(Find(), "");
    HidInterfaceInfo noCaps = FakeHidPlatform::Controller("/nocaps");
    noCaps.usagePageKnown = false;
    HidInterfaceInfo noAttributes = FakeHidPlatform::Controller("/noattr");
    noAttributes.attributesKnown = false;
    fake.interfaces = {noCaps, noAttributes};
    EXPECT_EQ(Find(), "");
    EXPECT_TRUE(reporter.messages.empty()) << "failed queries are silent";
}

TEST_F(HidLinkTest, UnopenableInterfaceIsReportedAndTheSearchGoesOn) {
    fake.interfaces = {FakeHidPlatform::Controller("/locked"), FakeHidPlatform::Controller("/ok")};
    fake.refuseQuery = {"/locked"};
    EXPECT_EQ(Find(), "/ok");
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0], "Could not open HID device\r\nErrorcode = [5]\r\n");
}

TEST_F(HidLinkTest, UnreadableNameIsReportedAndSkipped) {
    fake.interfaces = {FakeHidPlatform::Controller(std::string(251, 'p')),
                       FakeHidPlatform::Controller(std::string(250, 'q'))};
    EXPECT_EQ(Find(), std::string(250, 'q'));
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(Message(0), "Could not get the name of this HID device");
    EXPECT_FALSE(Called("query " + std::string(251, 'p')));
}

TEST_F(HidLinkTest, DeviceSetFailureIsReported) {
    fake.enumerateFails = true;
    EXPECT_EQ(Find(), "");
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(Message(0), "Could not attach to PnP node");
}

TEST_F(HidLinkTest, OpenAndCloseTouchOnlyWhatNeedsIt) {
    link.OpenDeviceHandles("/c");
    const HidHandle read = link.readHandle(), write = link.writeHandle();
    EXPECT_NE(read, -1);
    EXPECT_NE(write, -1);
    link.OpenDeviceHandles("/c");
    EXPECT_EQ(link.readHandle(), read);
    EXPECT_EQ(fake.open, 2);
    link.CloseDeviceHandles();
    link.CloseDeviceHandles();
    EXPECT_EQ(link.readHandle(), -1);
    EXPECT_EQ(link.writeHandle(), -1);
    EXPECT_EQ(fake.open, 0);
}

TEST_F(HidLinkTest, MaintainClosesWhileAbsentAndSearchesWhilePresent) {
    fake.interfaces = {FakeHidPlatform::Controller(" /c ")};
    Arrive();
    link.MaintainDeviceLink();
    EXPECT_EQ(link.devicePath(), " /c ") << "the path is kept as the search returned it";
    EXPECT_TRUE(Called("open-read /c")) << "but opened trimmed";
    EXPECT_NE(link.readHandle(), -1);

    fake.calls.clear();
    link.MaintainDeviceLink();
    EXPECT_TRUE(fake.calls.empty()) << "an open link is left alone";

    Remove();
    link.MaintainDeviceLink();
    EXPECT_EQ(link.readHandle(), -1);
    EXPECT_EQ(link.writeHandle(), -1);
    // A removal counts once: one reported again while absent is the same removal.
    EXPECT_EQ(link.removals(), 1);
    Remove();
    EXPECT_EQ(link.removals(), 1);
    // After lost events, the look that finds the controller gone counts its removal.
    Arrive();
    fake.interfaces.clear();
    link.Resynchronise();
    EXPECT_FALSE(link.present());
    EXPECT_EQ(link.removals(), 2);
}

TEST_F(HidLinkTest, PresentButNotFoundSearchesEveryTickAndOpensNothing) {
    Arrive();
    for (int i = 0; i < 3; ++i) link.MaintainDeviceLink();
    EXPECT_EQ(std::count(fake.calls.begin(), fake.calls.end(), "enumerate"), 3);
    EXPECT_EQ(link.devicePath(), "");
    EXPECT_EQ(link.readHandle(), -1);
    EXPECT_TRUE(link.present());
}

TEST_F(HidLinkTest, ReadOpenWriteClosedSendsNothingAndDoesNotReopen) {
    fake.interfaces = {FakeHidPlatform::Controller("/c")};
    fake.refuseWrite = {"/c"};
    Arrive();
    link.MaintainDeviceLink();
    ASSERT_NE(link.readHandle(), -1);
    ASSERT_EQ(link.writeHandle(), -1);
    const std::uint8_t report[15] = {};
    EXPECT_FALSE(link.WriteOutputReport(report, "Send Command Error"));
    fake.calls.clear();
    link.MaintainDeviceLink();
    EXPECT_TRUE(fake.calls.empty());
    EXPECT_TRUE(fake.writes.empty());
    EXPECT_TRUE(reporter.messages.empty());
}

TEST_F(HidLinkTest, WriteNeedsPresenceAndReportsFailure) {
    link.OpenDeviceHandles("/c");
    const std::uint8_t report[15] = {0, 2, 1, 1};
    EXPECT_FALSE(link.WriteOutputReport(report, "Send Command Error"));  // flag False
    EXPECT_TRUE(fake.writes.empty());
    Arrive();
    EXPECT_TRUE(link.WriteOutputReport(report, "Send Command Error"));
    ASSERT_EQ(fake.writes.size(), 1u);
    EXPECT_EQ(fake.writes[0], std::vector<std::uint8_t>(report, report + 15));
    EXPECT_EQ(fake.lastWriteHandle, link.writeHandle());
    fake.failWrites = true;
    EXPECT_FALSE(link.WriteOutputReport(report, "Send Data Error"));
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0], "Send Data Error\r\nErrorcode = [32]\r\n");
}

TEST_F(HidLinkTest, TimedOutReadLeavesTheBufferAlone) {
    link.OpenDeviceHandles("/c");
    std::uint8_t input[19];
    std::fill(std::begin(input), std::end(input), 0xEE);
    EXPECT_EQ(link.ReadInputReport(input), ReadStatus::kTimedOut);
    EXPECT_EQ(fake.lastTimeout, 80);
    EXPECT_TRUE(std::all_of(std::begin(input), std::end(input), [](auto b) { return b == 0xEE; }));
    fake.reads.push_back(std::vector<std::uint8_t>(19, 7));
    EXPECT_EQ(link.ReadInputReport(input), ReadStatus::kReceived);
    EXPECT_EQ(input[18], 7);
}

TEST_F(HidLinkTest, FoundButUnopenableControllerIsReportedOncePerArrival) {
    fake.interfaces = {FakeHidPlatform::Controller("/c")};
    fake.refuseRead = {"/c"};
    link.ConnectAtStart();
    EXPECT_TRUE(link.present());
    for (int i = 0; i < 5; ++i) link.MaintainDeviceLink();
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0], "Could not open HID device\r\nErrorcode = [13]\r\n");

    const auto record = BuildInterfaceRecord(UsbInterfaceName(1, 1, "0001"));
    link.OnDeviceChange(kDeviceRemoveComplete, record.data(), record.size());
    link.OnDeviceChange(kDeviceArrival, record.data(), record.size());
    link.MaintainDeviceLink();
    link.MaintainDeviceLink();
    EXPECT_EQ(reporter.messages.size(), 2u);
}
