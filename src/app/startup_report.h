#pragma once

#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

// For the start-up benchmark: when VT350_REPORT_STARTUP holds the launch time (ns since
// the epoch), the window prints how long it took to show, then its peak memory, and closes.
inline void ReportStartupWhenShown(QWidget& window) {
    const char* launch = std::getenv("VT350_REPORT_STARTUP");
    if (launch == nullptr) return;
    const long long launchNs = std::atoll(launch);
    QTimer::singleShot(0, &window, [&window, launchNs] {
        const long long now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                  std::chrono::system_clock::now().time_since_epoch())
                                  .count();
        std::printf("shown_ms %.1f\n", (now - launchNs) / 1e6);
        QTimer::singleShot(1000, &window, [&window] {
            rusage usage{};
            getrusage(RUSAGE_SELF, &usage);
            std::printf("peak_rss_kb %ld\n", usage.ru_maxrss);
            std::fflush(stdout);
            window.close();
        });
    });
}
