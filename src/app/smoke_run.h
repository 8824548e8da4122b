#pragma once

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "ui/form1.h"

// For a smoke run in CI (Windows under wine, say): when VT350_SMOKE_SCREENSHOT names a PNG
// file, the shown window presses GetConfig, waits for the answer, saves a picture of itself
// there, prints its status line and closes.
inline void RunSmokeWhenShown(Form1& form) {
    const char* path = std::getenv("VT350_SMOKE_SCREENSHOT");
    if (path == nullptr || path[0] == '\0') return;
    const QString file = QString::fromLocal8Bit(path);
    QTimer::singleShot(500, &form, [&form, file] {
        form.Command5->click();  // GetConfig
        QTimer::singleShot(1500, &form, [&form, file] {
            const bool saved = form.grab().save(file);
            std::printf("status: %s; screenshot %s\n", form.Label16->text().toUtf8().constData(),
                        saved ? "saved" : "NOT saved");
            std::fflush(stdout);
            form.close();
            QCoreApplication::quit();
        });
    });
}
