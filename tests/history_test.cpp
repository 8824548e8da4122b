// The history: entries kept exclusively and never through a link, the bound, the index.
#include "config/history.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

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
    // The index is never a link either.
    fs::remove(folder + "/history.jsonl");
    fs::create_symlink(tmp / "victim", folder + "/history.jsonl");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(history.Record(HistoryEvent::kRead, "/dev/hidraw3", &set));
    EXPECT_FALSE(history.Record(HistoryEvent::kRead, "/dev/hidraw3", &set));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(FileBytes(tmp / "victim"), "precious");
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << "said once: " << said;
}

TEST(History, TheOldestGoFirstAndEntriesAreFoundByNumberOrName) {
    TempDir tmp("vt350-history");
    StillClock clock;
    History history(
        tmp / "h", "vt350-config", [&] { return clock(); }, 3);
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
    EXPECT_FALSE(history.Find("99"));
    EXPECT_FALSE(history.Find("../etc/passwd"));
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
