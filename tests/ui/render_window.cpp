// Renders the window to a PNG: vt350-render-window OUT.png [--dark] [--focus NAME]
// Uses the virtual controller and no autosave file, so the picture shows the window as a
// fresh start against a connected controller after a GetConfig. --dark renders it under a
// dark desktop colour scheme, --focus gives the focus to the control of that name.
#include <QApplication>
#include <QStyleFactory>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "platform/virtual/virtual_hid_platform.h"
#include "ui/form1.h"
#include "ui_doubles.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.png\n", argv[0]);
        return 2;
    }
    QString focus = QStringLiteral("Text1");
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--dark") == 0) {
            const QColor dark(53, 53, 53), light(230, 230, 230);
            QApplication::setPalette(QPalette(light, dark, dark.lighter(), dark.darker(), dark,
                                              light, Qt::white, QColor(35, 35, 35), dark));
        } else if (std::strcmp(argv[i], "--focus") == 0 && i + 1 < argc) {
            focus = QString::fromLocal8Bit(argv[++i]);
        }
    }
    VirtualController controller;
    VirtualHidPlatform platform(controller, true);
    ScriptedDialogs dialogs;
    RecordingTone tone;
    const auto autosave = std::filesystem::temp_directory_path() / "vt350-render-autosave.qkf";
    std::filesystem::remove(autosave);
    Form1 form({dialogs, platform, platform, tone, autosave.string(), nullptr, ""});
    form.Load();
    form.Command5->click();  // GetConfig
    form.PollTick();
    form.show();
    form.activateWindow();
    if (auto* w = form.findChild<QWidget*>(focus)) w->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 5; ++i) app.processEvents();
    const bool ok = form.grab().save(QString::fromLocal8Bit(argv[1]));
    form.Unload();
    std::filesystem::remove(autosave);
    return ok ? 0 : 1;
}
