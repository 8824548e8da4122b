#pragma once

#include <string>
#include <vector>

#include "hid/show_error.h"

// Stands in for the message box: remembers every text it was asked to show.
class RecordingReporter : public ErrorReporter {
  public:
    void ShowErrorBox(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};
