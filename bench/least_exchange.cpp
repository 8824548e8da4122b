// The least a program can do to read the controller's set through hidapi: find it among the
// system's HID devices, open it, send GetConfig, read until the configuration reply, close.
// The yardstick vt350ctl read is measured against (bench/kernel_read.sh): any program must
// enumerate, since a node's number changes with every plug-in.
//   vt350-bench-least
#include <hidapi.h>

#include <cstdio>
#include <string>

#include "hid/controller_identity.h"
#include "protocol/command_report.h"

int main() {
    hid_device_info* found =
        hid_enumerate(ControllerIdentity::kVendorId, ControllerIdentity::kProductId);
    if (found == nullptr) return 3;
    const std::string path = found->path;
    hid_free_enumeration(found);
    hid_device* device = hid_open_path(path.c_str());
    if (device == nullptr) return 3;
    CommandReport request;
    request.BuildBareCommand(CommandReport::kGetConfig);
    if (hid_write(device, request.data(), CommandReport::kSize) < 0) return 3;
    unsigned char reply[18];
    for (int i = 0; i < 64; ++i) {
        const int n = hid_read_timeout(device, reply, sizeof reply, 2000);
        if (n <= 0) return 4;
        if (reply[0] == 1) {  // the configuration reply
            hid_close(device);
            hid_exit();
            return 0;
        }
    }
    return 4;
}
