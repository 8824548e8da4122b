#pragma once

#include <string>

// The local time now, formatted by strftime's `format`.
std::string LocalTimeText(const char* format);
