// The history under the things that happen to it on a real system: several programs at
// once, kills at any moment, planted pipes and links, root with another user's folder.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <set>

#include "config/config_file.h"
#include "config/history.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

// A distinct moment for every entry of every process.
HistoryTime Moment() {
    static int n = 0;
    const std::string millis = std::to_string(100 + (++n % 900));
    return {"20261207-142033-" + millis + "-" + std::to_string(::getpid()),
            "2026-12-07T14:20:33+0000"};
}

// Runs `work` in a child process that is given `seconds`; true when it returned true in
// time (a child that hangs is ended by its alarm and counts as false).
bool InChild(int seconds, const std::function<bool()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(static_cast<unsigned>(seconds));
        ::_exit(work() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// The copies in the folder, and the copies the entries name: the two must be one.
std::set<std::string> CopiesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder)) {
        const std::string name = e.path().filename().string();
        if (name.rfind("history.", 0) != 0) names.insert(name);
    }
    return names;
}
std::set<std::string> CopiesNamed(const History& history) {
    std::set<std::string> names;
    for (const HistoryEntry& e : history.Entries()) names.insert(e.file);
    return names;
}

}  // namespace

TEST(HistoryOnDisk, ProgramsKeepingOneHistoryAtOnceLoseNothing) {
    TempDir tmp("vt350-history-many");
    const std::string folder = tmp / "history";
    constexpr int kPrograms = 8, kEach = 500, kLimit = 300;
    std::vector<pid_t> children;
    for (int p = 0; p < kPrograms; ++p) {
        const pid_t child = ::fork();
        if (child == 0) {
            History history(folder, "vt350ctl", Moment, kLimit);
            const ConfigRecord set = RecordOf({static_cast<std::uint8_t>(p), 30, 135});
            for (int i = 0; i < kEach; ++i) {
                if (!history.Record(HistoryEvent::kStored, "/dev/hidraw" + std::to_string(p),
                                    &set)) {
                    ::_exit(1);
                }
            }
            ::_exit(0);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "an entry was refused";
    }
    const History history(folder, "vt350ctl", Moment, kLimit);
    const auto entries = history.Entries();
    ASSERT_GE(entries.size(), kLimit * 9u / 10);
    ASSERT_LE(entries.size(), static_cast<std::size_t>(kLimit));
    // Ids are given only to entries that were kept: the newest is the 4,000th, and the
    // kept ones follow each other without a gap.
    EXPECT_EQ(entries.front().id, kPrograms * kEach);
    EXPECT_EQ(entries.front().id - entries.back().id + 1, static_cast<long>(entries.size()));
    EXPECT_EQ(CopiesIn(folder), CopiesNamed(history)) << "every copy named, none without its entry";
}

TEST(HistoryOnDisk, AKillAtAnyMomentLeavesItWholeAndWhatItLeftGoesAtTheNextTrim) {
    TempDir tmp("vt350-history-kill");
    const std::string folder = tmp / "history";
    constexpr int kLimit = 40;
    std::mt19937 random(7);
    for (int round = 0; round < 25; ++round) {
        const pid_t child = ::fork();
        if (child == 0) {
            History history(folder, "vt350ctl", Moment, kLimit);
            const ConfigRecord set = RecordOf({15, 30, 135});
            for (;;) history.Record(HistoryEvent::kRead, "/dev/hidraw0", &set);
        }
        ::usleep(std::uniform_int_distribution<int>(2000, 40000)(random));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    History history(folder, "vt350ctl", Moment, kLimit);
    const auto entries = history.Entries();
    ASSERT_FALSE(entries.empty());
    for (const HistoryEntry& e : entries) {
        EXPECT_TRUE(fs::exists(folder + "/" + e.file)) << "an entry without its copy: " << e.file;
    }
    // What the kills left is old by the next trim; then copies and entries are one again.
    const utimbuf old{::time(nullptr) - 120, ::time(nullptr) - 120};
    for (const std::string& name : CopiesIn(folder)) {
        ::utime((folder + "/" + name).c_str(), &old);
    }
    const ConfigRecord set = RecordOf({15, 30, 135});
    for (int i = 0; i < kLimit; ++i) ASSERT_TRUE(history.Record(HistoryEvent::kRead, "x", &set));
    EXPECT_EQ(CopiesIn(folder), CopiesNamed(history));
}

TEST(HistoryOnDisk, PlantedPipesLinksAndDevicesNeitherHangNorGrow) {
    TempDir tmp("vt350-history-planted");
    const ConfigRecord set = RecordOf({15, 30, 135});
    auto fifo = [](const std::string& path) { ::mkfifo(path.c_str(), 0600); };
    auto zero = [](const std::string& path) { fs::create_symlink("/dev/zero", path); };
    // Where the database would be, a pipe or a link: no history, said once. An earlier
    // index that is a pipe, or a link to an endless device: passed over. Nothing hangs.
    const struct {
        const char* name;
        std::function<void(const std::string&)> plant;
        bool kept;
    } cases[] = {{"history.db", fifo, false},
                 {"history.db-wal", zero, false},
                 {"history.jsonl", fifo, true},
                 {"history.jsonl", zero, true}};
    int n = 0;
    for (const auto& c : cases) {
        const std::string folder = tmp / std::to_string(++n);
        fs::create_directories(folder);
        c.plant(folder + "/" + c.name);
        EXPECT_TRUE(
            InChild(20,
                    [&] {
                        History history(folder, "vt350ctl", Moment);
                        testing::internal::CaptureStderr();
                        const bool first = history.Record(HistoryEvent::kRead, "x", &set);
                        const bool kept = history.Record(HistoryEvent::kRead, "x", &set) && first;
                        const std::string said = testing::internal::GetCapturedStderr();
                        return kept == c.kept && history.Entries().size() == (c.kept ? 2u : 0u) &&
                               std::count(said.begin(), said.end(), '\n') == (c.kept ? 0 : 1);
                    }))
            << c.name << " in folder " << n;
    }
    // The history's folder itself a link, to a folder of someone else's choosing: never
    // opened through it.
    const std::string elsewhere = tmp / "elsewhere";
    fs::create_directories(elsewhere);
    fs::create_directory_symlink(elsewhere, tmp / "linked");
    {
        History history(tmp / "linked", "vt350ctl", Moment);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(history.Record(HistoryEvent::kRead, "x", &set));
        testing::internal::GetCapturedStderr();
    }
    EXPECT_TRUE(fs::is_empty(elsewhere));
}

TEST(HistoryOnDisk, RootKeepsNoHistoryInAnotherUsersFolderAndCreatesNothingThere) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root and a second user";
    TempDir tmp("vt350-history-root");
    // sudo -E: root with the HOME of the user "nobody".
    const std::string home = tmp / "home";
    fs::create_directories(home);
    ASSERT_EQ(::chown(home.c_str(), 65534, 65534), 0);
    const ConfigRecord set = RecordOf({15, 30, 135});
    {
        History history(home + "/.local/share/vt350-config/history", "vt350ctl", Moment);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(history.Record(HistoryEvent::kRead, "x", &set));
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("another user"), std::string::npos) << said;
        // Nor does the window's autosave, which falls back to the same data folder.
        AutosavePath("/usr/bin", home + "/.local/share/vt350-config");
        EXPECT_TRUE(fs::is_empty(home)) << "root made folders in the user's home";
    }
    // The user's own history folder that root left behind: the user is told, once.
    const std::string mine = tmp / "mine";
    fs::create_directories(mine + "/history");
    ASSERT_EQ(::chown(mine.c_str(), 65534, 65534), 0);
    EXPECT_TRUE(InChild(20, [&] {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) return false;
        History history(mine + "/history", "vt350ctl", Moment);
        testing::internal::CaptureStderr();
        const bool kept = history.Record(HistoryEvent::kRead, "x", &set);
        const std::string said = testing::internal::GetCapturedStderr();
        return !kept && said.find("belongs to another user") != std::string::npos;
    }));
}
