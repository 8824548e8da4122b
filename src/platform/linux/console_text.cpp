#include "platform/console_text.h"

#include <iostream>

Utf8Console::Utf8Console() = default;
Utf8Console::~Utf8Console() = default;

void ShowProgramText(const std::string& text, bool error) {
    (error ? std::cerr : std::cout) << text << std::flush;
}
