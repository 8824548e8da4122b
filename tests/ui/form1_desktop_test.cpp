// The window among the desktop's habits: names without an extension, a file handed over
// at start, and the end of the program by a signal.
#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "form1_fixture.h"
#include "run_process.h"
#include "test_support.h"

namespace fs = std::filesystem;

TEST_F(Form1Test, SaveAsGivesANameWithoutExtensionTheParameterExtension) {
    Form1& f = MakeLoaded(false);
    std::ofstream(Path("bike42.qkf"), std::ios::binary) << std::string(15, '\x05');
    dialogs.fileNames = {Path("bike42")};
    dialogs.answers = {false};
    Press(f.Command8);
    EXPECT_EQ(dialogs.questions,
              std::vector<std::string>{"The file already exists. Would you overwrite it?"})
        << "the question is about the file that would really be written";
    EXPECT_FALSE(fs::exists(Path("bike42")));
    dialogs.fileNames = {Path("bike43")};
    Press(f.Command8);
    EXPECT_TRUE(fs::exists(Path("bike43.qkf")));
    dialogs.fileNames = {Path("bike.set")};
    Press(f.Command8);
    EXPECT_TRUE(fs::exists(Path("bike.set"))) << "a name with an extension is kept";
}

TEST_F(Form1Test, AFileNamedAtStartOpensAsOpenWould) {
    std::string bytes(15, '\0');
    bytes[0] = 12, bytes[1] = 40, bytes[2] = static_cast<char>(176), bytes[4] = 25;
    std::ofstream(Path("start.qkf"), std::ios::binary) << bytes;
    std::ofstream(Path("short.qkf"), std::ios::binary) << "ab";
    Form1& f = MakeLoaded(false);
    f.OpenAtStart(Path("start.qkf"));
    EXPECT_EQ(f.Text1->text(), "12");
    EXPECT_TRUE(f.Option1[2]->isChecked());
    f.OpenAtStart(Path("short.qkf"));
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_NE(dialogs.errors[0].find("short.qkf"), std::string::npos);
    EXPECT_EQ(f.Text1->text(), "12") << "a refused file changes nothing";
    f.OpenAtStart(Path("none.qkf"));
    EXPECT_EQ(dialogs.errors.size(), 2u) << "a file named at start that is missing is said";
}

namespace {

// Whether the process has a handler for `signal` (its SigCgt mask in /proc).
bool Catches(pid_t pid, int signal) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("SigCgt:", 0) != 0) continue;
        return (std::stoull(line.substr(7), nullptr, 16) >> (signal - 1)) & 1;
    }
    return false;
}

}  // namespace

// The program as the desktop ends it: SIGTERM keeps the set as Exit does. It runs from a
// copy of its own, so that the autosave it keeps beside itself is the test's, never the
// one the built program keeps for whoever starts it from the build tree.
TEST(Vt350ConfigProcess, TerminationSignalsWriteTheAutosaveFile) {
    TempDir tmp("vt350-signals");
    const std::string program = tmp / "vt350-config";
    fs::copy_file(VT350_CONFIG_PATH, program);
    const fs::path autosave = tmp.path() / "Demo.qkf";
    // A set handed over at start, which the window then has to keep.
    const std::string set = tmp / "bike.qkf";
    std::ofstream(set, std::ios::binary) << std::string(
        "\x0f\x1e\x87\x6e\x19\x01\x00\x00"
        "\x01\x00\x80\x00\x00\x00\x00",
        15);
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
        fs::remove(autosave);
        pid_t pid = fork();
        if (pid == 0) {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            setenv("XDG_DATA_HOME", (tmp / "data").c_str(), 1);
            execl(program.c_str(), program.c_str(), "--demo", set.c_str(), nullptr);
            _exit(127);
        }
        ASSERT_GT(pid, 0);
        for (int i = 0; i < 3000 && !Catches(pid, signal); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        kill(pid, signal);
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << signal << " without cleaning up";
        ASSERT_TRUE(fs::exists(autosave)) << "signal " << signal;
        EXPECT_EQ(fs::file_size(autosave), 15u);
    }
}

// --lang as the program installs it: the window speaks German on a French system.
// A system in French whose default face is a typewriter one: the window speaks the language
// it was given, and its texts are in a proportional face.
TEST(Vt350ConfigProcess, TheSystemsLanguageAndTypewriterFaceGiveWayToTheWindowsOwn) {
    TempDir tmp("vt350-lang");
    const std::string program = tmp / "vt350-config";
    fs::copy_file(VT350_CONFIG_PATH, program);
    std::ofstream(tmp / "fonts.conf")
        << "<?xml version=\"1.0\"?><!DOCTYPE fontconfig SYSTEM \"fonts.dtd\"><fontconfig>"
           "<include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>"
           "<match target=\"pattern\"><test name=\"family\"><string>sans-serif</string></test>"
           "<edit name=\"family\" mode=\"prepend\" binding=\"strong\">"
           "<string>Liberation Mono</string></edit></match></fontconfig>\n";
    const auto r = RunProcess(
        {"/usr/bin/env", "LANG=fr_FR.UTF-8", "LC_ALL=", "LANGUAGE=", "QT_QPA_PLATFORM=offscreen",
         "FONTCONFIG_FILE=" + (tmp / "fonts.conf"), "XDG_DATA_HOME=" + (tmp / "data"),
         "VT350_SMOKE_SCREENSHOT=" + (tmp / "shot.png"), program, "--demo",
         "--demo-behaviour=hub=2", "--lang=de", "--port=demo-2"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("status: Auslesen erfolgreich"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("font Liberation Mono"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("; font "), std::string::npos) << r.out;
    // What it read is kept as demo-2's: the port was taken as --port demo-2 would be.
    std::vector<std::string> copies;
    for (const auto& e : fs::directory_iterator(tmp / "data/vt350-config/demo-history")) {
        if (e.path().extension() == ".qkf") copies.push_back(e.path().filename().string());
    }
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_NE(copies[0].find("-portdemo-2-"), std::string::npos) << copies[0];
}

TEST(Vt350ConfigProcess, HelpAndVersionNeedNoDisplay) {
    for (const char* option : {"--help", "--version"}) {
        auto r = RunProcess({"/usr/bin/env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY",
                             "QT_QPA_PLATFORM=xcb", VT350_CONFIG_PATH, option});
        EXPECT_EQ(r.exitCode, 0) << option << "\n" << r.err;
        EXPECT_NE(r.out.find("vt350-config"), std::string::npos) << option;
    }
    // The options Qt takes are left to Qt: a restored desktop session starts the program
    // with "-session ID".
    auto r = RunProcess({VT350_CONFIG_PATH, "-session", "10d3a4c", "-style=Fusion", "-platform",
                         "offscreen", "--version"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
}

// Arrival and removal reach the shown window through its event loop, as the udev monitor
// delivers them: a descriptor that becomes readable, then Dispatch.
TEST_F(Form1Test, ArrivalsAndRemovalsReachTheWindowThroughItsEventLoop) {
    class PipeChanges : public DeviceChangeSource {
      public:
        PipeChanges() { EXPECT_EQ(pipe(fds), 0); }
        ~PipeChanges() override {
            close(fds[0]);
            close(fds[1]);
        }
        bool Register(Handler h) override {
            handler = std::move(h);
            return true;
        }
        void Unregister() override { handler = nullptr; }
        int NotificationFd() const override { return fds[0]; }
        void Dispatch() override {
            char what = 0;
            if (read(fds[0], &what, 1) != 1 || !handler) return;
            const auto record = BuildInterfaceRecord(UsbInterfaceName(1, 1, "0001"));
            handler(what == 'a' ? kDeviceArrival : kDeviceRemoveComplete, record.data(),
                    record.size());
        }
        void Send(char what) { EXPECT_EQ(write(fds[1], &what, 1), 1); }
        int fds[2] = {-1, -1};
        Handler handler;
    } changes;
    platform = std::make_unique<VirtualHidPlatform>(controller, false);
    form = std::make_unique<Form1>(
        Form1Services{dialogs, *platform, changes, tone, autosave, nullptr, ""});
    form->Load();
    form->show();
    ASSERT_FALSE(form->link().present());
    platform->Plug(false);
    changes.Send('a');
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->link().isOpen(); }, 20000));
    platform->Unplug(false);
    changes.Send('r');
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form->link().present(); }, 20000));
    form.reset();  // before the source it follows
}

// A kept set that could not be read at start (an I/O error on a network home) is never
// replaced by the blank set at Exit; a changed set replaces it only when the person says so.
TEST_F(Form1Test, AnAutosaveThatCouldNotBeReadIsNotOverwrittenUnasked) {
    PutFileBytes(Path("home"), "a file where the folder should be");
    autosave = Path("home") + "/Data.qkf";  // every open fails (not a folder)
    MakeLoaded();
    ASSERT_EQ(dialogs.errors.size(), 1u) << "the failed load is said";
    form->close();
    EXPECT_EQ(dialogs.errors.size(), 1u) << "unchanged: no save was tried";
    EXPECT_TRUE(dialogs.questions.empty());
    // Changed: asked; Cancel keeps the file, OK tries the save.
    for (bool ok : {false, true}) {
        form.reset();
        dialogs.errors.clear();
        dialogs.questions.clear();
        MakeLoaded();
        form->show();
        QTest::mouseClick(form->Option1[2], Qt::LeftButton);
        dialogs.answers = {ok};
        form->close();
        ASSERT_EQ(dialogs.questions.size(), 1u);
        EXPECT_NE(dialogs.questions[0].find("could not be read at start"), std::string::npos);
        EXPECT_EQ(dialogs.errors.size(), ok ? 2u : 1u) << "OK: the save was tried";
    }
}
