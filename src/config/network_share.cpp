#include "config/network_share.h"

#include "config/file_system.h"

NetworkFileSystemProbe& NetworkProbe() {
    static NetworkFileSystemProbe probe = &file_system::NetworkFileSystemOf;
    return probe;
}

std::string NetworkShareWarning(const std::string& folder, const std::string& what) {
    return NetworkShareWarning(folder, what, NetworkProbe()(folder));
}

std::string NetworkShareWarning(const std::string& folder, const std::string& what,
                                const std::string& kind) {
    if (kind.empty()) return "";
    return what + " \"" + folder + "\" is on a network file system (" + kind +
           "): programs on other machines that use it can damage it or mix their lines. "
           "Keep it on a local disk of this machine";
}
