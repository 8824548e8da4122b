#include "platform/console_text.h"

#include <windows.h>

#include <cstdio>
#include <iostream>

#include "config/wide_names.h"

Utf8Console::Utf8Console() {
    previous_ = GetConsoleOutputCP();  // 0 without a console
    if (previous_ == 0 || previous_ == CP_UTF8) return;
    SetConsoleOutputCP(CP_UTF8);
    // A character's bytes must reach the console in one write. Windows' C runtime has no
    // line buffering (_IOLBF is full buffering there), so a full buffer large enough for any
    // one output: it goes out when the program flushes (the live commands do at each line)
    // or ends.
    std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
}

Utf8Console::~Utf8Console() {
    std::fflush(stdout);
    if (previous_ != 0 && previous_ != CP_UTF8) SetConsoleOutputCP(previous_);
}

void ShowProgramText(const std::string& text, bool error) {
    const HANDLE given = GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    if (given != nullptr && given != INVALID_HANDLE_VALUE &&
        GetFileType(given) != FILE_TYPE_UNKNOWN) {
        (error ? std::cerr : std::cout) << text << std::flush;
        return;
    }
    std::wstring wide;
    for (wchar_t c : WideFromUtf8(text)) {
        if (c == L'\n') wide += L'\r';
        wide += c;
    }
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        const HANDLE console =
            CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                        OPEN_EXISTING, 0, nullptr);
        if (console != INVALID_HANDLE_VALUE) {
            // The shell has printed its prompt already: start on a line of our own.
            wide.insert(0, L"\r\n");
            DWORD written = 0;
            WriteConsoleW(console, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
            CloseHandle(console);
            FreeConsole();
            return;
        }
        FreeConsole();
    }
    MessageBoxW(nullptr, wide.c_str(), L"vt350-config",
                MB_OK | (error ? MB_ICONERROR : MB_ICONINFORMATION));
}
