#pragma once

#include <cstdint>

// The calling thread's last operating-system error: errno, or GetLastError on Windows.
std::int32_t LastOsError();

// The system's own code for a file error the C runtime reported as `errnoValue`, as the
// system's documentation and messages number it: the errno itself on POSIX, the
// GetLastError code on Windows (EACCES is 5 there, ERROR_ACCESS_DENIED, not 13).
std::int32_t SystemErrorCode(int errnoValue);
