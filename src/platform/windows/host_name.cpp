#include "platform/host_name.h"

#include <windows.h>

#include "config/wide_names.h"

std::string HostName() {
    wchar_t name[256] = {};
    DWORD size = 255;
    if (!GetComputerNameExW(ComputerNameDnsHostname, name, &size)) return "";
    return Utf8FromWide(std::wstring(name, size));
}
