#include "config/file_names.h"

#include <fcntl.h>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#ifdef _WIN32
std::wstring WideFromUtf8(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}

std::string Utf8FromWide(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), n,
                        nullptr, nullptr);
    return utf8;
}
#endif

std::filesystem::path PathFromUtf8(const std::string& utf8) {
#ifdef _WIN32
    return std::filesystem::path(WideFromUtf8(utf8));
#else
    return std::filesystem::path(utf8);
#endif
}

std::string Utf8FromPath(const std::filesystem::path& path) {
#ifdef _WIN32
    return Utf8FromWide(path.wstring());
#else
    return path.string();
#endif
}

std::FILE* OpenFileUtf8(const std::string& path, const char* mode) {
#ifdef _WIN32
    const std::string m(mode);
    return _wfopen(WideFromUtf8(path).c_str(), std::wstring(m.begin(), m.end()).c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

int OpenFdUtf8(const std::string& path, int flags, int mode) {
#ifdef _WIN32
    return _wopen(WideFromUtf8(path).c_str(), flags | _O_BINARY, mode);
#else
    return ::open(path.c_str(), flags | O_CLOEXEC, mode);
#endif
}

bool WritableUtf8(const std::string& path) {
#ifdef _WIN32
    return _waccess(WideFromUtf8(path).c_str(), 2) == 0;
#else
    return ::access(path.c_str(), W_OK) == 0;
#endif
}
