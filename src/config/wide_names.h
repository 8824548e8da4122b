#pragma once

#include <string>

// UTF-8 text and Windows' wide (UTF-16) text, both ways. Windows only.
std::wstring WideFromUtf8(const std::string& utf8);
std::string Utf8FromWide(const std::wstring& wide);
