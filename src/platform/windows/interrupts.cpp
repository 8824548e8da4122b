#include "platform/interrupts.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t interrupted = 0;

void OnInterrupt(int) {
    interrupted = 1;
}

}  // namespace

void CatchInterrupts() {
    interrupted = 0;
    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);
}

bool Interrupted() {
    return interrupted != 0;
}

void IgnoreBrokenPipes() {}  // Windows has no SIGPIPE: a failed write returns its error
