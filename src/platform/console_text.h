#pragma once

#include <string>

// Text for a person at a console, on every system.

// While it lives, text written to a console shows as UTF-8: a Windows console otherwise
// reads the program's UTF-8 in its OEM code page ("Â°" for "°"). The console's own code
// page is given back at the end. Nothing to do elsewhere.
class Utf8Console {
  public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

  private:
    unsigned previous_ = 0;
};

// The window program's --help, --version and argument errors. A Windows program with a
// window has no console of its own: the text goes to the standard stream where one was
// given (a redirection), else to the console it was started from, else into a message
// box. Elsewhere it goes to standard output, or standard error for an error.
void ShowProgramText(const std::string& text, bool error);
