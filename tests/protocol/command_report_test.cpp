#include "protocol/command_report.h"

#include <gtest/gtest.h>

using Bytes = std::array<std::uint8_t, 15>;

TEST(CommandReport, AllZeroRecordStoreReport) {
    CommandReport report;
    report.BuildStoreReport(ConfigRecord{});
    EXPECT_EQ(report.Bytes(), (Bytes{0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0}));
}

TEST(CommandReport, StoreReportCheckBytesCoverTheirSpans) {
    ConfigRecord r;
    const std::uint8_t values[15] = {30, 50, 176, 220, 30, 1, 1, 1, 0x81, 0, 128, 9, 9, 9, 9};
    r.ReplaceAll(values);
    CommandReport report;
    report.BuildStoreReport(r);
    // byte 13 = 1^30^50^176^220^30, byte 14 = 1^1^1^0x81^0^128
    EXPECT_EQ(report.Bytes(), (Bytes{0, 1, 30, 50, 176, 220, 30, 1, 1, 1, 0x81, 0, 128,
                                     static_cast<std::uint8_t>(1 ^ 30 ^ 50 ^ 176 ^ 220 ^ 30),
                                     static_cast<std::uint8_t>(1 ^ 1 ^ 1 ^ 0x81 ^ 0 ^ 128)}));
}

TEST(CommandReport, BareCommandsCarryTheLastStoreReportsTail) {
    CommandReport report;
    report.BuildBareCommand(CommandReport::kConnect);
    EXPECT_EQ(report.Bytes(), (Bytes{0, 2, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));

    ConfigRecord r;
    for (std::size_t i = 0; i < 15; ++i) r.Set(i, static_cast<std::uint8_t>(i + 1));
    report.BuildStoreReport(r);
    const Bytes store = report.Bytes();
    report.BuildBareCommand(CommandReport::kGetConfig);
    Bytes expected = store;
    expected[1] = 2;
    expected[2] = 4;
    expected[3] = 4;
    EXPECT_EQ(report.Bytes(), expected);
    EXPECT_EQ(report.Bytes()[0], 0);
}
