#pragma once

#include <cstdint>
#include <string>

// The calling thread's last operating-system error: errno, or GetLastError on Windows.
std::int32_t LastOsError();

// The system's own code for a file error the C runtime reported as `errnoValue`, as the
// system's documentation and messages number it: the errno itself on POSIX, the
// GetLastError code on Windows (EACCES is 5 there, ERROR_ACCESS_DENIED, not 13).
std::int32_t SystemErrorCode(int errnoValue);

// The system's own words for an error code as LastOsError gives it: strerror on POSIX;
// on Windows the message Windows has for the GetLastError code, with its number
// ("Access is denied, Windows error 5"), never a C-library text for the same number.
std::string SystemErrorText(std::int32_t code);

// True when an error code as LastOsError gives it says that the system refused access
// (EACCES or EPERM; ERROR_ACCESS_DENIED on Windows).
bool IsAccessRefused(std::int32_t code);
