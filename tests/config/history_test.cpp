// The history: entries kept exclusively and never through a link, the bound, the index.
#include "config/history.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "config/network_share.h"
#include "platform/history_place.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

// A clock that stands still unless told to move: the next entry's name is known.
struct StillClock {
    int millis = 100;
    HistoryTime operator()() const {
        return {"20261207-142033-" + std::to_string(millis), "2026-12-07T14:20:33+0000"};
    }
};

}  // namespace

TEST(History, EntriesAreNeverWrittenThroughALinkOrOverAFile) {
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need rights of their own on Windows";
#endif
    TempDir tmp("vt350-history");
    const std::string folder = tmp / "history";
    fs::create_directories(folder);
    PutFileBytes(tmp / "victim", "precious");
    fs::create_symlink(tmp / "victim", folder + "/20261207-142033-100-read.qkf");
    StillClock clock;
    History history(folder, "vt350ctl", [&] { return clock(); });
    const ConfigRecord set = RecordOf({15, 30, 135});
    ASSERT_TRUE(history.Record(HistoryEvent::kRead, "/dev/hidraw3", &set));
    EXPECT_EQ(FileBytes(tmp / "victim"), "precious") << "the planted link was followed";
    const auto entries = history.Entries();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_NE(entries[0].file, "20261207-142033-100-read.qkf");
    EXPECT_EQ(FileBytes(folder + "/" + entries[0].file),
              std::string(set.Bytes().begin(), set.Bytes().end()));
    // Two entries within one millisecond both stay.
    ASSERT_TRUE(history.Record(HistoryEvent::kReset, "/dev/hidraw3", nullptr));
    ASSERT_TRUE(history.Record(HistoryEvent::kReset, "/dev/hidraw3", nullptr));
    EXPECT_EQ(history.Entries().size(), 3u);
}

TEST(History, TheOldestGoFirstAndEntriesAreFoundByNumberIdOrName) {
    TempDir tmp("vt350-history");
    StillClock clock;
    const auto now = [&] { return clock(); };
    History history(tmp / "h", "vt350-config", now, 3);
    for (std::uint8_t i = 1; i <= 4; ++i) {
        clock.millis = 100 + i;
        const ConfigRecord set = RecordOf({i, 30, 135});
        ASSERT_TRUE(history.Record(HistoryEvent::kStored, "virtual", &set));
    }
    const auto entries = history.Entries();
    ASSERT_LE(entries.size(), 3u);
    EXPECT_EQ(entries.front().set->Get(0), 4) << "newest first";
    for (const auto& e : entries) EXPECT_NE(e.set->Get(0), 1) << "the oldest was removed";
    EXPECT_FALSE(fs::exists(tmp / "h/20261207-142033-101-stored.qkf"));
    EXPECT_EQ(history.Find("1")->set->Get(0), 4);
    EXPECT_EQ(history.Find(entries.back().file)->file, entries.back().file);
    // The id stays with its entry while the numbers move on.
    const std::string id = "@" + std::to_string(entries[0].id);
    clock.millis = 200;
    const ConfigRecord newer = RecordOf({9, 30, 135});
    ASSERT_TRUE(history.Record(HistoryEvent::kStored, "virtual", &newer));
    EXPECT_EQ(history.Find("2")->set->Get(0), 4);
    EXPECT_EQ(history.Find(id)->set->Get(0), 4);
    EXPECT_FALSE(history.Find("99"));
    EXPECT_FALSE(history.Find("0"));
    EXPECT_FALSE(history.Find("@99"));
    EXPECT_FALSE(history.Find("../etc/passwd"));
}

TEST(History, AnEarlierIndexIsTakenInOnceWithItsFiles) {
    TempDir tmp("vt350-history");
    const std::string folder = tmp / "history";
    fs::create_directories(folder);
    PutFileBytes(folder + "/20261201-080000-000-read.qkf", std::string(15, '\x0f'));
    PutFileBytes(folder + "/20261201-090000-000-reset", "");
    PutFileBytes(folder + "/history.jsonl",
                 R"({"time":"2026-12-01T08:00:00+0100","event":"read","program":"vt350ctl",)"
                 R"("device":"/dev/hidraw0","set":"0f0f0f0f0f0f0f0f0f0f0f0f0f0f0f",)"
                 R"("file":"20261201-080000-000-read.qkf"})"
                 // Lines whose fields are damaged: a number for a text, a set too short,
                 // a set that is no hex, an array for the whole line.
                 "\n{\"time\":7,\"event\":\"read\",\"program\":\"x\",\"device\":\"d\"}"
                 "\n{\"time\":\"t\",\"event\":\"read\",\"program\":\"x\",\"set\":\"0f0f\"}"
                 "\n{\"time\":\"t\",\"event\":\"stored\",\"program\":\"x\",\"set\":"
                 "\"zz0f0f0f0f0f0f0f0f0f0f0f0f0f0f\",\"file\":{}}"
                 "\n[1,2,3]"
                 // A line a full disk tore, with the next one glued to it.
                 "\n{\"time\":\"2026-12-01T08:30\",\"eve"
                 R"({"time":"2026-12-01T09:00:00+0100","event":"reset","program":"vt350-config",)"
                 R"("device":"/dev/hidraw1","set":null,"file":"20261201-090000-000-reset"})"
                 "\n");
    StillClock clock;
    {
        History history(folder, "vt350ctl", [&] { return clock(); });
        const auto entries = history.Entries();
        ASSERT_EQ(entries.size(), 2u);
        EXPECT_EQ(entries[0].event, "reset");
        EXPECT_EQ(entries[0].program, "vt350-config");
        EXPECT_EQ(entries[1].time, "2026-12-01T08:00:00+0100");
        EXPECT_EQ(entries[1].device, "/dev/hidraw0");
        EXPECT_EQ(*entries[1].set,
                  RecordOf({15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15, 15}));
        EXPECT_LT(entries[1].id, entries[0].id);
        EXPECT_EQ(history.Find("20261201-080000-000-read.qkf")->id, entries[1].id);
    }
    EXPECT_FALSE(fs::exists(folder + "/history.jsonl"));
    EXPECT_TRUE(fs::exists(folder + "/history.jsonl.imported"));
    EXPECT_TRUE(fs::exists(folder + "/20261201-080000-000-read.qkf"));
    // Put back by hand, it is not taken in twice.
    fs::rename(folder + "/history.jsonl.imported", folder + "/history.jsonl");
    History again(folder, "vt350ctl", [&] { return clock(); });
    EXPECT_EQ(again.Entries().size(), 2u);
    // An index longer than the bound: its newest entries, as many as the bound.
    const std::string longer = tmp / "longer";
    fs::create_directories(longer);
    std::string lines;
    for (int minute = 1; minute <= 4; ++minute) {
        lines += R"({"time":"2026-12-01T08:0)" + std::to_string(minute) +
                 R"(:00+0100","event":"read","program":"vt350ctl","device":"/dev/hidraw0",)"
                 R"("set":"0)" +
                 std::to_string(minute) + std::string(28, '0') + "\"}\n";
    }
    PutFileBytes(longer + "/history.jsonl", lines);
    const auto now = [&] { return clock(); };
    History bounded(longer, "vt350ctl", now, 3);
    const auto kept = bounded.Entries();
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_EQ(kept.back().time, "2026-12-01T08:02:00+0100") << "the oldest went";
}

// The clock the programs keep history by: an ISO 8601 time with its offset on every system
// (Windows' own %z gives the zone's name instead).
TEST(History, TheProgramsClockGivesIsoTimesWithTheirOffset) {
    // "2026-12-07T18:41:25+0000": digits where digits belong, the separators, the sign.
    const auto fits = [](const std::string& text, const std::string& pattern) {
        if (text.size() != pattern.size()) return false;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const bool digit = text[i] >= '0' && text[i] <= '9';
            if (pattern[i] == 'd'   ? !digit
                : pattern[i] == 's' ? text[i] != '+' && text[i] != '-'
                                    : text[i] != pattern[i]) {
                return false;
            }
        }
        return true;
    };
    const HistoryTime now = HistoryNow();
    EXPECT_TRUE(fits(now.iso, "dddd-dd-ddTdd:dd:ddsdddd")) << now.iso;
    EXPECT_TRUE(fits(now.stamp, "dddddddd-dddddd-ddd")) << now.stamp;
}

// A history kept by the version before plug-ins were kept is taken on as it is; a program of
// that version that writes into it afterwards (setting its version back) breaks nothing.
TEST(History, AHistoryFromBeforePlugInsKeepsItsEntries) {
    TempDir tmp("vt350-history");
    const std::string folder = tmp / "h";
    fs::create_directories(folder);
    const auto exec = [&](const char* sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open((folder + "/history.db").c_str(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK)
            << sqlite3_errmsg(db);
        sqlite3_close(db);
    };
    exec(R"sql(
CREATE TABLE entries(id INTEGER PRIMARY KEY AUTOINCREMENT, time TEXT NOT NULL,
    event TEXT NOT NULL, program TEXT NOT NULL, port TEXT NOT NULL DEFAULT '',
    serial TEXT NOT NULL DEFAULT '', node TEXT NOT NULL DEFAULT '',
    record BLOB CHECK (record IS NULL OR length(record) = 15), file TEXT NOT NULL DEFAULT '');
CREATE TABLE settings(key TEXT PRIMARY KEY, value TEXT NOT NULL);
INSERT INTO entries(time, event, program, port, serial, node, record, file) VALUES(
    '2026-12-01T10:00:00+0000', 'read', 'vt350ctl', '1-1', '0001', '/dev/hidraw1',
    x'0f1e876e190100000100800000000a', '20261201-100000-000-read.qkf');
PRAGMA user_version = 1;)sql");
    StillClock clock;
    const ConfigRecord set = RecordOf({20, 30, 135});
    for (int round = 0; round < 2; ++round) {
        History history(folder, "vt350-config", [&] { return clock(); });
        clock.millis += 1;
        ASSERT_TRUE(
            history.Record(HistoryEvent::kStored, {"/dev/hidraw1", "1-1", "0001", "7"}, &set));
        const auto entries = history.Entries();
        ASSERT_EQ(entries.size(), 2u + round);
        EXPECT_EQ(entries[0].plugIn, "7");
        EXPECT_EQ(entries.back().plugIn, "");
        EXPECT_EQ(entries.back().set->Get(14), 10);
        EXPECT_EQ(history.Find("20261201-100000-000-read.qkf")->id, entries.back().id);
        exec("PRAGMA user_version = 1");  // what the earlier version's start does
    }
}

// A history folder on a network file system is said once, with what to do, and the entries
// are kept all the same; a local one says nothing. The system's answer is the seam.
TEST(History, AFolderOnANetworkFileSystemIsSaidOnce) {
    TempDir tmp("history-share");
    const NetworkFileSystemProbe system = NetworkProbe();
    EXPECT_EQ(NetworkShareWarning(tmp.path().string(), "The history folder"), "")
        << "this machine's temporary folder is local";
    NetworkProbe() = [](const std::string&) { return std::string("nfs"); };
    History first(tmp / "history", "vt350ctl", StillClock{});
    History second = first.Twin();
    testing::internal::CaptureStderr();
    const ConfigRecord set;
    EXPECT_TRUE(first.Record(HistoryEvent::kRead, "/dev/hidraw0", &set));
    EXPECT_TRUE(second.Prepare());
    const std::string said = testing::internal::GetCapturedStderr();
    NetworkProbe() = system;
    EXPECT_NE(first.shareWarning().find("is on a network file system (nfs)"), std::string::npos);
    EXPECT_EQ(second.shareWarning(), first.shareWarning());
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("Keep it on a local disk"), std::string::npos) << said;
    EXPECT_EQ(first.Entries().size(), 1u);
}

// A copy's name keeps only letters, digits, dots and dashes of the port and serial, so that a
// serial with a slash, a space or a Windows location's '#' still gives a copy in the folder.
TEST(History, ACopysNameTakesOnlyPlainCharactersOfPortAndSerial) {
    TempDir tmp("history-names");
    History history(tmp / "history", "vt350ctl", StillClock{});
    const ConfigRecord set;
    ASSERT_TRUE(
        history.Record(HistoryEvent::kRead, {"/dev/hidraw0", "USB#1.2", "a/b c..", "p"}, &set));
    const auto kept = history.Entries();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].file, "20261207-142033-100-portUSB_1.2-seriala_b_c..-read.qkf");
    EXPECT_TRUE(fs::is_regular_file(tmp.path() / "history" / kept[0].file));
    EXPECT_EQ(kept[0].serial, "a/b c..") << "the entry keeps the serial as it came";
}
