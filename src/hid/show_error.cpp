#include "hid/show_error.h"

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
