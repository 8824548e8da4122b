// provision and watch as a technician runs them, against the demo's simulated bench.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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
}

TEST(Vt350ctlWorkshop, WatchPrintsArrivalsAndRemovals) {
    auto r = RunProcess({VT350CTL_PATH, "--demo", "watch", "--count", "2"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("removal"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("arrival  virtual:vt350/0001  can be opened"), std::string::npos);
    auto refused = RunProcess(
        {VT350CTL_PATH, "--demo", "--demo-behaviour", "refuse", "watch", "--count", "2", "--json"});
    EXPECT_NE(refused.out.find("\"openable\":false"), std::string::npos) << refused.out;
    EXPECT_NE(refused.out.find("Permission denied"), std::string::npos);
}
