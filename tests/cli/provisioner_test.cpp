// The workshop line against the virtual controller: controllers plugged in one after
// another, some misbehaving; what the screen, the log and the backups say of each.
#include "cli/workshop/provisioner.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>

#include "forwarding_hid_platform.h"
#include "platform/virtual/virtual_hid_platform.h"
#include "protocol/response_report.h"
#include "test_support.h"

namespace {

// Pulls the cable once the store was acknowledged, before the read-back request goes out,
// as a hurried technician does; or, for a controller that keeps something else than it
// was sent, changes byte 0 of the read-back's answer.
class PullAfterStore : public ForwardingHidPlatform {
  public:
    explicit PullAfterStore(VirtualHidPlatform& inner)
        : ForwardingHidPlatform(inner), inner_(inner) {}
    int Write(HidHandle h, const std::uint8_t* r) override {
        if (armed && stored) inner_.Unplug();
        readingBack = stored && r[1] == 2 && r[2] == 4;
        stored = r[1] == 1;
        return ForwardingHidPlatform::Write(h, r);
    }
    ReadStatus Read(HidHandle h, std::uint8_t* r, int t) override {
        if (strayError && readingBack) {
            // Another request's error (a store's, 49) before the read-back's answer: not
            // the answer to this request, which is passed over.
            strayError = false;
            std::fill(r, r + ResponseReport::kSize, 0);
            r[1] = ResponseReport::kError;
            r[2] = r[3] = r[4] = kLoadFailed;
            return ReadStatus::kReceived;
        }
        const ReadStatus status = ForwardingHidPlatform::Read(h, r, t);
        if (status == ReadStatus::kReceived && keepsOther && readingBack && r[1] == 1) {
            ResponseReport reply;
            std::copy(r, r + ResponseReport::kSize, reply.data());
            reply[2 + otherByte] ^= 1;
            SealConfigReply(reply);
            std::copy(reply.data(), reply.data() + ResponseReport::kSize, r);
        }
        if (status == ReadStatus::kReceived && readingBack && afterReadBack) {
            readingBack = false;
            const std::function<void()> swap = std::move(afterReadBack);
            afterReadBack = nullptr;
            swap();
        }
        return status;
    }
    bool armed = false;
    bool keepsOther = false;
    int otherByte = 0;  // the byte of the set it keeps other than it was sent
    bool strayError = false;
    bool stored = false;
    bool readingBack = false;
    std::function<void()> afterReadBack;

  private:
    VirtualHidPlatform& inner_;
};

// kSwapped: programmed, then swapped for the next controller at once, while the line is
// still busy with it.
enum class Kind { kGood, kErrorReply, kPulled, kSilent, kKeepsOther, kRefuses, kSwapped };

class ProvisionerTest : public ::testing::Test {
  protected:
    // Plugs in controller after controller, each with a set of its own and the given
    // misbehaviour, and unplugs each when the line waits for its removal.
    ProvisionSummary RunLine(const std::vector<Kind>& kinds, int count,
                             std::function<bool()> stop = {},
                             std::function<void(std::size_t)> beforePlug = {}) {
        std::size_t next = 0;
        pull.stored = pull.readingBack = false;  // nothing of an earlier line
        ProvisionHooks hooks;
        hooks.stopRequested = stop ? stop : [] { return false; };
        std::function<void()> plugNext;
        plugNext = [&] {
            if (beforePlug) beforePlug(next);
            controller.behaviour = {};
            controller.behaviour.errorReplies = kinds[next] == Kind::kErrorReply;
            controller.behaviour.silent = kinds[next] == Kind::kSilent;
            controller.behaviour.refuseOpens = kinds[next] == Kind::kRefuses;
            pull.armed = kinds[next] == Kind::kPulled;
            pull.keepsOther = kinds[next] == Kind::kKeepsOther;
            controller.stored = Previous(next);
            pull.afterReadBack = nullptr;
            if (kinds[next] == Kind::kSwapped && next + 1 < kinds.size()) {
                pull.afterReadBack = [&] {
                    platform.Unplug();
                    plugNext();
                };
            }
            ++next;
            platform.Plug();
        };
        hooks.idle = [&](ProvisionPhase phase) {
            if (phase == ProvisionPhase::kWaitingForRemoval) {
                platform.Unplug();
                return;
            }
            if (next < kinds.size() && !platform.plugged()) plugNext();
        };
        hooks.now = [] { return std::string("20261207-120000"); };
        hooks.isoTime = [] { return std::string("2026-12-07T12:00:00+0000"); };
        ProvisionJob job{NewSet(), "shop.qkf", "abc123", backupDir, tmp_ / "log.jsonl",
                         count,    150,        nullptr,  port};
        job.refusedRetryMs = 300;  // a controller that is refused for good is skipped soon
        std::error_code ec;
        std::filesystem::create_directories(job.backupDir, ec);
        Provisioner line(pull, platform, job, out, hooks);
        return line.Run();
    }
    static ConfigRecord NewSet() { return RecordOf({20, 40, 176, 100, 30, 1, 0, 0, 1, 0, 128}); }
    static ConfigRecord Previous(std::size_t i) {
        return RecordOf({static_cast<std::uint8_t>(5 + i), 30, 135, 110, 25, 1, 0, 0, 1, 0, 128, 0,
                         0, 0, static_cast<std::uint8_t>(i)});
    }
    std::vector<nlohmann::json> Log() const {
        std::ifstream in(tmp_ / "log.jsonl");
        std::vector<nlohmann::json> lines;
        std::string line;
        while (std::getline(in, line)) lines.push_back(nlohmann::json::parse(line));
        return lines;
    }

    VirtualController controller;
    VirtualHidPlatform platform{controller, false};
    PullAfterStore pull{platform};
    std::ostringstream out;
    TempDir tmp_{"vt350-provision"};
    std::string backupDir = tmp_ / "backups";
    std::string port;
};

}  // namespace

TEST_F(ProvisionerTest, GoodControllersAreProgrammedAndBadOnesFailWhileTheLineGoesOn) {
    const std::vector<Kind> kinds = {Kind::kGood, Kind::kErrorReply, Kind::kGood, Kind::kPulled,
                                     Kind::kGood, Kind::kSilent,     Kind::kGood, Kind::kGood};
    const ProvisionSummary summary = RunLine(kinds, 8);
    EXPECT_EQ(summary.programmed, 5);
    EXPECT_EQ(summary.failed, 3);
    EXPECT_EQ(summary.skipped, 0);
    EXPECT_FALSE(summary.allProgrammed());

    const auto log = Log();
    ASSERT_EQ(log.size(), 8u) << out.str();
    for (std::size_t i = 0; i < log.size(); ++i) {
        const bool good = kinds[i] == Kind::kGood;
        EXPECT_EQ(log[i]["sequence"], i + 1);
        EXPECT_EQ(log[i]["outcome"], good ? "programmed" : "failed") << i;
        EXPECT_EQ(log[i]["set"], "shop.qkf");
        EXPECT_EQ(log[i]["set_sha256"], "abc123");
        EXPECT_EQ(log[i]["error"].is_null(), good) << log[i].dump();
        if (good) {
            // Bytes 0 to 10 are the new set; the reserved bytes stay the controller's own.
            EXPECT_EQ(log[i]["after"].get<std::string>().substr(0, 22), "1428b0641e010000010080");
        }
    }
    EXPECT_NE(log[3]["error"].get<std::string>().find("reading the set back"), std::string::npos)
        << "pulled between the store and the read-back: " << log[3].dump();
    EXPECT_NE(log[5]["error"].get<std::string>().find("did not answer"), std::string::npos);

    // Each controller that answered left its previous set behind, byte for byte.
    for (std::size_t i : {0u, 2u, 3u, 4u, 6u, 7u}) {
        const std::string backup = log[i]["backup"];
        const ConfigRecord previous = Previous(i);
        EXPECT_EQ(FileBytes(backup), std::string(previous.Bytes().begin(), previous.Bytes().end()))
            << backup;
    }
    EXPECT_TRUE(log[5]["backup"].is_null()) << "a silent controller has nothing to back up";
    EXPECT_NE(out.str().find("0006  failed"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find('\a'), std::string::npos) << "the bell on a failure";
}

TEST_F(ProvisionerTest, CtrlCEndsTheLineWithItsSummary) {
    int asked = 0;
    const ProvisionSummary summary = RunLine({Kind::kGood, Kind::kGood, Kind::kGood, Kind::kGood},
                                             0, [&] { return Log().size() >= 2 && ++asked > 0; });
    EXPECT_EQ(summary.programmed, 2);
    EXPECT_TRUE(summary.allProgrammed());
    EXPECT_EQ(Log().size(), 2u);
}

TEST_F(ProvisionerTest, ItsPromisesHold) {
    // A controller that keeps something else than it was sent fails its read-back; one that
    // cannot be opened is skipped; the line goes on to the next.
    // The read-back compares every stored byte, the last (10) too.
    pull.otherByte = 10;
    const ProvisionSummary summary = RunLine({Kind::kKeepsOther, Kind::kRefuses, Kind::kGood}, 3);
    const auto log = Log();
    ASSERT_EQ(log.size(), 3u) << out.str();
    EXPECT_EQ(log[0]["outcome"], "failed");
    EXPECT_NE(log[0]["error"].get<std::string>().find("verify"), std::string::npos) << log[0];
    EXPECT_NE(log[0]["error"].get<std::string>().find("byte 10"), std::string::npos) << log[0];
    EXPECT_EQ(log[1]["outcome"], "skipped");
    EXPECT_EQ(log[2]["outcome"], "programmed");
    EXPECT_EQ(summary.skipped, 1);
    EXPECT_EQ(ProvisionExitStatus(summary), 1);
    // A stray error report of another request before the read-back's answer is passed over.
    std::filesystem::remove(tmp_ / "log.jsonl");
    pull.strayError = true;
    EXPECT_EQ(RunLine({Kind::kGood}, 1).programmed, 1) << out.str();
    EXPECT_FALSE(pull.strayError) << "the stray report was read";
    // A line whose only fault is a skipped controller does not end well either.
    std::filesystem::remove(tmp_ / "log.jsonl");
    EXPECT_EQ(ProvisionExitStatus(RunLine({Kind::kRefuses, Kind::kGood}, 2)), 1) << out.str();
    // None came: exit 3.
    platform.Unplug();
    EXPECT_EQ(ProvisionExitStatus(RunLine({}, 0, [] { return true; })), 3);
}

TEST_F(ProvisionerTest, AControllerSwappedInWhileTheLineIsBusyIsTaken) {
    // The removal and the next arrival both come while the first is still being handled.
    int looks = 0;
    const ProvisionSummary summary =
        RunLine({Kind::kSwapped, Kind::kSwapped, Kind::kGood}, 3, [&] { return ++looks > 3000; });
    EXPECT_EQ(summary.programmed, 3) << out.str();
    const auto log = Log();
    ASSERT_EQ(log.size(), 3u) << out.str();
    for (std::size_t i = 0; i < log.size(); ++i) EXPECT_EQ(log[i]["before"], Previous(i).Hex());
}

TEST_F(ProvisionerTest, AControllerWhoseBackupCannotBeKeptIsLeftAsItWas) {
    PutFileBytes(tmp_ / "not-a-folder", "x");
    backupDir = tmp_ / "not-a-folder";
    const ProvisionSummary summary = RunLine({Kind::kGood}, 1);
    EXPECT_EQ(summary.failed, 1);
    EXPECT_EQ(controller.stored, Previous(0)) << "nothing was stored";
    for (const auto& report : controller.received) EXPECT_NE(report[1], 1) << "no store report";
    EXPECT_TRUE(Log().at(0)["backup"].is_null());
}

TEST_F(ProvisionerTest, EventsThatCannotBeReceivedEndTheLineAtOnce) {
    class Deaf : public DeviceChangeSource {
      public:
        bool Register(Handler) override { return false; }
        void Unregister() override {}
    } deaf;
    ProvisionJob job{NewSet(), "shop.qkf", "abc123", "", "", 1, 150, nullptr, ""};
    ProvisionHooks hooks{[] { return false; }, [](ProvisionPhase) {}, [] { return std::string(); },
                         [] { return std::string(); }};
    Provisioner line(platform, deaf, job, out, hooks);
    const ProvisionSummary summary = line.Run();
    EXPECT_TRUE(summary.eventsUnavailable);
    EXPECT_EQ(ProvisionExitStatus(summary), 3);
    EXPECT_EQ(out.str().find("Waiting"), std::string::npos) << "it never waits";
}

TEST_F(ProvisionerTest, BackupsInASharedFolderAreNeverOverwrittenOrWrittenThroughALink) {
    // Two stations in the same second, and a link planted under the name the next would take.
    PutFileBytes(tmp_ / "victim", "precious");
    RunLine({Kind::kGood}, 1);
    platform.Unplug();
    std::filesystem::create_symlink(tmp_ / "victim",
                                    backupDir + "/0001-20261207-120000-demo-1-0001-2.qkf");
    RunLine({Kind::kGood}, 1);
    const auto log = Log();
    ASSERT_EQ(log.size(), 2u) << out.str();
    // Named by sequence, time, port and serial.
    EXPECT_EQ(log[0]["backup"], backupDir + "/0001-20261207-120000-demo-1-0001.qkf");
    EXPECT_EQ(log[0]["port"], "demo-1");
    EXPECT_NE(log[0]["backup"], log[1]["backup"]);
    const ConfigRecord previous = Previous(0);
    for (const auto& line : log) {
        EXPECT_EQ(FileBytes(line["backup"]),
                  std::string(previous.Bytes().begin(), previous.Bytes().end()))
            << line["backup"];
    }
    EXPECT_EQ(FileBytes(tmp_ / "victim"), "precious");
}

TEST_F(ProvisionerTest, AControllerWithoutItsLogLineHasFailed) {
    std::filesystem::create_directories(tmp_ / "log.jsonl");  // a folder: no line can go in
    const ProvisionSummary summary = RunLine({Kind::kGood, Kind::kGood}, 2);
    EXPECT_EQ(summary.programmed, 0);
    EXPECT_EQ(summary.failed, 2);
    EXPECT_EQ(ProvisionExitStatus(summary), 1);
    EXPECT_NE(out.str().find("could not append to the log"), std::string::npos) << out.str();
}

TEST_F(ProvisionerTest, ALogLineTheDiskHadNoRoomForDoesNotSwallowTheNext) {
    // The disk fills while controller 2's line is written (a file size limit stands in for
    // it: the write stops part-way), and has room again for controller 3.
    const std::string logPath = tmp_ / "log.jsonl";
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const ProvisionSummary summary =
        RunLine({Kind::kGood, Kind::kGood, Kind::kGood}, 3, {}, [&](std::size_t next) {
            rlimit limit = saved;
            if (next == 1) limit.rlim_cur = std::filesystem::file_size(logPath) + 40;
            ::setrlimit(RLIMIT_FSIZE, &limit);
        });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(summary.programmed, 2);
    EXPECT_EQ(summary.failed, 1) << "controller 2 has no line in the log";
    const auto log = Log();  // every line whole JSON, or this throws
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0]["sequence"], 1);
    EXPECT_EQ(log[1]["sequence"], 3);
}
