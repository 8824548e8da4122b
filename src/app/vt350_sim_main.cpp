// vt350-sim: the virtual controller on a USB HID gadget.
//   vt350-sim --hidg /dev/hidg0 [--demo-behaviour LIST]
#include <csignal>
#include <cstdio>
#include <string>

#include "sim/gadget_server.h"

namespace {

void Stop(int) {
    StopServing();
}

}  // namespace

int main(int argc, char* argv[]) {
    std::string path;
    VirtualController controller;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--hidg" && i + 1 < argc) {
            path = argv[++i];
        } else if (a == "--demo-behaviour" && i + 1 < argc) {
            std::string error;
            if (!ParseMisbehaviour(argv[++i], controller.behaviour, error)) {
                std::fprintf(stderr, "vt350-sim: %s\n", error.c_str());
                return 2;
            }
        } else if (a == "--help") {
            std::printf(
                "usage: vt350-sim --hidg /dev/hidg0 [--demo-behaviour LIST]\n"
                "Answers as a VT-350 controller on a USB HID gadget node (a poll is 10 ms).\n"
                "LIST is a comma-separated list of:\n");
            for (const MisbehaviourWord& w : MisbehaviourWords()) {
                std::printf("  %-11s %s\n", w.form, w.meaning);
            }
            return 0;
        } else {
            std::fprintf(stderr, "vt350-sim: unknown argument %s (try --help)\n", a.c_str());
            return 2;
        }
    }
    if (path.empty()) {
        std::fprintf(stderr, "vt350-sim: --hidg PATH is required\n");
        return 2;
    }
    std::signal(SIGTERM, Stop);
    std::signal(SIGINT, Stop);

    ServeGadget(path, controller);
    return 0;
}
