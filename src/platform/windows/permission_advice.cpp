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

const char* SystemHelpNotes() {
    return R"(
History: %APPDATA%\vt350-config\history (demo-history for --demo); a portable copy
(vt350-portable.txt beside vt350ctl.exe) keeps it beside itself.

Permissions: on Windows every user may open the controller; nothing needs installing. It
cannot be opened while another program holds it for itself.)";
}
