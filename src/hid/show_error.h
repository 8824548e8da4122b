#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "config/os_error.h"

// Every error the tool reports goes through one modal box titled "Message" with the
// stop icon. The box itself is behind this seam: a Qt message box in the window, a
// recorder in the tests, standard error in the command-line program.
class ErrorReporter {
  public:
    virtual ~ErrorReporter() = default;
    // Shows `text` (already formatted) and returns when the user has closed the box.
    virtual void ShowErrorBox(const std::string& text) = 0;
};

// The message, CR LF, "Errorcode = [", the code in signed decimal, "]", CR LF.
std::string ErrorText(std::string_view message, std::int32_t code);

void ShowError(ErrorReporter& reporter, std::string_view message);
void ShowError(ErrorReporter& reporter, std::string_view message, std::int32_t code);
