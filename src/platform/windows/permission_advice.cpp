#include "platform/permission_advice.h"

#include "config/os_error.h"

// Windows has no rule to install: every user may open a HID device that no other program
// holds exclusively.
std::string PermissionAdvice(const PermissionFacts& f, const std::string&) {
    return "cannot be opened (" + SystemErrorText(f.error) + "); another program may hold it";
}

PermissionFacts GatherPermissionFacts(int error, const std::string&) {
    PermissionFacts f;
    f.error = error;
    return f;
}
