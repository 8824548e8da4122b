// The workshop line on a hub of virtual controllers, all of one make (one serial): which
// controller each line names, and which one the set went into. Runs natively and under wine.
#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/workshop/provisioner.h"
#include "platform/virtual/virtual_hid_platform.h"

namespace {

ConfigRecord Set(std::uint8_t continuousAmps) {
    ConfigRecord r = VirtualController::FactoryRecord();
    r.Set(0, continuousAmps);
    return r;
}

class HubTest : public ::testing::Test {
  protected:
    HubTest() {
        for (auto& c : controllers_) c.stored = Old();
        for (std::size_t i = 1; i < controllers_.size(); ++i) {
            bench_.AddController(controllers_[i], false);
        }
    }

    static ConfigRecord Old() { return Set(11); }
    static ConfigRecord New() { return Set(22); }
    VirtualController& controller(std::size_t unit) { return controllers_[unit]; }

    // Runs the line; `step` is called while it waits, with the number of lines so far,
    // and ends it by returning false.
    void Run(const std::function<bool(int)>& step, int settleMs = 5000) {
        ProvisionJob job{New(), "shop.qkf", "", "", "", 0, 500, nullptr, port, settleMs};
        ProvisionHooks hooks;
        bool stop = false;
        hooks.stopRequested = [&] { return stop; };
        int waits = 0;  // a line that never gets there fails instead of hanging
        hooks.idle = [&](ProvisionPhase) { stop = !step(Lines()) || ++waits > 20000; };
        hooks.now = [] { return std::string("20261208-120000"); };
        hooks.isoTime = [] { return std::string("2026-12-08T12:00:00+0000"); };
        Provisioner line(bench_, bench_, job, out_, hooks);
        summary_ = line.Run();
    }
    // Controller 2, plugged in unannounced, refuses its opens with `error` (0: access
    // refused) until the fifth look; controller 1 arrives beside it. The line runs until two
    // controllers are programmed, or for `mostLooks` looks where that is not 0.
    void RunWithOpensRefusedUntilTheFifthLook(int error, int mostLooks = 0) {
        controller(1).behaviour.refuseOpens = true;
        controller(1).behaviour.refusedWith = error;
        bench_.PlugUnit(1, false);
        bench_.PlugUnit(0);
        int looks = 0;
        Run(
            [&](int lines) {
                if (++looks == 5) controller(1).behaviour.refuseOpens = false;
                return lines < 2 && (mostLooks == 0 || looks < mostLooks);
            },
            0);
    }
    // The port each line names, in order.
    std::vector<std::string> Ports() const {
        std::vector<std::string> ports;
        std::istringstream in(out_.str());
        for (std::string line; std::getline(in, line);) {
            const auto at = line.find("  port ");
            if (line.find("programmed") == std::string::npos || at == std::string::npos) continue;
            ports.push_back(line.substr(at + 7, line.find(' ', at + 7) - at - 7));
        }
        return ports;
    }
    int Lines() const { return static_cast<int>(Ports().size()); }

    std::array<VirtualController, 4> controllers_;
    VirtualHidPlatform bench_{controllers_[0], false};
    std::ostringstream out_;
    ProvisionSummary summary_;
    std::string port;
};

}  // namespace

TEST_F(HubTest, EveryControllerIsProgrammedOnceAndEachLineNamesTheOneItProgrammed) {
    for (std::size_t u = 0; u < 3; ++u) bench_.PlugUnit(u, false);  // plugged in at the start
    int phase = 0;
    Run([&](int lines) {
        if (phase == 0 && lines == 3) {
            // The three are done; controller 2 is pulled and the fourth plugged in its stead.
            for (std::size_t u = 0; u < 3; ++u) controller(u).stored = Old();
            bench_.UnplugUnit(1);
            bench_.PlugUnit(3);
            phase = 1;
        } else if (phase == 1 && lines == 4) {
            bench_.PlugUnit(1);  // back in: a new plug-in, programmed again
            phase = 2;
        }
        return !(phase == 2 && lines == 5);
    });
    EXPECT_EQ(Ports(), (std::vector<std::string>{"demo-1", "demo-2", "demo-3", "demo-4", "demo-2"}))
        << out_.str();
    EXPECT_EQ(summary_.programmed, 5);
    // The ones that stayed plugged in were not programmed a second time.
    EXPECT_EQ(controller(0).stored, Old());
    EXPECT_EQ(controller(2).stored, Old());
    EXPECT_EQ(controller(3).stored, New());
    EXPECT_EQ(controller(1).stored, New());
}

TEST_F(HubTest, APortLimitsTheLineToTheControllerPluggedInThere) {
    port = "demo-3";
    for (std::size_t u = 0; u < 4; ++u) bench_.PlugUnit(u);
    Run([&](int lines) { return lines < 1; });
    EXPECT_EQ(Ports(), std::vector<std::string>{"demo-3"});
    EXPECT_EQ(controller(0).stored, Old());
    EXPECT_EQ(controller(2).stored, New());
}

TEST_F(HubTest, RemovalsAreTakenFromWhatIsPluggedInNotFromCountingEvents) {
    bench_.PlugUnit(0);
    bench_.PlugUnit(1);
    int phase = 0;
    Run([&](int lines) {
        if (phase == 0 && lines == 2) {
            // Stale or foreign removals: one of another controller, then events lost with
            // nothing changed. Neither makes the line take a controller it took.
            bench_.UnplugUnit(1);
            bench_.LoseEvents();
            phase = 1;
        } else if (phase >= 1 && phase < 40) {
            ++phase;  // a while of waiting
        } else if (phase == 40) {
            EXPECT_EQ(lines, 2) << out_.str();
            // Pulled and plugged back in with both events lost: only the fresh look after
            // the loss sees that it was gone, and it is programmed again.
            bench_.Unplug(false);
            bench_.Plug(false);
            bench_.LoseEvents();
            phase = 41;
        }
        return lines < 3;
    });
    EXPECT_EQ(Ports(), (std::vector<std::string>{"demo-1", "demo-2", "demo-1"})) << out_.str();
}

TEST_F(HubTest, ARemovedControllerIsForgottenAtOnceWhereTheSystemTellsNoPlugIns) {
    // Pulled and another plugged into its port between two looks: only the removal says
    // that the one in the port now is a new one.
    bench_.plugInsKnown = false;
    bench_.PlugUnit(1);
    bool swapped = false;
    int waits = 0;
    Run([&](int lines) {
        if (lines == 1 && !swapped) {
            bench_.UnplugUnit(1);
            bench_.PlugUnit(1);
            swapped = true;
        }
        return lines < 2 && ++waits < 500;
    });
    EXPECT_EQ(Ports(), (std::vector<std::string>{"demo-2", "demo-2"})) << out_.str();
}

TEST_F(HubTest, AControllerWhoseInterfaceAppearsAfterItsArrivalIsProgrammed) {
    // As on Windows: the USB device arrives, its HID interface only some searches later.
    bench_.interfaceLag = 5;
    bool plugged = false;
    Run([&](int lines) {
        if (!plugged) bench_.PlugUnit(2);
        plugged = true;
        return lines < 1;
    });
    EXPECT_EQ(Ports(), std::vector<std::string>{"demo-3"});
    EXPECT_EQ(controller(2).stored, New());
}

TEST_F(HubTest, AControllerRefusedWhileItsNodeIsSetUpIsTakenOnceItMayBeOpened) {
    // As under a udev rule: the kernel makes the node before the rule gives it to the user,
    // and a look in between (for another controller's arrival) finds it and is refused.
    RunWithOpensRefusedUntilTheFifthLook(0);  // access refused, until the rule applied
    EXPECT_EQ(Ports(), (std::vector<std::string>{"demo-1", "demo-2"})) << out_.str();
    EXPECT_EQ(summary_.skipped, 0) << out_.str();
    EXPECT_EQ(controller(1).stored, New());
}

TEST_F(HubTest, AnOpenThatFailsForAnotherReasonIsSkippedAtOnce) {
    // Waited for, it would be programmed within the run's 200 looks.
    RunWithOpensRefusedUntilTheFifthLook(EIO, 200);
    EXPECT_EQ(summary_.skipped, 1) << out_.str();
    EXPECT_NE(controller(1).stored, New()) << "skipped, not waited for";
}
