#include "platform/host_name.h"

#include <unistd.h>

std::string HostName() {
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) return "";
    return name;
}
