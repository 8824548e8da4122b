// vt350ctl as a process against the virtual controller.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>

#include "config/config_file.h"
#include "config/history.h"
#include "platform/history_place.h"
#include "run_process.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

class Vt350ctlTest : public ::testing::Test {
  protected:
    ProcessResult Run(std::vector<std::string> args, const std::string& input = "") {
        args.insert(args.begin(), VT350CTL_PATH);
        return RunProcess(args, input);
    }
    std::string Path(const std::string& name) const { return tmp_ / name; }
    static std::string Slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void Put(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    TempDir tmp_{"vt350ctl"};
    const fs::path& dir_ = tmp_.path();
};

const std::string kFactory("\x0f\x1e\x87\x6e\x19\x01\x00\x00\x01\x00\x80\x00\x00\x00\x00", 15);

}  // namespace

TEST_F(Vt350ctlTest, ListMarksTheController) {
    auto r = Run({"--demo", "list"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("0001:0001  0200     0001"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("<- VT-350 controller"), std::string::npos);
    r = Run({"--demo", "--demo-behaviour", "refuse", "list"});
    EXPECT_NE(r.out.find("cannot be opened (Permission denied)"), std::string::npos);
    EXPECT_NE(r.out.find("udev rule"), std::string::npos);
    r = Run({"--demo", "--demo-behaviour", "absent", "list"});
    EXPECT_NE(r.out.find("No controller found."), std::string::npos);
}

TEST_F(Vt350ctlTest, ReadShowsDecodedParameters) {
    auto r = Run({"--demo", "read"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    for (const char* line :
         {"Continuous current      15 A", "Peak current            30 A",
          "Motor voltage           36 V", "Motor type              BLDC (brushless)",
          "Phase angle             120\u00b0", "PAS level               Mid",
          "PAS direction           FWD", "Forward speed scale     100% (256/256)",
          "Reversion               disabled", "Reversion speed scale   50% (128/256)",
          "Regenerative brake      50% (110/220)", "Reserved bytes          00 00 00 00"}) {
        EXPECT_NE(r.out.find(line), std::string::npos) << line;
    }
}

TEST_F(Vt350ctlTest, ReadToAFileWritesTheRecord) {
    auto r = Run({"--demo", "read", "-o", Path("a.qkf")});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(Slurp(Path("a.qkf")), kFactory);
}

TEST_F(Vt350ctlTest, JsonRoundTripKeepsAll15Bytes) {
    // A set with every byte the editors can write, reserved bytes and flag bits included.
    const std::string bytes("\x1e\x32\xb0\xdc\x14\x00\x01\x01\xff\x00\x01\xde\xad\xbe\xef", 15);
    Put(Path("odd.qkf"), bytes);
    auto shown = Run({"show", Path("odd.qkf"), "--json"});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    Put(Path("odd.json"), shown.out);
    auto imported = Run({"import", Path("odd.json"), "-o", Path("back.qkf")});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(Slurp(Path("back.qkf")), bytes);
    auto written = Run({"--demo", "write", Path("back.qkf"), "--yes", "--verify"});
    EXPECT_EQ(written.exitCode, 0) << written.err;
    EXPECT_NE(written.out.find("Verified"), std::string::npos);

    auto read = Run({"--demo", "read", "--json"});
    Put(Path("device.json"), read.out);
    ASSERT_EQ(Run({"import", Path("device.json"), "-o", Path("device.qkf")}).exitCode, 0);
    EXPECT_EQ(Slurp(Path("device.qkf")), kFactory);
}

TEST_F(Vt350ctlTest, ImportRefusesWhatNoEditorWrites) {
    auto read = Run({"show", Path("none.qkf")});
    EXPECT_EQ(read.exitCode, 5);
    Put(Path("f.qkf"), kFactory);
    std::string json = Run({"show", Path("f.qkf"), "--json"}).out;
    auto replace = [&](const std::string& from, const std::string& to) {
        json.replace(json.find(from), from.size(), to);
    };
    replace("\"continuous_current_a\": 15", "\"continuous_current_a\": 31");
    replace("\"peak_current_a\": 30", "\"peak_current_a\": 0");
    replace("\"motor_voltage_v\": 36", "\"motor_voltage_v\": 40");
    replace("\"pas_level\": \"Mid\"", "\"pas_level\": \"Max\"");
    replace("\"pas_direction\": \"FWD\"", "\"pas_direction\": 2");
    replace("\"regen_brake\": 110", "\"regen_brake\": 221");
    Put(Path("bad.json"), json);
    auto r = Run({"import", Path("bad.json"), "-o", Path("bad.qkf")});
    EXPECT_EQ(r.exitCode, 5);
    for (const char* field : {"continuous_current_a: must be a whole number from 1 to 30",
                              "peak_current_a: must be a whole number from 1 to 50",
                              "motor_voltage_v: must be 24, 36 or 48", "pas_level: must be",
                              "pas_direction: must be", "regen_brake: must be"}) {
        EXPECT_NE(r.err.find(field), std::string::npos) << field << "\n" << r.err;
    }
    EXPECT_FALSE(fs::exists(Path("bad.qkf")));
    Put(Path("broken.json"), "{\"continuous_current_a\": ");
    EXPECT_EQ(Run({"import", Path("broken.json"), "-o", Path("x.qkf")}).exitCode, 5);
}

TEST_F(Vt350ctlTest, WriteAsksUnlessYes) {
    Put(Path("f.qkf"), kFactory);
    auto declined = Run({"--demo", "write", Path("f.qkf")}, "n\n");
    EXPECT_EQ(declined.exitCode, 1);
    EXPECT_NE(declined.err.find("nothing was written"), std::string::npos);
    auto accepted = Run({"--demo", "write", Path("f.qkf")}, "y\n");
    EXPECT_EQ(accepted.exitCode, 0) << accepted.err;
    EXPECT_NE(accepted.out.find("Parameters stored."), std::string::npos);
    // A controller that acknowledges the store but keeps something else: only --verify
    // tells, naming what differs.
    const std::vector<std::string> wrong = {"--demo", "--demo-behaviour", "storeswrong",
                                            "write",  Path("f.qkf"),      "--yes"};
    EXPECT_EQ(Run(wrong).exitCode, 0);
    auto verified = Run(
        {"--demo", "--demo-behaviour", "storeswrong", "write", Path("f.qkf"), "--yes", "--verify"});
    EXPECT_EQ(verified.exitCode, 1);
    EXPECT_NE(verified.err.find("Continuous current: 15 A -> 14 A"), std::string::npos)
        << verified.err;
    EXPECT_NE(verified.err.find("verification failed"), std::string::npos);
}

TEST_F(Vt350ctlTest, BareCommandsWaitForTheirAcknowledgements) {
    EXPECT_EQ(Run({"--demo", "reset", "--yes"}).out, "Factory settings restored.\n");
    EXPECT_EQ(Run({"--demo", "connect"}).out, "Connected.\n");
    EXPECT_EQ(Run({"--demo", "disconnect"}).out, "Disconnected.\n");
    // Late answers and floods of unrelated acknowledgements still find the right reply.
    EXPECT_EQ(Run({"--demo", "--demo-behaviour", "late=5", "reset", "-y"}).exitCode, 0);
    EXPECT_EQ(Run({"--demo", "--demo-behaviour", "flood", "disconnect"}).exitCode, 0);
}

TEST_F(Vt350ctlTest, DiffComparesParameterByParameter) {
    Put(Path("a.qkf"), kFactory);
    std::string other = kFactory;
    other[1] = 35;
    other[14] = 1;
    Put(Path("b.qkf"), other);
    auto r = Run({"diff", Path("a.qkf"), Path("b.qkf")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find("Peak current: 30 A -> 35 A"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Reserved bytes: 00 00 00 00 -> 00 00 00 01"), std::string::npos);
    auto same = Run({"--demo", "diff", Path("a.qkf"), "device"});
    EXPECT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(same.out, "No differences.\n");
}

TEST_F(Vt350ctlTest, ExitCodesForEachFailure) {
    EXPECT_EQ(Run({"--demo", "--demo-behaviour", "absent", "read"}).exitCode, 3);
    EXPECT_EQ(Run({"--demo", "--demo-behaviour", "refuse", "read"}).exitCode, 3);
    EXPECT_EQ(Run({"--demo", "--demo-behaviour", "errors", "read"}).exitCode, 1);
    auto silent = Run({"--demo", "--demo-behaviour", "silent", "--timeout", "0.3", "read"});
    EXPECT_EQ(silent.exitCode, 4);
    EXPECT_EQ(silent.err,
              "Controller: port demo-1, serial 0001 (virtual:vt350/0001)\n"
              "vt350ctl: the controller did not answer within 0.3 s\n");
    EXPECT_EQ(Run({"--demo", "--demo-behaviour", "badcheck", "--timeout", "0.3", "read"}).exitCode,
              4);
    Put(Path("short.qkf"), "\x01\x02");
    EXPECT_EQ(Run({"--demo", "write", Path("short.qkf"), "--yes"}).exitCode, 5);
    EXPECT_EQ(Run({"--demo", "read", "-o", dir_.string()}).exitCode, 5);
    EXPECT_EQ(Run({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(Run({"--timeout", "soon", "read"}).exitCode, 2);
    EXPECT_EQ(Run({}).exitCode, 2);
    EXPECT_EQ(Run({"--demo", "--demo-behaviour", "grumpy", "read"}).exitCode, 2);
}

TEST_F(Vt350ctlTest, HelpAndVersion) {
    auto help = Run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("Exit status"), std::string::npos);
    auto writeHelp = Run({"write", "--help"});
    EXPECT_NE(writeHelp.out.find("--verify"), std::string::npos);
    auto version = Run({"--version"});
    EXPECT_EQ(version.out.substr(0, 9), "vt350ctl ");
}

// On a hub a command takes the controller it is told, refuses to guess, and the history
// keeps each controller apart.
TEST_F(Vt350ctlTest, OnAHubTheControllerIsChosenByPort) {
    setenv("XDG_DATA_HOME", Path("hub-home").c_str(), 1);
    const std::vector<std::string> hub = {"--demo", "--demo-behaviour", "hub=3"};
    const auto on = [&](std::vector<std::string> args) {
        args.insert(args.begin(), hub.begin(), hub.end());
        return Run(args);
    };
    auto guessed = on({"read"});
    EXPECT_EQ(guessed.exitCode, 2);
    EXPECT_EQ(guessed.err,
              "vt350ctl: 3 controllers are plugged in (demo-1, demo-2, demo-3): choose one with "
              "--port\n");
    const auto empty = on({"--port", "demo-9", "read"});
    EXPECT_EQ(empty.exitCode, 3);
    EXPECT_NE(empty.err.find("plugged into demo-1, demo-2, demo-3"), std::string::npos)
        << empty.err;
    // Two are as many as three: none is guessed, and the list takes none of them.
    const std::vector<std::string> two = {"--demo", "--demo-behaviour", "hub=2"};
    auto pair = two;
    pair.push_back("read");
    EXPECT_EQ(Run(pair).err,
              "vt350ctl: 2 controllers are plugged in (demo-1, demo-2): choose one with --port\n");
    pair = two;
    pair.insert(pair.end(), {"list", "--json"});
    for (const auto& line : nlohmann::json::parse(Run(pair).out)) EXPECT_EQ(line["taken"], false);
    const auto listed = nlohmann::json::parse(on({"--port", "demo-2", "list", "--json"}).out);
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(listed[1]["port"], "demo-2");
    EXPECT_EQ(listed[1]["taken"], true);
    EXPECT_EQ(listed[0]["taken"], false);
    EXPECT_EQ(listed[0]["controller"], true);

    std::string changed = kFactory;
    changed[0] = 20;
    Put(Path("changed.qkf"), changed);
    EXPECT_EQ(on({"--port", "demo-1", "read"}).exitCode, 0);
    auto stored = on({"--port", "demo-2", "write", Path("changed.qkf"), "--yes"});
    EXPECT_EQ(stored.exitCode, 0);
    EXPECT_NE(stored.err.find("port demo-2"), std::string::npos) << stored.err;
    EXPECT_EQ(on({"--port", "demo-1", "read"}).exitCode, 0);
    const auto entries = nlohmann::json::parse(Run({"--demo", "history", "--json"}).out);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[1]["port"], "demo-2");
    EXPECT_EQ(entries[1]["serial"], "0001");
    // Each entry against the one before of its own controller: the second read of demo-1
    // follows its first, not the store into demo-2.
    EXPECT_EQ(entries[0]["changes"].size(), 0u) << entries.dump();
    const auto demo2 =
        nlohmann::json::parse(Run({"--demo", "history", "--port", "demo-2", "--json"}).out);
    ASSERT_EQ(demo2.size(), 1u);
    EXPECT_EQ(demo2[0]["number"], 2);
}

// Every set read, stored and reset is kept; any of them goes back into the controller.
TEST_F(Vt350ctlTest, TheHistoryKeepsEverySetAndRestoresAny) {
    setenv("XDG_DATA_HOME", Path("home").c_str(), 1);
    std::string changed = kFactory;
    changed[0] = 20;
    Put(Path("changed.qkf"), changed);
    EXPECT_EQ(Run({"--demo", "read"}).exitCode, 0);
    EXPECT_EQ(Run({"--demo", "write", Path("changed.qkf"), "--yes"}).exitCode, 0);
    EXPECT_EQ(Run({"--demo", "reset", "--yes"}).exitCode, 0);
    auto listed = Run({"--demo", "history", "--json"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    const auto entries = nlohmann::json::parse(listed.out);
    ASSERT_EQ(entries.size(), 3u) << listed.out;
    EXPECT_EQ(entries[0]["event"], "reset");
    EXPECT_EQ(entries[1]["event"], "stored");
    EXPECT_EQ(entries[1]["set"], "141e876e1901000001008000000000");
    EXPECT_EQ(entries[2]["event"], "read");
    EXPECT_EQ(entries[2]["set"], "0f1e876e1901000001008000000000");
    // Each demo program's virtual controller is plugged in when it starts.
    EXPECT_EQ(entries[1]["plugged_in_anew"], true);
    EXPECT_EQ(entries[1]["port_before"], entries[2]["id"]);
    auto restored = Run({"--demo", "restore", "3", "--yes", "--verify"});
    EXPECT_EQ(restored.exitCode, 0) << restored.err;
    EXPECT_NE(restored.out.find("Verified"), std::string::npos);
    const auto after = nlohmann::json::parse(Run({"--demo", "history", "--json"}).out);
    EXPECT_EQ(after[1]["event"], "stored");
    EXPECT_EQ(after[1]["set"], entries[2]["set"]) << "the first set went back";
    EXPECT_EQ(Run({"--demo", "restore", "1", "--yes"}).exitCode, 0) << "the read-back, a set";
    EXPECT_EQ(Run({"--demo", "restore", "99", "--yes"}).exitCode, 2);
    // A history that cannot be written changes no outcome and is said once.
    Put(Path("not-a-folder"), "x");
    setenv("XDG_DATA_HOME", Path("not-a-folder").c_str(), 1);
    auto blocked = Run({"--demo", "write", Path("changed.qkf"), "--yes", "--verify", "-q"});
    EXPECT_EQ(blocked.exitCode, 0);
    EXPECT_EQ(std::count(blocked.err.begin(), blocked.err.end(), '\n'), 1) << blocked.err;
    EXPECT_NE(blocked.err.find("history cannot be kept"), std::string::npos);
    unsetenv("XDG_DATA_HOME");
}

// A controller plugged into its port anew (the same unit replugged, or a new unit with the
// same serial) starts a line of its own: its first set is no change of the unit before it,
// and the port's set before stays one diff away. Copies name their controller.
TEST_F(Vt350ctlTest, APortableCopyKeepsItsHistoryBesideItself) {
    const std::string copy = Path("vt350ctl");
    fs::copy_file(VT350CTL_PATH, copy);
    std::ofstream(Path(kPortableMarker)) << "portable\n";
    setenv("XDG_DATA_HOME", Path("home").c_str(), 1);
    EXPECT_EQ(RunProcess({copy, "--demo", "read"}).exitCode, 0);
    EXPECT_TRUE(fs::exists(Path("demo-history/history.db")));
    EXPECT_FALSE(fs::exists(Path("home/vt350-config/demo-history"))) << "not the user's";
    const auto listed =
        nlohmann::json::parse(RunProcess({copy, "--demo", "history", "--json"}).out);
    EXPECT_EQ(listed.size(), 1u) << "found again beside itself";
}

TEST_F(Vt350ctlTest, AReplugIntoTheSamePortStartsALineOfItsOwn) {
    setenv("XDG_DATA_HOME", Path("replug-home").c_str(), 1);
    {
        History history(HistoryFolder(true), "vt350-config", HistoryNow);
        const auto keep = [&](HistoryEvent event, const char* port, const char* plugIn,
                              std::uint8_t amps) {
            ConfigRecord set;
            set.ReplaceAll(reinterpret_cast<const std::uint8_t*>(kFactory.data()));
            set.Set(0, amps);
            ASSERT_TRUE(history.Record(event, {"/dev/hidraw1", port, "0001", plugIn}, &set));
        };
        keep(HistoryEvent::kRead, "1-1", "5:/dev/hidraw1", 15);     // @1
        keep(HistoryEvent::kStored, "1-1", "5:/dev/hidraw1", 20);   // @2
        keep(HistoryEvent::kRead, "2-1", "6:/dev/hidraw2", 18);     // @3, another controller
        keep(HistoryEvent::kRead, "1-1", "9:/dev/hidraw1", 20);     // @4, the unit replugged
        keep(HistoryEvent::kRead, "1-1", "12:/dev/hidraw1", 15);    // @5, a new unit there
        keep(HistoryEvent::kStored, "1-1", "12:/dev/hidraw1", 16);  // @6
    }
    const auto listed = Run({"--demo", "history", "--port", "1-1"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_EQ(listed.out.find("20 A \u2192 15 A"), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("Continuous current 15 A \u2192 16 A"), std::string::npos);
    EXPECT_NE(listed.out.find("plugged in anew: the port's set before is @4 (vt350ctl diff @4 @5)"),
              std::string::npos)
        << listed.out;
    EXPECT_NE(listed.out.find("the port's set before is @2 (vt350ctl diff @2 @4)"),
              std::string::npos);
    EXPECT_NE(listed.out.find("Continuous current 15 A \u2192 20 A"), std::string::npos);
    const auto entries = nlohmann::json::parse(Run({"--demo", "history", "--json"}).out);
    ASSERT_EQ(entries.size(), 6u);
    EXPECT_EQ(entries[1]["plugged_in_anew"], true);
    EXPECT_EQ(entries[1]["changes"].size(), 0u);
    EXPECT_EQ(entries[1]["port_before"], 4);
    EXPECT_EQ(entries[0]["plugged_in_anew"], false);
    const std::string copy = entries[0]["file"];
    EXPECT_NE(copy.find("-port1-1-serial0001-"), std::string::npos) << copy;
    EXPECT_EQ(copy.substr(copy.size() - 11), "-stored.qkf");
    EXPECT_EQ(Run({"--demo", "history", "show", copy}).exitCode, 0);
    const auto diff = Run({"--demo", "diff", "@4", "@5"});
    EXPECT_EQ(diff.exitCode, 1);
    EXPECT_EQ(diff.out, "Continuous current: 20 A -> 15 A\n");
    EXPECT_EQ(Run({"--demo", "diff", "@99", "@5"}).exitCode, 2);
    unsetenv("XDG_DATA_HOME");
}

// In a sticky world-writable folder, root does not write through another user's link: the
// kernel's own rule (fs.protected_symlinks) decides, as for any program's open.
TEST_F(Vt350ctlTest, AnotherUsersLinkInASharedFolderIsNotWrittenThrough) {
    const char* sysctl = "/proc/sys/fs/protected_symlinks";
    if (geteuid() != 0 || access("/usr/bin/setpriv", X_OK) != 0) {
        GTEST_SKIP() << "needs root and setpriv for a second user";
    }
    const std::string was = Slurp(sysctl);
    if (was.empty() || !std::ofstream(sysctl).write("1\n", 2)) {
        GTEST_SKIP() << "fs.protected_symlinks cannot be set here";
    }
    struct Restore {
        const char* path;
        std::string value;
        ~Restore() { std::ofstream(path) << value; }
    } restore{sysctl, was};
    fs::create_directories(Path("public"));
    fs::permissions(Path("public"), fs::perms::all | fs::perms::sticky_bit);
    Put(Path("victim"), "precious file of root's");
    auto planted =
        RunProcess({"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups",
                    "/bin/ln", "-s", Path("victim"), Path("public/bike42.qkf")});
    ASSERT_EQ(planted.exitCode, 0) << planted.err;
    auto r = Run({"--demo", "read", "-o", Path("public/bike42.qkf")});
    EXPECT_EQ(r.exitCode, 5) << r.err;
    EXPECT_EQ(Slurp(Path("victim")), "precious file of root's");
    // Root's own link in the same folder is followed, and stays a link.
    fs::create_symlink(Path("victim"), Path("public/mine.qkf"));
    EXPECT_EQ(Run({"--demo", "read", "-o", Path("public/mine.qkf")}).exitCode, 0);
    EXPECT_EQ(Slurp(Path("victim")).substr(0, 15), kFactory);
    EXPECT_TRUE(fs::is_symlink(Path("public/mine.qkf")));
}

// A history that cannot be read whole is named with the reason and a non-zero exit, never
// listed as empty: a newer program's database is read but never written nor set back; text
// that is no UTF-8 or carries an escape is listed safely; the count is true past the
// listing's bound; damaged pages list what could be read; a header that is no database is
// named by `history` and `diff` alike.
TEST_F(Vt350ctlTest, AHistoryItCannotReadWholeIsNamedNeverListedAsEmpty) {
    setenv("XDG_DATA_HOME", Path("home").c_str(), 1);
    ASSERT_EQ(Run({"--demo", "read"}).exitCode, 0);
    const std::string db = Path("home") + "/vt350-config/demo-history/history.db";
    auto sql = [&](const std::string& statements) {
        sqlite3* h = nullptr;
        ASSERT_EQ(sqlite3_open(db.c_str(), &h), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(h, statements.c_str(), nullptr, nullptr, nullptr), SQLITE_OK)
            << sqlite3_errmsg(h);
        sqlite3_close(h);
    };
    sql("BEGIN; WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 12000) "
        "INSERT INTO entries(time, event, program, port, serial, record) SELECT "
        "'2026-12-08T00:00:00+0000', 'read', 'vt350ctl', 'p' || i, '0001', zeroblob(15) FROM n; "
        "INSERT INTO entries(time, event, program, port, serial, record) VALUES('2026', 'read', "
        "'other', 'x', CAST(X'1b5d303b6f776e6564ff07' AS TEXT), zeroblob(15)); "
        "PRAGMA user_version = 4; COMMIT;");

    auto read = Run({"--demo", "read"});
    EXPECT_EQ(read.exitCode, 0) << "the controller is read all the same";
    EXPECT_NE(read.err.find("newer version of the program (format 4"), std::string::npos)
        << read.err;
    auto listed = Run({"--demo", "history", "-n", "2"});
    EXPECT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_NE(listed.err.find("2 of 12002 entries"), std::string::npos) << listed.err;
    EXPECT_EQ(listed.out.find_first_of("\x1b\x07\xff"), std::string::npos) << listed.out;
    EXPECT_NE(listed.out.find("serial \\x1b]0;owned\\xff\\x07"), std::string::npos) << listed.out;
    auto json = Run({"--demo", "history", "--json", "-n", "1"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_EQ(nlohmann::json::parse(json.out)[0]["program"], "other");
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open(db.c_str(), &h), SQLITE_OK);
    sqlite3_stmt* version = nullptr;
    sqlite3_prepare_v2(h, "PRAGMA user_version", -1, &version, nullptr);
    ASSERT_EQ(sqlite3_step(version), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(version, 0), 4) << "never set back";
    sqlite3_finalize(version);
    sqlite3_close(h);

    // Pages in the middle of the file overwritten: what precedes them is listed, then why.
    std::string bytes = Slurp(db);
    ASSERT_GT(bytes.size(), 100000u);
    std::fill(bytes.begin() + static_cast<long>(bytes.size() * 2 / 5),
              bytes.begin() + static_cast<long>(bytes.size() * 3 / 5), '\x5a');
    Put(db, bytes);
    auto damaged = Run({"--demo", "history"});
    EXPECT_EQ(damaged.exitCode, 5);
    EXPECT_NE(damaged.err.find("cannot be read"), std::string::npos) << damaged.err;
    EXPECT_NE(damaged.err.find("malformed"), std::string::npos) << damaged.err;

    bytes.replace(0, 100, std::string(100, 'x'));
    Put(db, bytes);
    for (const std::vector<std::string>& command : {std::vector<std::string>{"--demo", "history"},
                                                    {"--demo", "diff", "@1", "@2"},
                                                    {"--demo", "history", "show", "@1"}}) {
        auto r = Run(command);
        EXPECT_EQ(r.exitCode, 5) << command[1] << ": " << r.err;
        EXPECT_NE(r.err.find("file is not a database"), std::string::npos) << r.err;
        EXPECT_EQ(r.out.find("is empty"), std::string::npos) << r.out;
    }
    unsetenv("XDG_DATA_HOME");
}

// What `history --port` and `diff` take is what they were asked for: a port's own entries
// (never a port below it on a hub), N of that port's; `@` and digits an entry, anything
// else a file; a factory reset refused by name.
TEST_F(Vt350ctlTest, HistoryAndDiffTakeExactlyWhatTheyWereAskedFor) {
    setenv("XDG_DATA_HOME", Path("home").c_str(), 1);
    ASSERT_EQ(Run({"--demo", "reset", "--yes"}).exitCode, 0);  // @1, a reset
    const std::string db = Path("home") + "/vt350-config/demo-history/history.db";
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open(db.c_str(), &h), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(h,
                           "BEGIN; WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                           "WHERE i < 30) INSERT INTO entries(time, event, program, port, serial, "
                           "record) SELECT '2026-12-09T08:00:00+0000', 'read', 'vt350ctl', "
                           "CASE WHEN i % 3 = 1 THEN '1-1' ELSE '1-1.3' END, '0001', "
                           "zeroblob(15) FROM n; COMMIT;",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(h);
    auto listed = Run({"--demo", "history", "--port", "1-1", "-n", "4", "--json"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    const auto entries = nlohmann::json::parse(listed.out);
    ASSERT_EQ(entries.size(), 4u) << "four of the port's, not four of all";
    for (const auto& e : entries) EXPECT_EQ(e["port"], "1-1");
    EXPECT_EQ(entries[0]["number"], 3) << "numbered among all, as restore takes them";

    Put(Path("@notes.qkf"), kFactory);
    const fs::path was = fs::current_path();
    fs::current_path(dir_);
    auto file = Run({"--demo", "diff", "@notes.qkf", "@2"});
    fs::current_path(was);
    EXPECT_EQ(file.exitCode, 1) << "the factory set against zeros: they differ; " << file.err;
    EXPECT_EQ(file.err.find("history"), std::string::npos) << file.err;
    auto reset = Run({"--demo", "diff", "@1", "@2"});
    EXPECT_EQ(reset.exitCode, 2);
    EXPECT_NE(reset.err.find("@1 is a factory reset and holds no set"), std::string::npos)
        << reset.err;
    unsetenv("XDG_DATA_HOME");
}
