// vt350-config: the configuration window. With --demo it drives the virtual controller
// instead of the USB hardware (Ctrl+U unplugs and plugs it back in).
#include <QApplication>
#include <QScreen>
#include <QShortcut>
#include <QStyleFactory>

#include <cstring>
#include <iostream>
#include <memory>

#include "app/system_tone.h"
#ifndef _WIN32
#include "app/startup_report.h"
#endif
#include "config/config_file.h"
#include "hid/hidapi_platform.h"
#include "protocol/virtual_controller.h"
#include "ui/form1.h"
#include "ui/qt_user_dialogs.h"

#ifdef _WIN32
#include "ui/win_device_notifier.h"
#else
#include "hid/udev_monitor.h"
#endif

namespace {

// Arrival and removal come from the window on Windows, which exists only after the form.
class DeferredDeviceChanges : public DeviceChangeSource {
  public:
    DeviceChangeSource* target = nullptr;
    bool Register(Handler h) override { return target != nullptr && target->Register(h); }
    void Unregister() override {
        if (target != nullptr) target->Unregister();
    }
    int NotificationFd() const override { return target ? target->NotificationFd() : -1; }
    void Dispatch() override {
        if (target != nullptr) target->Dispatch();
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    bool demo = false;
    VirtualController controller;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--demo") == 0) {
            demo = true;
        } else if (std::strcmp(argv[i], "--demo-behaviour") == 0 && i + 1 < argc) {
            std::string error;
            if (!ParseMisbehaviour(argv[++i], controller.behaviour, error)) {
                std::cerr << "vt350-config: " << error << "\n";
                return 2;
            }
        } else if (std::strcmp(argv[i], "--help") == 0) {
            std::cout
                << "usage: vt350-config [--demo [--demo-behaviour LIST]]\n"
                   "  --demo                  use a virtual controller instead of the USB\n"
                   "                          device; Ctrl+U unplugs it and plugs it back in\n"
                   "  --demo-behaviour LIST   make the virtual controller misbehave: a comma-\n"
                   "                          separated list of silent, late[=N], badcheck,\n"
                   "                          errors, flood, refuse, failwrites\n";
            return 0;
        } else {
            std::cerr << "vt350-config: unknown option " << argv[i] << " (try --help)\n";
            return 2;
        }
    }

    QtUserDialogs dialogs;
    SystemTone tone;
    std::unique_ptr<VirtualHidPlatform> virtualPlatform;
    std::unique_ptr<HidapiPlatform> hidapi;
    DeferredDeviceChanges changes;
    HidPlatform* platform = nullptr;
#ifndef _WIN32
    UdevMonitor udev;
#endif
    if (demo) {
        virtualPlatform = std::make_unique<VirtualHidPlatform>(controller, true);
        platform = virtualPlatform.get();
        changes.target = virtualPlatform.get();
    } else {
        hidapi = std::make_unique<HidapiPlatform>();
        platform = hidapi.get();
#ifndef _WIN32
        changes.target = &udev;
#endif
    }
    // The demo keeps its own autosave file, so trying it leaves the real set alone.
    const std::string autosave =
        AutosavePath(ExecutableDirectory(), UserDataDirectory(), demo ? "Demo.qkf" : "Data.qkf");
    Form1 form({dialogs, *platform, changes, tone, autosave});
    dialogs.setParent(&form);
#ifdef _WIN32
    std::unique_ptr<WinDeviceNotifier> windows;
    if (!demo) {
        windows = std::make_unique<WinDeviceNotifier>(&form);
        changes.target = windows.get();
    }
#endif
    if (demo) {
        auto* plug = new QShortcut(QKeySequence(QStringLiteral("Ctrl+U")), &form);
        QObject::connect(plug, &QShortcut::activated, [&] {
            if (virtualPlatform->plugged()) {
                virtualPlatform->Unplug();
            } else {
                virtualPlatform->Plug();
            }
        });
        form.setWindowTitle(form.windowTitle() + QStringLiteral(" [demo]"));
    }
    form.Load();
    const QRect screen = form.screen()->availableGeometry();
    form.move(screen.center() - form.rect().center());
    form.show();
    form.Text1->setFocus();
#ifndef _WIN32
    ReportStartupWhenShown(form);
#endif
    return app.exec();
}
