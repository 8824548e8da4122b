#include "platform/linux/hidapi_platform.h"

#include <gtest/gtest.h>

#include <cerrno>

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
