#include "platform/permission_advice.h"

#include <cerrno>
#include <cstring>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

namespace {

const char* const kRuleFolders[] = {"/etc/udev/rules.d", "/usr/lib/udev/rules.d",
                                    "/lib/udev/rules.d", "/run/udev/rules.d"};
const char* const kRuleName = "70-vt350.rules";

}  // namespace

std::string PermissionAdvice(const PermissionFacts& f, const std::string& path) {
    std::string out = std::string("cannot be opened (") + std::strerror(f.error) + "); ";
    if (f.error == ENOENT || f.error == ENODEV) {
        return out + "its device node " + path +
               " is missing: plug the controller in again, or check the cable";
    }
    if (f.error != EACCES && f.error != EPERM) {
        return out + "another program may hold it, or the system refused it";
    }
    if (!f.ruleInstalled) {
        return out + "no udev rule for it is installed: install " + kRuleName +
               " in /etc/udev/rules.d (the package puts it in /usr/lib/udev/rules.d), run "
               "\"udevadm control --reload && udevadm trigger\" and plug the controller in "
               "again";
    }
    if (f.nodeGroup != f.ruleGroup) {
        return out + "the udev rule " + kRuleName + " is installed but was not applied to " + path +
               ": run \"udevadm control --reload && udevadm trigger\" or plug the "
               "controller in again";
    }
    return out + "the udev rule " + kRuleName +
           " gives it to the user at the seat and to the "
           "group " +
           f.ruleGroup +
           ", and you are neither (a remote or headless login): "
           "run \"sudo adduser $USER " +
           f.ruleGroup + "\" and log in again";
}

PermissionFacts GatherPermissionFacts(int error, const std::string& path) {
    PermissionFacts f;
    f.error = error;
    for (const char* folder : kRuleFolders) {
        if (access((std::string(folder) + "/" + kRuleName).c_str(), F_OK) == 0) {
            f.ruleInstalled = true;
        }
    }
    struct stat st = {};
    f.nodeExists = stat(path.c_str(), &st) == 0;
    if (!f.nodeExists) return f;
    if (const group* g = getgrgid(st.st_gid)) f.nodeGroup = g->gr_name;
    std::vector<gid_t> groups(static_cast<std::size_t>(getgroups(0, nullptr)) + 1);
    const int n = getgroups(static_cast<int>(groups.size()), groups.data());
    f.userInNodeGroup = getegid() == st.st_gid;
    for (int i = 0; i < n; ++i)
        f.userInNodeGroup |= groups[static_cast<std::size_t>(i)] == st.st_gid;
    return f;
}

const char* SystemHelpNotes() {
    return R"(
History: $XDG_DATA_HOME/vt350-config/history (~/.local/share/...; demo-history for
--demo); a portable copy (vt350-portable.txt beside vt350ctl) keeps it beside itself.

Permissions: on Linux the udev rule 70-vt350.rules (installed in /usr/lib/udev/rules.d)
gives the controller's /dev/hidraw node to the user at the seat and to the group plugdev;
for SSH and scripts without a desktop login, join it: "sudo adduser $USER plugdev".)";
}
