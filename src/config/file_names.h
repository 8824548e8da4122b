#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

// File names are UTF-8 text throughout the program. On Windows they are opened by their
// wide (UTF-16) names, so that a folder named "Werkstatt Müller" or "工坊" works; elsewhere
// the UTF-8 bytes are the name.

std::filesystem::path PathFromUtf8(const std::string& utf8);
std::string Utf8FromPath(const std::filesystem::path& path);
// A name in a folder, joined with the system's own separator (a backslash on Windows), so
// that a path shown to the user does not mix two kinds.
std::string JoinPath(const std::string& folder, const std::string& name);

std::FILE* OpenFileUtf8(const std::string& path, const char* mode);
// open(2) with the same flags, by the file's wide name on Windows.
int OpenFdUtf8(const std::string& path, int flags, int mode = 0);
// Whether the current user may write the file or folder.
bool WritableUtf8(const std::string& path);
