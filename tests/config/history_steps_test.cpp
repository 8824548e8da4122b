// How the entries of a history follow one another: each against the one before it of the
// same controller and plug-in, the port's set before it, and entries kept before plug-ins
// were recorded.
#include "config/history_steps.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

HistoryEntry Entry(const std::string& port, const std::string& serial, const std::string& plugIn,
                   std::optional<int> current) {
    HistoryEntry e;
    e.device = "/dev/hidraw0";
    e.port = port;
    e.serial = serial;
    e.plugIn = plugIn;
    e.event = current ? "read" : "reset";
    if (current) {
        ConfigRecord set;
        set.Set(ConfigRecord::kContinuousCurrent, static_cast<std::uint8_t>(*current));
        e.set = set;
    }
    return e;
}

}  // namespace

// Newest first, as the history lists them.
TEST(HistorySteps, EachEntryFollowsItsOwnControllersLine) {
    const std::vector<HistoryEntry> entries = {
        Entry("1-1", "0002", "p3", 25),            // 0: another serial in the port, a new plug-in
        Entry("1-1", "0001", "p2", 20),            // 1: plugged in anew
        Entry("1-1", "0001", "p1", std::nullopt),  // 2: a reset, no set
        Entry("1-2", "0001", "q1", 30),            // 3: another port
        Entry("1-1", "0001", "p1", 18),            // 4
        Entry("1-1", "0001", "", 15),              // 5: kept before plug-ins were recorded
    };
    const std::vector<HistoryStep> steps = StepsOf(entries);
    ASSERT_EQ(steps.size(), entries.size());
    // An entry without a plug-in is of every plug-in: the line goes on through it.
    EXPECT_EQ(steps[4].before, 5u);
    EXPECT_FALSE(steps[4].newPlugIn);
    ASSERT_EQ(steps[4].changes.size(), 1u);
    // A new plug-in starts a line of its own, with no change lines, whatever the plug-in
    // before left last (here a reset).
    EXPECT_TRUE(steps[1].newPlugIn);
    EXPECT_FALSE(steps[1].before);
    EXPECT_TRUE(steps[1].changes.empty());
    // The port's set before: whatever the port held, whatever its serial or plug-in, always
    // an entry with a set (never the reset), never another port's.
    EXPECT_EQ(steps[1].portBefore, 4u);
    EXPECT_EQ(steps[0].portBefore, 1u);
    EXPECT_FALSE(steps[0].before) << "another serial is another controller";
    EXPECT_FALSE(steps[3].portBefore);
    EXPECT_EQ(steps[2].portBefore, 4u);
}
