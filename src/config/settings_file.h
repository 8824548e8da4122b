#pragma once

#include <string>

// The bench's settings file: one "key = value" a line; blank lines and lines starting with
// '#' say nothing. The value of `key` in `text` (the last one where it stands twice), with the
// spaces around it dropped; "" where it is not set.
std::string SettingIn(const std::string& text, const std::string& key);
