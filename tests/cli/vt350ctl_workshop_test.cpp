// provision and watch as a technician runs them, against the demo's simulated bench.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>

#include "run_process.h"
#include "test_support.h"

namespace fs = std::filesystem;

TEST(Vt350ctlWorkshop, ProvisionProgramsControllerAfterControllerAndLogsEach) {
    TempDir tmp("vt350ctl-workshop");
    const std::string set = tmp / "shop.qkf";
    std::ofstream(set, std::ios::binary)
        << std::string("\x0f\x2a\x87\x6e\x19\x01\x00\x00\x01\x00\x80\x00\x00\x00\x00", 15);
    auto r = RunProcess({VT350CTL_PATH, "--demo", "provision", set, "--yes", "--count", "3",
                         "--backup-dir", tmp / "b", "--log", tmp / "log.jsonl"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("Programmed 3, failed 0, skipped 0."), std::string::npos) << r.out;
    EXPECT_EQ(std::distance(fs::directory_iterator(tmp / "b"), fs::directory_iterator()), 3);
    // A wrong set never reaches the first controller.
    std::ofstream(tmp / "set.json") << "{\"continuous_current_a\": 15}\n";
    auto wrong = RunProcess({VT350CTL_PATH, "--demo", "provision", tmp / "set.json", "--yes"});
    EXPECT_EQ(wrong.exitCode, 5);
    EXPECT_EQ(wrong.out.find("Waiting"), std::string::npos);
    // Controllers that answer with errors are counted as failed, and the status says so.
    auto errors = RunProcess({VT350CTL_PATH, "--demo", "--demo-behaviour", "errors", "provision",
                              set, "--yes", "--count", "2"});
    EXPECT_EQ(errors.exitCode, 1);
    EXPECT_NE(errors.out.find("Programmed 0, failed 2, skipped 0."), std::string::npos);
    // One that keeps another set than it acknowledged fails its read-back.
    auto keepsOther = RunProcess({VT350CTL_PATH, "--demo", "--demo-behaviour", "storeswrong",
                                  "provision", set, "--yes", "--count", "1"});
    EXPECT_EQ(keepsOther.exitCode, 1);
    EXPECT_NE(keepsOther.out.find("verify: the controller holds other parameters (byte 0)"),
              std::string::npos)
        << keepsOther.out;
    // Interfaces that come a while after their arrivals, as on Windows: the line looks again
    // for the arrival source's settle time and programs each (a line that missed them would
    // wait for controllers for ever: it is given a minute).
    auto lagging =
        RunProcess({"/usr/bin/timeout", "60", VT350CTL_PATH, "--demo", "--demo-behaviour",
                    "lag,absent", "provision", set, "--yes", "--count", "2"});
    EXPECT_EQ(lagging.exitCode, 0) << lagging.err;
    EXPECT_NE(lagging.out.find("Programmed 2, failed 0, skipped 0."), std::string::npos)
        << lagging.out;
    // A log that is a pipe nobody reads: the line says so for each controller and goes on.
    ASSERT_EQ(mkfifo((tmp / "unread").c_str(), 0600), 0);
    auto unread = RunProcess({"/usr/bin/timeout", "60", VT350CTL_PATH, "--demo", "provision", set,
                              "--yes", "--count", "2", "--log", tmp / "unread"});
    EXPECT_EQ(unread.exitCode, 1) << "not held up";
    EXPECT_NE(unread.out.find("Programmed 0, failed 2, skipped 0."), std::string::npos)
        << unread.out;
    EXPECT_NE(unread.out.find("could not append to the log"), std::string::npos);
}

TEST(Vt350ctlWorkshop, WatchPrintsArrivalsAndRemovals) {
    auto r = RunProcess({VT350CTL_PATH, "--demo", "watch", "--count", "2"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("removal"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("arrival  port demo-1, serial 0001 (virtual:vt350/0001)  can be opened"),
              std::string::npos);
    auto refused = RunProcess(
        {VT350CTL_PATH, "--demo", "--demo-behaviour", "refuse", "watch", "--count", "2", "--json"});
    EXPECT_NE(refused.out.find("\"openable\":false"), std::string::npos) << refused.out;
    EXPECT_NE(refused.out.find("Permission denied"), std::string::npos);
}

// The log is the workshop's record: a closed standard output (| head) or a dropped SSH
// session (SIGHUP) never leaves a programmed controller without its log line.
TEST(Vt350ctlWorkshop, TheLogOutlivesTheScreen) {
    TempDir tmp("vt350ctl-workshop");
    const std::string set = tmp / "shop.qkf";
    PutFileBytes(set,
                 std::string("\x0f\x2a\x87\x6e\x19\x01\x00\x00\x01\x00\x80\x00\x00\x00\x00", 15));
    auto lines = [](const std::string& path) {
        std::ifstream in(path);
        return std::count(std::istreambuf_iterator<char>(in), {}, '\n');
    };
    auto start = [&](const std::string& log, const char* count, bool closedOutput) {
        int out[2];
        EXPECT_EQ(pipe(out), 0);
        const pid_t pid = fork();
        if (pid == 0) {
            dup2(out[1], 1);
            close(out[0]);
            close(out[1]);
            execl(VT350CTL_PATH, VT350CTL_PATH, "--demo", "provision", set.c_str(), "--yes",
                  "--count", count, "--log", log.c_str(), nullptr);
            _exit(127);
        }
        close(out[1]);
        if (closedOutput) close(out[0]);
        return std::pair{pid, closedOutput ? -1 : out[0]};
    };
    auto status = [](pid_t pid) {
        int s = 0;
        waitpid(pid, &s, 0);
        return WIFEXITED(s) ? WEXITSTATUS(s) : 128 + WTERMSIG(s);
    };
    // | head: the screen is gone from the start.
    auto [piped, none] = start(tmp / "piped.jsonl", "2", true);
    EXPECT_EQ(status(piped), 5) << "a closed pipe is a file error, not SIGPIPE";
    EXPECT_EQ(lines(tmp / "piped.jsonl"), 2);
    // SIGHUP once the first controller is logged: the line ends with its summary.
    auto [hung, screen] = start(tmp / "hup.jsonl", "100000", false);
    for (int i = 0; i < 2000 && lines(tmp / "hup.jsonl") == 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(hung, SIGHUP);
    std::string shown;
    char buffer[4096];
    for (ssize_t n; (n = read(screen, buffer, sizeof buffer)) > 0;) shown.append(buffer, n);
    close(screen);
    EXPECT_EQ(status(hung), 0);
    EXPECT_NE(shown.find("Programmed " + std::to_string(lines(tmp / "hup.jsonl"))),
              std::string::npos)
        << shown;
}

// The line asks each controller's unit before it touches it, as a scanner types it (its text,
// a carriage return and Enter), and refuses an empty one; every entry and log line of the
// controller names its unit and the bench, and `history --unit` lists that unit's alone.
TEST(Vt350ctlWorkshop, EachControllersUnitIsAskedAndGoesWithItsEntries) {
    TempDir tmp("vt350ctl-units");
    setenv("XDG_DATA_HOME", (tmp / "data").c_str(), 1);
    const std::string set = tmp / "shop.qkf";
    std::ofstream(set, std::ios::binary)
        << std::string("\x0f\x2a\x87\x6e\x19\x01\x00\x00\x01\x00\x80\x00\x00\x00\x00", 15);
    auto r = RunProcess({VT350CTL_PATH, "--demo", "--bench", "bench-A", "provision", set, "--yes",
                         "--count", "2", "--ask-unit", "--log", tmp / "log.jsonl"},
                        "\r\n  BIKE-42\r\nBIKE-43\n");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("a unit cannot be empty"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("0002  programmed  port demo-1  serial 0001  virtual:vt350/0001  unit "
                         "BIKE-43"),
              std::string::npos)
        << r.out;
    std::ifstream log(tmp / "log.jsonl");
    std::string first;
    std::getline(log, first);
    EXPECT_NE(first.find("\"unit\":\"BIKE-42\""), std::string::npos) << first;
    auto listed = RunProcess({VT350CTL_PATH, "--demo", "history", "--unit", "BIKE-42", "--json"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    const auto entries = nlohmann::json::parse(listed.out);
    ASSERT_EQ(entries.size(), 3u) << "its read, store and read-back";
    for (const auto& e : entries) {
        EXPECT_EQ(e["unit"], "BIKE-42");
        EXPECT_EQ(e["bench"], "bench-A");
    }
    // The two units came one after the other into one port: each has its own plug-in, and the
    // second's line starts anew, never as a change of the first's set.
    auto other = RunProcess({VT350CTL_PATH, "--demo", "history", "--unit", "BIKE-43", "--json"});
    const auto second = nlohmann::json::parse(other.out);
    ASSERT_EQ(second.size(), 3u) << other.out;
    EXPECT_EQ(second[0]["port"], entries[0]["port"]);
    EXPECT_NE(second[0]["plug_in"], entries[0]["plug_in"]);
    auto all = RunProcess({VT350CTL_PATH, "--demo", "history"});
    EXPECT_NE(all.out.find("plugged in anew"), std::string::npos) << all.out;
    // Without a unit to give (the input ended), a controller is skipped, never stored.
    auto ended = RunProcess(
        {VT350CTL_PATH, "--demo", "provision", set, "--yes", "--count", "1", "--ask-unit"}, "");
    EXPECT_EQ(ended.exitCode, 1);
    EXPECT_NE(ended.out.find("skipped  port demo-1"), std::string::npos) << ended.out;
    EXPECT_NE(ended.out.find("no unit was given"), std::string::npos) << ended.out;
    unsetenv("XDG_DATA_HOME");
}
