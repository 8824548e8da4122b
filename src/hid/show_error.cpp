#include "hid/show_error.h"

#include <cerrno>

#ifdef _WIN32
#include <windows.h>
#endif

std::int32_t LastOsError() {
#ifdef _WIN32
    return static_cast<std::int32_t>(GetLastError());
#else
    return errno;
#endif
}

std::string ErrorText(std::string_view message, std::int32_t code) {
    std::string text(message);
    text += "\r\nErrorcode = [";
    text += std::to_string(code);
    text += "]\r\n";
    return text;
}

void ShowError(ErrorReporter& reporter, std::string_view message) {
    ShowError(reporter, message, LastOsError());
}

void ShowError(ErrorReporter& reporter, std::string_view message, std::int32_t code) {
    reporter.ShowErrorBox(ErrorText(message, code));
}
