#include "platform/virtual/virtual_hid_platform.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "config/os_error.h"
#include "hid/hid_link.h"
#include "protocol/command_report.h"
#include "protocol/response_report.h"
#include "recording_reporter.h"

namespace {

using Wire = std::array<std::uint8_t, 15>;

class VirtualControllerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform.Register([this](std::uint32_t e, const std::uint8_t* r, std::size_t n) {
            link.OnDeviceChange(e, r, n);
        });
        link.ConnectAtStart();
    }
    // Sends the report and reads the answer as the poll would.
    std::vector<std::uint8_t> Exchange(const CommandReport& report) {
        link.WriteOutputReport(report.data(), "Send Command Error");
        ResponseReport input;
        if (link.ReadInputReport(input.data()) != ReadStatus::kReceived) return {};
        return {input.Bytes().begin(), input.Bytes().end()};
    }
    static std::vector<std::uint8_t> Code(std::uint8_t kind, std::uint8_t code) {
        std::vector<std::uint8_t> v(19, 0);
        v[1] = kind;
        v[2] = v[3] = v[4] = code;
        return v;
    }
    VirtualController controller;
    VirtualHidPlatform platform{controller};
    RecordingReporter reporter;
    HidLink link{platform, reporter};
    CommandReport out;
};

}  // namespace

TEST_F(VirtualControllerTest, FullExchangeWithExactBytes) {
    ASSERT_TRUE(link.present());
    out.BuildBareCommand(CommandReport::kConnect);
    EXPECT_EQ(Exchange(out), Code(2, 33));
    EXPECT_EQ(controller.received.back(), (Wire{0, 2, 1, 1}));

    out.BuildBareCommand(CommandReport::kGetConfig);
    std::vector<std::uint8_t> reply = Exchange(out);
    ASSERT_EQ(reply.size(), 19u);
    const std::vector<std::uint8_t> factory = {0, 1, 15, 30,  135, 110, 25, 1, 0,
                                               0, 1, 0,  128, 0,   0,   0,  0};
    EXPECT_TRUE(std::equal(factory.begin(), factory.end(), reply.begin()));
    EXPECT_EQ(reply[17], 1 ^ 15 ^ 30 ^ 135 ^ 110 ^ 25 ^ 1 ^ 0);
    EXPECT_EQ(reply[18], 0 ^ 1 ^ 0 ^ 128);

    ConfigRecord edited = VirtualController::FactoryRecord();
    edited.Set(0, 20);
    edited.Set(14, 99);  // reserved: not part of the store report
    out.BuildStoreReport(edited);
    EXPECT_EQ(Exchange(out), Code(2, 36));
    EXPECT_EQ(controller.received.back(),
              (Wire{0, 1, 20, 30, 135, 110, 25, 1, 0, 0, 1, 0, 128,
                    static_cast<std::uint8_t>(1 ^ 20 ^ 30 ^ 135 ^ 110 ^ 25),
                    static_cast<std::uint8_t>(1 ^ 0 ^ 0 ^ 1 ^ 0 ^ 128)}));
    EXPECT_EQ(controller.stored.Get(0), 20);
    EXPECT_EQ(controller.stored.Get(14), 0);

    out.BuildBareCommand(CommandReport::kFactoryReset);
    EXPECT_EQ(Exchange(out), Code(2, 35));
    // The bare command carries the store report's bytes 4 to 14.
    EXPECT_EQ(controller.received.back()[4], 135);
    EXPECT_EQ(controller.stored, VirtualController::FactoryRecord());

    out.BuildBareCommand(CommandReport::kDisconnect);
    EXPECT_EQ(Exchange(out), Code(2, 34));
}

TEST_F(VirtualControllerTest, BadStoreCheckBytesAndErrorRepliesGiveErrors) {
    std::uint8_t bad[15] = {0, 1, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 0, 0};
    link.WriteOutputReport(bad, "Send Data Error");
    ResponseReport input;
    ASSERT_EQ(link.ReadInputReport(input.data()), ReadStatus::kReceived);
    EXPECT_EQ(input[1], 3);
    EXPECT_EQ(input[2], 49);
    EXPECT_EQ(controller.stored, VirtualController::FactoryRecord());

    controller.behaviour.errorReplies = true;
    out.BuildBareCommand(CommandReport::kGetConfig);
    EXPECT_EQ(Exchange(out), Code(3, 50));
}

TEST_F(VirtualControllerTest, MisbehaviourIsVisibleThroughTheLink) {
    controller.behaviour.lateBy = 2;
    out.BuildBareCommand(CommandReport::kConnect);
    EXPECT_TRUE(Exchange(out).empty());
    ResponseReport input;
    EXPECT_EQ(link.ReadInputReport(input.data()), ReadStatus::kTimedOut);
    EXPECT_EQ(link.ReadInputReport(input.data()), ReadStatus::kReceived);

    controller.behaviour = {};
    controller.behaviour.badCheckBytes = true;
    out.BuildBareCommand(CommandReport::kGetConfig);
    auto reply = Exchange(out);
    ResponseReport r;
    std::copy(reply.begin(), reply.end(), r.data());
    EXPECT_TRUE(Decode(r).empty());

    controller.behaviour = {};
    controller.behaviour.silent = true;
    EXPECT_TRUE(Exchange(out).empty());

    controller.behaviour = {};
    controller.behaviour.failWrites = true;
    EXPECT_TRUE(Exchange(out).empty());
    EXPECT_EQ(reporter.messages.size(), 1u);

    controller.behaviour = {};
    controller.behaviour.flood = true;
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(link.ReadInputReport(input.data()), ReadStatus::kReceived);
}

TEST_F(VirtualControllerTest, UnplugAndPlugDriveTheFlagAndTheHandles) {
    ASSERT_NE(link.readHandle(), -1);
    platform.Unplug();
    EXPECT_FALSE(link.present());
    out.BuildBareCommand(CommandReport::kConnect);
    link.WriteOutputReport(out.data(), "Send Command Error");
    EXPECT_TRUE(controller.received.empty());
    link.MaintainDeviceLink();
    EXPECT_EQ(link.readHandle(), -1);
    EXPECT_EQ(platform.openHandles(), 0);

    platform.Plug();
    EXPECT_TRUE(link.present());
    link.MaintainDeviceLink();
    EXPECT_NE(link.readHandle(), -1);
    EXPECT_NE(link.writeHandle(), -1);
}

TEST_F(VirtualControllerTest, RefusedOpensAreReportedOnce) {
    link.CloseDeviceHandles();
    controller.behaviour.refuseOpens = true;
    platform.Unplug();
    platform.Plug();
    link.MaintainDeviceLink();
    link.MaintainDeviceLink();
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0], "Could not open HID device\r\nErrorcode = [" +
                                        std::to_string(SystemErrorCode(EACCES)) + "]\r\n");
}
