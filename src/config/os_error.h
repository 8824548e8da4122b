#pragma once

#include <cstdint>

// The calling thread's last operating-system error: errno, or GetLastError on Windows.
std::int32_t LastOsError();
