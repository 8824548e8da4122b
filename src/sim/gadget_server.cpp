#include "sim/gadget_server.h"

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

namespace {

volatile std::sig_atomic_t stopRequested = 0;

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
    struct stat st = {};
    return fstat(fd, &st) == 0 ? st.st_rdev : 0;
}

bool SameNodeStillThere(const std::string& path, dev_t node) {
    struct stat st = {};
    return stat(path.c_str(), &st) == 0 && st.st_rdev == node;
}

}  // namespace

void StopServing() {
    stopRequested = 1;
}

void ServeGadget(const std::string& path, VirtualController& controller) {
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
