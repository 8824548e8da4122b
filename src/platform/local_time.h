#pragma once

#include <ctime>
#include <string>

// The local time now, or at `t`, formatted by strftime's `format`.
std::string LocalTimeText(const char* format);
std::string LocalTimeText(std::time_t t, const char* format);
