#include "protocol/response_report.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

ResponseReport Reply(std::initializer_list<std::uint8_t> head) {
    ResponseReport r;
    std::size_t i = 0;
    for (auto b : head) r[i++] = b;
    return r;
}

ResponseReport Ack(std::uint8_t kind, std::uint8_t code, std::uint8_t c3, std::uint8_t c4) {
    return Reply({0, kind, code, c3, c4});
}

// A readable form of an outcome: "beep 2000/250", "text Connect Success", ...
std::vector<std::string> Describe(const Outcome& o) {
    std::vector<std::string> out;
    for (const Step& s : o) {
        switch (s.kind) {
            case StepKind::kReplaceRecord:
                out.push_back("replace");
                break;
            case StepKind::kRefreshEditors:
                out.push_back("refresh");
                break;
            case StepKind::kStatusText:
                out.push_back(std::string("text ") + s.text);
                break;
            case StepKind::kBeep:
                out.push_back("beep " + std::to_string(s.frequency) + "/" +
                              std::to_string(s.duration));
                break;
            case StepKind::kStopBlinking:
                out.push_back("stop");
                break;
            case StepKind::kStartBlinking:
                out.push_back("blink");
                break;
            case StepKind::kShowStatusLine:
                out.push_back("show");
                break;
        }
    }
    return out;
}

using V = std::vector<std::string>;

}  // namespace

TEST(DecodeConfigReply, AllZeroRecordIsValidWithKindInByte17) {
    ResponseReport r = Reply({0, 1});
    r[17] = 1;
    EXPECT_EQ(Describe(Decode(r)),
              (V{"replace", "refresh", "text GetConfig Success", "beep 3900/150", "stop", "show"}));
}

TEST(DecodeConfigReply, SealedReplyIsValidAndABadCheckByteDropsIt) {
    ResponseReport r = Reply({0, 1, 30, 50, 176, 220, 30, 1, 1, 1, 0x81, 0, 128, 1, 2, 3, 4});
    SealConfigReply(r);
    ResponseReport copy = r;
    EXPECT_EQ(Decode(copy).count, 6u);
    // The check folds in place: a valid reply ends with both check bytes 0.
    EXPECT_EQ(copy[17], 0);
    EXPECT_EQ(copy[18], 0);
    EXPECT_EQ(copy[2], 30) << "record bytes must survive the check";

    ResponseReport bad17 = r;
    bad17[17] ^= 0x10;
    EXPECT_TRUE(Decode(bad17).empty());
    ResponseReport bad18 = r;
    bad18[18] ^= 0x01;
    EXPECT_TRUE(Decode(bad18).empty());
    ResponseReport badRecord = r;
    badRecord[16] ^= 0x40;  // a reserved byte is covered by byte 18
    EXPECT_TRUE(Decode(badRecord).empty());
}

TEST(DecodeAcknowledgement, EachCodeInItsOwnOrder) {
    auto decode = [](std::uint8_t code) {
        ResponseReport r = Ack(2, code, code, code);
        return Describe(Decode(r));
    };
    EXPECT_EQ(decode(33), (V{"beep 2000/250", "text Connect Success", "stop", "show"}));
    EXPECT_EQ(decode(34), (V{"text Disconnect Success", "beep 3900/150", "stop", "show"}));
    EXPECT_EQ(decode(35), (V{"text Restore Success", "beep 3900/150", "stop", "show"}));
    EXPECT_EQ(decode(36), (V{"text Load Success", "beep 3900/150", "stop", "show"}));
    EXPECT_EQ(decode(77), (V{"stop", "show"}));
}

TEST(DecodeError, EachCodeInItsOwnOrder) {
    auto decode = [](std::uint8_t code) {
        ResponseReport r = Ack(3, code, code, code);
        return Describe(Decode(r));
    };
    EXPECT_EQ(decode(49), (V{"beep 3000/200", "text Load Error", "blink"}));
    EXPECT_EQ(decode(50), (V{"text GetConfig Error", "beep 3000/200", "blink"}));
    EXPECT_EQ(decode(1), (V{"blink"}));
}

TEST(DecodeAcknowledgement, CheckIsTwiceTheCodeAsASum) {
    ResponseReport split = Ack(2, 36, 30, 42);  // 30 + 42 = 72
    EXPECT_EQ(Describe(Decode(split))[0], "text Load Success");
    ResponseReport off = Ack(2, 36, 36, 35);
    EXPECT_TRUE(Decode(off).empty());
    // 2 x 200 = 400 = 200 + 200, but byte sums above 255 lie outside the check: dropped.
    ResponseReport big = Ack(2, 200, 200, 200);
    EXPECT_TRUE(Decode(big).empty());
    ResponseReport bigError = Ack(3, 128, 128, 128);
    EXPECT_TRUE(Decode(bigError).empty());
    // Code 0 with zero check bytes is a valid acknowledgement of an unknown code.
    ResponseReport zero = Ack(2, 0, 0, 0);
    EXPECT_EQ(Describe(Decode(zero)), (V{"stop", "show"}));
}

TEST(Decode, ForeignReportsGiveNothing) {
    ResponseReport id1 = Ack(2, 33, 33, 33);
    id1[0] = 1;
    EXPECT_TRUE(Decode(id1).empty());
    ResponseReport kind0 = Ack(0, 0, 0, 0);
    EXPECT_TRUE(Decode(kind0).empty());
    ResponseReport kind4 = Ack(4, 33, 33, 33);
    EXPECT_TRUE(Decode(kind4).empty());
}
