#include "config/config_record.h"

#include <gtest/gtest.h>

#include "config/parameter_table.h"

TEST(ConfigRecord, StartsAllZero) {
    ConfigRecord r;
    for (std::size_t i = 0; i < ConfigRecord::kSize; ++i) EXPECT_EQ(r.Get(i), 0) << i;
}

TEST(ConfigRecord, BitEditsOfByte8CarryTheOtherBits) {
    // Byte 8: bit 0 is the phase angle, bit 7 the motor type; the other bits are carried.
    const ParameterRow& phase = Parameter(ParameterId::kPhaseAngle);
    const ParameterRow& type = Parameter(ParameterId::kMotorType);
    ConfigRecord r;
    r.Set(8, 0x7E);  // bits 1 to 6 set
    StoreChoice(phase, r, 1);
    EXPECT_EQ(r.Get(8), 0x7F);
    StoreChoice(type, r, 1);
    EXPECT_EQ(r.Get(8), 0xFF);
    StoreChoice(phase, r, 0);
    EXPECT_EQ(r.Get(8), 0xFE);
    StoreChoice(type, r, 0);
    EXPECT_EQ(r.Get(8), 0x7E);
}

TEST(ConfigRecord, CopyOutParametersAndReplaceAll) {
    std::uint8_t in[15];
    for (int i = 0; i < 15; ++i) in[i] = static_cast<std::uint8_t>(100 + i);
    ConfigRecord r;
    r.ReplaceAll(in);
    EXPECT_EQ(r.Get(14), 114);
    std::uint8_t out[12];
    std::fill(std::begin(out), std::end(out), 0xAA);
    r.CopyParameters(out);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(out[i], 100 + i);
    EXPECT_EQ(out[11], 0xAA) << "copied past byte 10";
}
