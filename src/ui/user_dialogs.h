#pragma once

#include <optional>
#include <string>

#include "hid/show_error.h"

// Everything the window asks of the user, behind one seam: Qt dialogs in the tool,
// scripted answers in the tests.
class UserDialogs : public ErrorReporter {
  public:
    // A box titled "Message" with the information icon, OK and Cancel, OK the default.
    // `details`, when not empty, stands below the question in smaller type (what OK will
    // do). True for OK; closing the box counts as Cancel.
    virtual bool AskOkCancel(const std::string& text, const std::string& details) = 0;
    // A box titled "Message" with the information icon and OK: something worth knowing,
    // nothing to decide.
    virtual void Inform(const std::string& text) = 0;
    // The file dialogs, with the title and the single filter "QKFile(*.qkf)". Nothing when
    // the user cancelled.
    virtual std::optional<std::string> OpenFileName(const std::string& title) = 0;
    virtual std::optional<std::string> SaveFileName(const std::string& title) = 0;
    // A line of text, such as a unit typed or scanned (a scanner types its text and
    // Enter), starting from `current`. Nothing when the user cancelled.
    virtual std::optional<std::string> AskText(const std::string& title, const std::string& label,
                                               const std::string& current) = 0;
};
