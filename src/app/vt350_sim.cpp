// vt350-sim: the virtual controller on a USB HID gadget. Output reports arrive on the
// gadget node without their report ID (14 bytes); input reports leave it as 18 bytes.
//   vt350-sim --hidg /dev/hidg0 [--demo-behaviour LIST]
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

#include "protocol/virtual_controller.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void Stop(int) {
    stopRequested = 1;
}

constexpr std::size_t kOutOnWire = 14;  // the host's report ID 0 is not sent
constexpr std::size_t kInOnWire = 18;

int OpenWhenPresent(const std::string& path) {
    while (!stopRequested) {
        const int fd = open(path.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) return fd;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return -1;
}

dev_t NodeOf(int fd) {
    struct stat st {};
    return fstat(fd, &st) == 0 ? st.st_rdev : 0;
}

bool SameNodeStillThere(const std::string& path, dev_t node) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && st.st_rdev == node;
}

// Answers on the gadget node until stopped, reopening it after each unbind and bind.
void Serve(const std::string& path, VirtualController& controller) {
    std::uint8_t pending[19];
    bool havePending = false;
    while (!stopRequested) {
        const int fd = OpenWhenPresent(path);
        if (fd < 0) break;
        const dev_t node = NodeOf(fd);
        std::fprintf(stderr, "vt350-sim: serving %s\n", path.c_str());
        auto lastCheck = std::chrono::steady_clock::now();
        while (!stopRequested) {
            pollfd p{fd, POLLIN, 0};
            if (poll(&p, 1, 10) > 0 && (p.revents & POLLIN)) {
                std::uint8_t wire[64];
                const ssize_t n = read(fd, wire, sizeof wire);
                if (n >= static_cast<ssize_t>(kOutOnWire)) {
                    std::uint8_t report[15] = {0};
                    std::memcpy(report + 1, wire, kOutOnWire);
                    controller.Receive(report);
                }
            }
            if (!havePending) havePending = controller.NextInput(pending);
            if (havePending) {
                const ssize_t n = write(fd, pending + 1, kInOnWire);
                // EAGAIN: the host has not taken the previous report yet; try again later.
                if (n == static_cast<ssize_t>(kInOnWire) || (n < 0 && errno != EAGAIN)) {
                    havePending = false;
                }
            }
            const auto now = std::chrono::steady_clock::now();
            if (now - lastCheck > std::chrono::milliseconds(200)) {
                lastCheck = now;
                // Unbound: the node goes away; reopen it when the gadget is bound again.
                if (!SameNodeStillThere(path, node)) break;
            }
        }
        close(fd);
    }
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
                "Answers as a VT-350 controller on a USB HID gadget node. LIST: silent,\n"
                "late[=N] (N polls of 10 ms), badcheck, errors, flood.\n");
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

    Serve(path, controller);
    return 0;
}
