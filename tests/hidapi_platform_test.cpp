#include "hid/hidapi_platform.h"

#include <gtest/gtest.h>

// The real platform on this machine, which has no controller.
TEST(HidapiPlatform, EnumeratesWithoutError) {
    HidapiPlatform platform;
    std::vector<HidInterfaceInfo> interfaces;
    EXPECT_TRUE(platform.Enumerate(interfaces));
    for (const auto& i : interfaces) EXPECT_FALSE(i.path.empty());
}

TEST(HidapiPlatform, MissingPathFailsCleanly) {
    HidapiPlatform platform;
    EXPECT_EQ(platform.OpenQuery("/dev/hidraw-none"), kInvalidHandle);
    EXPECT_EQ(platform.OpenRead("/dev/hidraw-none"), kInvalidHandle);
    EXPECT_EQ(platform.OpenWrite("/dev/hidraw-none"), kInvalidHandle);
    std::uint8_t buffer[19] = {};
    EXPECT_EQ(platform.Read(kInvalidHandle, buffer, 1), ReadStatus::kFailed);
    EXPECT_FALSE(platform.Write(3, buffer));
    platform.Close(kInvalidHandle);
}
