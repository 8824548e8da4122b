// The least a program can do to read the controller's set through hidapi: open the node,
// send GetConfig, read until the configuration reply. The yardstick vt350ctl read is
// measured against (bench/kernel_read.sh).
//   vt350-bench-least /dev/hidrawN
#include <hidapi.h>

#include <cstdio>

#include "protocol/command_report.h"

int main(int argc, char* argv[]) {
    if (argc != 2) return 2;
    hid_device* device = hid_open_path(argv[1]);
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
            return 0;
        }
    }
    return 4;
}
