#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QFontInfo>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "ui/form1.h"

// For a smoke run in CI (Windows under wine, say): when VT350_SMOKE_SCREENSHOT names a PNG
// file, the shown window presses GetConfig, waits for its outcome in the status line, saves
// a picture of itself there, prints the status line and the program's font and closes.
// Built only with VT350_TEST_HOOKS: a release has no such way in.
inline void RunSmokeWhenShown([[maybe_unused]] Form1& form) {
#ifdef VT350_TEST_HOOKS
    const char* path = std::getenv("VT350_SMOKE_SCREENSHOT");
    if (path == nullptr || path[0] == '\0') return;
    const QString file = QString::fromLocal8Bit(path);
    QTimer::singleShot(500, &form, [&form, file] {
        form.Command5->click();  // GetConfig; the press clears the old outcome
        // The answer, however slow the machine: the status line says how it went.
        auto* poll = new QTimer(&form);
        QObject::connect(poll, &QTimer::timeout, &form, [&form, file, poll, waited = 0]() mutable {
            if (form.Label16->text().isEmpty() && ++waited < 600) return;  // 60 s at most
            poll->stop();
            const bool saved = form.grab().save(file);
            std::printf("status: %s; screenshot %s; font %s\n",
                        form.Label16->text().toUtf8().constData(), saved ? "saved" : "NOT saved",
                        QFontInfo(QApplication::font()).family().toUtf8().constData());
            std::fflush(stdout);
            form.close();
            QCoreApplication::quit();
        });
        poll->start(100);
    });
#endif
}
