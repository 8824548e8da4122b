#include "app/quit_signals.h"

#ifndef _WIN32
#include <QSocketNotifier>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

namespace {

int wakeFd = -1;

void OnSignal(int) {
    const char byte = 1;
    (void)!::write(wakeFd, &byte, 1);  // async-signal-safe; nothing else happens here
}

}  // namespace

QuitSignals::QuitSignals(std::function<void()> quit, QObject* parent) : QObject(parent) {
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0) return;
    wakeFd = fds[0];
    auto* notifier = new QSocketNotifier(fds[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [fd = fds[1], quit] {
        char byte;
        (void)!::read(fd, &byte, 1);
        quit();
    });
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) sigaction(signal, &action, nullptr);
}
#else
QuitSignals::QuitSignals(std::function<void()>, QObject* parent) : QObject(parent) {}
#endif
