// vt350-config: the configuration window. With --demo it drives the virtual controller
// instead of the USB hardware (Ctrl+U unplugs it and plugs it back in).
#include <QApplication>
#include <QScreen>
#include <QSessionManager>
#include <QStyleFactory>

#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "app/quit_signals.h"
#include "app/smoke_run.h"
#include "platform/console_text.h"
#include "platform/controller_backend.h"
#include "platform/running_mark.h"
#include "platform/system_tone.h"
#include "platform/utf8_arguments.h"
#ifndef _WIN32
#include "app/startup_report.h"
#endif
#include "config/config_file.h"
#include "config/file_names.h"
#include "fleet/history_sync.h"
#include "fleet/shared_record.h"
#include "platform/history_place.h"
#include "ui/application_font.h"
#include "ui/form1.h"
#include "ui/qt_user_dialogs.h"
#include "ui/translations.h"
#include "ui/window_key.h"

#ifdef _WIN32
#include "platform/windows/window_device_notifier.h"
#include "ui/native_message_tap.h"
#endif

namespace {

// The shared record's listing of a unit in the window: as many entries as the view lists, read
// within a few seconds (the view lists the bench's own meanwhile).
constexpr std::size_t kSharedListing = 2000;
constexpr std::chrono::milliseconds kSharedReadLimit{5000};

// Arrival and removal come from the window on Windows, which exists only after the form.
class DeferredDeviceChanges : public DeviceChangeSource {
  public:
    DeviceChangeSource* target = nullptr;
    bool Register(Handler h) override {
        if (target == nullptr) return false;
        target->SetLostEventsHandler([this] { EventsWereLost(); });
        return target->Register(h);
    }
    void Unregister() override {
        if (target != nullptr) target->Unregister();
    }
    int NotificationFd() const override { return target ? target->NotificationFd() : -1; }
    void Dispatch() override {
        if (target != nullptr) target->Dispatch();
    }
};

struct Arguments {
    BackendOptions backend;
    std::optional<std::string> file;  // a parameter file to open at start
    std::string port;                 // --port: the controller in this USB port
    std::string language;             // --lang: the window's language instead of the system's
};

void PrintHelp(std::ostream& out) {
    out << "usage: vt350-config [--port PORT] [--lang CODE] [--demo [--demo-behaviour LIST]]\n"
           "                    [FILE.qkf]\n"
           "  FILE.qkf                open this parameter file at start, as Open would\n"
           "  --port PORT             work with the controller plugged into this USB port\n"
           "                          (vt350ctl list shows them); without it, the first\n"
           "                          one found, with a list to choose from when there\n"
           "                          are several (Ctrl+D in the window at any time)\n"
           "  --lang CODE             the window in this language instead of the system's:\n"
           "                          "
        << ShippedLanguages().join(QStringLiteral(", ")).toStdString()
        << "\n"
           "  --demo                  use a virtual controller instead of the USB\n"
           "                          device; Ctrl+U unplugs it and plugs it back in\n"
           "  --demo-behaviour LIST   make the virtual controller misbehave:\n"
           "                          "
        << DemoBehaviourHelp()
        << "\n"
           "  -h, --help              this text\n"
           "  --version               the program's version\n"
           "Qt's own options (-session, -style, -platform, -display, ...) go to Qt.\n"
#ifdef _WIN32
           "The last set is kept in Data.qkf (Demo.qkf for the demo), and every set read,\n"
           "stored or reset in the history, both in %APPDATA%\\vt350-config wherever the\n"
           "program is installed; a portable copy (vt350-portable.txt beside the program)\n"
           "keeps both beside itself.\n";
#else
           "The last set is kept in Data.qkf (Demo.qkf for the demo): beside the program\n"
           "when it runs from a folder of its own (a build tree, an unpacked copy), else,\n"
           "as for an installed program, in $XDG_DATA_HOME/vt350-config\n"
           "(~/.local/share/vt350-config), where the history is kept too; a portable copy\n"
           "(vt350-portable.txt beside the program) keeps both beside itself.\n";
#endif
}

// The options Qt itself takes (QGuiApplication, QApplication, the X11 platform): a
// restored desktop session starts the program with "-session ID", and a user may give
// "-style" or "-platform". They are left to Qt. Returns how many arguments the option at
// `i` takes up, 0 when it is not Qt's.
int QtOptionLength(int argc, char* argv[], int i) {
    std::string a = argv[i];
    if (a.rfind("--", 0) == 0) a.erase(0, 1);  // Qt reads "--style" as "-style"
    static const char* const withValue[] = {
        "-platform",     "-platformpluginpath", "-platformtheme", "-plugin",  "-qwindowgeometry",
        "-qwindowicon",  "-qwindowtitle",       "-session",       "-display", "-geometry",
        "-style",        "-stylesheet",         "-name",          "-title",   "-visual",
        "-qmljsdebugger"};
    static const char* const flags[] = {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"};
    for (const char* option : flags) {
        if (a == option) return 1;
    }
    for (const char* option : withValue) {
        const std::string o = option;
        if (a.rfind(o + "=", 0) == 0) return 1;
        if (a == o) return i + 1 < argc ? 2 : 1;
    }
    return 0;
}

// Reads the arguments before any display is needed, so that --help and --version work
// anywhere. Returns an exit status when the program should end at once, with what to say
// in `said` (standard output's text for 0, an error for anything else).
std::optional<int> ParseArguments(int argc, char* argv[], Arguments& out, std::string& said) {
    std::ostringstream text;
    const auto endWith = [&](int status) {
        said = text.str();
        return status;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        std::string error;
        if (ParseBackendOption(argc, argv, i, out.backend, error)) {
            if (error.empty()) continue;
            text << "vt350-config: " << error << "\n";
            return endWith(2);
        }
        // "--name VALUE" or "--name=VALUE".
        const auto valueOf = [&](const std::string& name, std::string& value) {
            if (a != name && a.rfind(name + "=", 0) != 0) return false;
            if (a == name && i + 1 >= argc) {
                value.clear();
            } else {
                value = a == name ? argv[++i] : a.substr(name.size() + 1);
            }
            return true;
        };
        if (valueOf("--port", out.port)) {
            if (out.port.empty()) {
                text << "vt350-config: --port needs a port (try --help)\n";
                return endWith(2);
            }
            continue;
        }
        if (valueOf("--lang", out.language)) {
            if (!ShippedLanguages().contains(QString::fromStdString(out.language))) {
                text << "vt350-config: --lang takes one of "
                     << ShippedLanguages().join(QStringLiteral(", ")).toStdString()
                     << " (try --help)\n";
                return endWith(2);
            }
            continue;
        }
        if (a == "--help" || a == "-h") {
            PrintHelp(text);
            return endWith(0);
        }
        if (a == "--version") {
            text << "vt350-config " << VT350_VERSION << "\n";
            return endWith(0);
        }
        if (const int taken = QtOptionLength(argc, argv, i); taken > 0) {
            i += taken - 1;
            continue;
        }
        if (a.size() > 1 && a[0] == '-') {
            text << "vt350-config: unknown option " << a << " (try --help)\n";
            return endWith(2);
        }
        if (out.file) {
            text << "vt350-config: one parameter file at a time (try --help)\n";
            return endWith(2);
        }
        out.file = a;
    }
    return std::nullopt;
}

void AddDemoPlugKey(Form1& form, VirtualHidPlatform& controller) {
    new WindowKey(&form, Qt::Key_U, Qt::ControlModifier, [&controller] {
        if (controller.plugged()) {
            controller.Unplug();
        } else {
            controller.Plug();
        }
    });
    form.MarkAsDemo();
}

}  // namespace

int main(int argc, char* argv[]) {
    RunningMark running;
    Arguments args;
    Utf8Arguments utf8(argc, argv);
    std::string said;
    if (const auto status = ParseArguments(utf8.argc(), utf8.argv(), args, said)) {
        ShowProgramText(said, *status != 0);
        return *status;
    }

    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    UseProportionalApplicationFont();
    InstallTranslations(app, QString::fromStdString(args.language));
    ControllerBackend backend(args.backend);
    QtUserDialogs dialogs;
    SystemTone tone;
    DeferredDeviceChanges changes;
    changes.target = backend.deviceChanges();
    // The demo keeps its own autosave file, so trying it leaves the real set alone.
    const std::string autosave = AutosavePath(ExecutableDirectory(), UserDataDirectory(),
                                              backend.demo() ? "Demo.qkf" : "Data.qkf");
    // Every set read, stored or reset is kept; the demo keeps its own history.
    History history(HistoryFolder(backend.demo()), "vt350-config", HistoryNow);
    history.SetBench(BenchName(""));
    history.Prepare();  // the folder exists for the Open dialog's side bar
    // Where a shared record is set, each entry goes on to it within a moment, from the
    // thread that keeps the entries; one that cannot goes with the next.
    // The history view reads a unit's entries of every bench from it.
    std::function<void(History&)> toSharedRecord;
    ReadSharedUnit readSharedUnit;
    if (const std::string server = HistoryServer(); !server.empty()) {
        toSharedRecord = [server, demo = backend.demo()](History& kept) {
            SyncHistory(kept, server, demo, kSendMoment);
        };
        readSharedUnit = [server](const std::string& unit, std::string& error) {
            return ReadSharedRecord(server, unit, kSharedListing, kSharedReadLimit, error);
        };
    }
    Form1 form({dialogs, backend.platform(), changes, tone, autosave, &history, args.port,
                toSharedRecord, readSharedUnit});
    dialogs.setParent(&form);
    dialogs.setHistoryFolder(history.folder());
#ifdef _WIN32
    std::unique_ptr<WindowDeviceNotifier> windows;
    std::unique_ptr<NativeMessageTap> tap;
    if (!backend.demo()) {
        windows = std::make_unique<WindowDeviceNotifier>(
            [&form] { return reinterpret_cast<void*>(form.winId()); });
        tap = std::make_unique<NativeMessageTap>(
            [&windows](const void* message) { windows->OnMessage(message); });
        changes.target = windows.get();
    }
#endif
    if (backend.virtualPlatform() != nullptr) AddDemoPlugKey(form, *backend.virtualPlatform());
    form.Load();
    const QRect screen = form.screen()->availableGeometry();
    form.move(screen.center() - form.rect().center());
    form.show();
    form.Text1->setFocus();
    if (args.file) form.OpenAtStart(*args.file);
    // The desktop session's end and the usual termination signals keep the set, as Exit
    // does.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &form,
                     [&form](QSessionManager&) { form.SaveAutosave(false); });
    new QuitSignals(
        [&form] {
            form.CloseWithoutQuestions();
            QApplication::quit();
        },
        &app);
#ifndef _WIN32
    ReportStartupWhenShown(form);
#endif
    RunSmokeWhenShown(form);
    return app.exec();
}
