#include "hid/show_error.h"

#include "config/ui_text.h"

std::string ErrorText(std::string_view message, std::int32_t code) {
    // The message is a marked text or one already in the window's language.
    std::string text = UiText("Messages", std::string(message));
    text += "\r\n";
    text += FillText(UiText("Messages", "Errorcode = [%1]"), {std::to_string(code)});
    text += "\r\n";
    return text;
}

void ShowError(ErrorReporter& reporter, std::string_view message) {
    ShowError(reporter, message, LastOsError());
}

void ShowError(ErrorReporter& reporter, std::string_view message, std::int32_t code) {
    reporter.ShowErrorBox(ErrorText(message, code));
}
