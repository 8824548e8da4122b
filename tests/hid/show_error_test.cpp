#include "hid/show_error.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <cerrno>

#include "recording_reporter.h"

TEST(ShowError, FormatsMessageAndSignedCode) {
    EXPECT_EQ(ErrorText("Send Data Error", 5), "Send Data Error\r\nErrorcode = [5]\r\n");
    EXPECT_EQ(ErrorText("x", -2147483647 - 1), "x\r\nErrorcode = [-2147483648]\r\n");
}

TEST(ShowError, UsesTheLastOperatingSystemError) {
    RecordingReporter reporter;
#ifdef _WIN32
    SetLastError(13);
#else
    errno = 13;
#endif
    ShowError(reporter, "Could not open HID device");
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0], "Could not open HID device\r\nErrorcode = [13]\r\n");
}
