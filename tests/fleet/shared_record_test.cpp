// The shared record on a real PostgreSQL server of the test's own (tests/server/postgres.sh):
// benches that send their entries, a server that goes away, a sync killed anywhere.
#include <gtest/gtest.h>
#include <libpq-fe.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "config/history.h"
#include "run_process.h"
#include "test_support.h"

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

class SharedRecordTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(Server("start"), 0) << "the test's PostgreSQL server did not start";
        owner_ = Slurp(tmp_ / "pg/conninfo");
        bench_ = Slurp(tmp_ / "pg/bench-conninfo");
        ASSERT_EQ(Ctl({"history", "server-init"}, owner_).exitCode, 0);
        ASSERT_EQ(Sql("GRANT vt350_bench TO bench"), "");
    }
    void TearDown() override { Server("stop"); }

    int Server(const char* what) {
        return RunProcess({POSTGRES_SCRIPT, what, tmp_ / "pg"}).exitCode;
    }
    // vt350ctl with a bench's data folder, pointed at `server`.
    ProcessResult Ctl(std::vector<std::string> args, const std::string& server,
                      const std::string& bench = "A") {
        setenv("XDG_DATA_HOME", (tmp_ / ("bench-" + bench)).c_str(), 1);
        setenv("VT350_HISTORY_SERVER", server.c_str(), 1);
        args.insert(args.begin(), {VT350CTL_PATH, "--bench", "bench-" + bench});
        ProcessResult r = RunProcess(args);
        unsetenv("VT350_HISTORY_SERVER");
        unsetenv("XDG_DATA_HOME");
        return r;
    }
    // One statement as the server's owner: its first value, or the error.
    std::string Sql(const std::string& statement) {
        PGconn* conn = PQconnectdb(owner_.c_str());
        PGresult* r = PQexec(conn, statement.c_str());
        std::string out;
        if (PQresultStatus(r) == PGRES_TUPLES_OK && PQntuples(r) > 0) {
            out = PQgetvalue(r, 0, 0);
        } else if (PQresultStatus(r) != PGRES_COMMAND_OK && PQresultStatus(r) != PGRES_TUPLES_OK) {
            out = PQerrorMessage(conn);
        }
        PQclear(r);
        PQfinish(conn);
        return out;
    }
    // `count` entries kept by bench `bench`, every tenth of unit BIKE-42 (at once, as a
    // day's work would have kept them one by one).
    void Keep(const std::string& bench, int count) {
        const std::string folder = tmp_ / ("bench-" + bench) + "/vt350-config/history";
        History history(folder, "vt350ctl", [] {
            return HistoryTime{"20261209-080000-000", "2026-12-09T08:00:00+0000"};
        });
        ASSERT_TRUE(history.Prepare());
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open((folder + "/history.db").c_str(), &db), SQLITE_OK);
        const std::string fill =
            "BEGIN; WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
            std::to_string(count) +
            ") INSERT INTO entries(time, event, program, port, serial, record, unit, bench) "
            "SELECT '2026-12-09T08:' || printf('%02d', i % 60) || ':00+0000', 'stored', "
            "'vt350ctl', '1-1', '0001', randomblob(15), CASE WHEN i % 10 = 0 THEN 'BIKE-42' "
            "ELSE 'UNIT-' || i END, 'bench-" +
            bench + "' FROM n; COMMIT;";
        EXPECT_EQ(sqlite3_exec(db, fill.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }
    std::string Count() { return Sql("SELECT count(*) FROM vt350_entries"); }

    TempDir tmp_{"vt350-shared"};
    std::string owner_, bench_;
};

}  // namespace

// Two benches keep 1,000 entries each, some of one unit; after their syncs each lists both
// benches' entries of that unit, once each; a second sync adds nothing. A bench's role may add
// and read, never change or remove.
TEST_F(SharedRecordTest, TwoBenchesKeepOneRecordOfAUnit) {
    Keep("A", 1000);
    Keep("B", 1000);
    for (const char* bench : {"A", "B"}) {
        auto synced = Ctl({"history", "sync"}, bench_, bench);
        EXPECT_EQ(synced.exitCode, 0) << synced.err;
        EXPECT_NE(synced.out.find("1000 entries sent; none waits."), std::string::npos)
            << synced.out;
    }
    EXPECT_EQ(Ctl({"history", "sync"}, bench_, "A").out, "0 entries sent; none waits.\n");
    EXPECT_EQ(Count(), "2000");
    auto listed = Ctl({"history", "--unit", "BIKE-42", "--json", "-n", "1000"}, bench_, "B");
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    std::set<std::pair<std::string, std::int64_t>> seen;
    for (const auto& e : nlohmann::json::parse(listed.out)) {
        EXPECT_EQ(e["unit"], "BIKE-42");
        seen.insert({e["bench"].get<std::string>(), e["id"].get<std::int64_t>()});
    }
    EXPECT_EQ(seen.size(), 200u) << "a hundred of each bench's, each once";
    EXPECT_EQ(seen.begin()->first, "bench-A");
    EXPECT_EQ(seen.rbegin()->first, "bench-B");
    PGconn* conn = PQconnectdb(bench_.c_str());
    for (const char* change :
         {"UPDATE vt350_entries SET unit = 'x'", "DELETE FROM vt350_entries"}) {
        PGresult* r = PQexec(conn, change);
        EXPECT_EQ(PQresultStatus(r), PGRES_FATAL_ERROR) << change;
        PQclear(r);
    }
    PQfinish(conn);
    // A server that sends what no bench keeps is named, and the bench's own entries listed.
    ASSERT_EQ(Sql("ALTER TABLE vt350_entries RENAME TO kept; CREATE TABLE vt350_entries AS "
                  "SELECT bench_id, 'no number' AS local_id, bench, time, event, program, node, "
                  "port, serial, plug_in, unit, record, file, demo FROM kept; GRANT SELECT ON "
                  "vt350_entries TO vt350_bench"),
              "");
    auto nonsense = Ctl({"history", "--unit", "BIKE-42", "-n", "1000"}, bench_, "B");
    EXPECT_EQ(nonsense.exitCode, 0) << nonsense.err;
    EXPECT_NE(nonsense.err.find("the server sent what no bench keeps (an id that is no number)"),
              std::string::npos)
        << nonsense.err;
    EXPECT_NE(nonsense.err.find("100 of 100 entries, newest first, of unit BIKE-42"),
              std::string::npos)
        << nonsense.err;
}

// The server away (stopped, or one that takes the connection and never answers): a hundred
// stores go on at once, their entries wait, and all of them arrive once it is back.
TEST_F(SharedRecordTest, AServerAwayHoldsNoStoreAndGetsEveryEntryOnceItIsBack) {
    const std::string set = tmp_ / "set.qkf";
    std::ofstream(set, std::ios::binary)
        << std::string("\x0f\x2a\x87\x6e\x19\x01\x00\x00\x01\x00\x80\x00\x00\x00\x00", 15);
    ASSERT_EQ(Server("halt"), 0);
    std::chrono::steady_clock::duration longest{};
    for (int i = 0; i < 100; ++i) {
        const auto begun = std::chrono::steady_clock::now();
        auto stored = Ctl({"--demo", "--unit", "BIKE-7", "write", set, "--yes"}, bench_);
        longest = std::max(longest, std::chrono::steady_clock::now() - begun);
        ASSERT_EQ(stored.exitCode, 0) << stored.err;
        if (i == 99) {
            EXPECT_NE(stored.err.find("100 history entries wait for the shared record"),
                      std::string::npos)
                << stored.err;
        }
    }
    // A server that takes the connection and says nothing: the command waits a moment only.
    const int silent = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(silent, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(silent, 4), 0);
    ::getsockname(silent, reinterpret_cast<sockaddr*>(&address), &length);
    const auto begun = std::chrono::steady_clock::now();
    auto slow =
        Ctl({"--demo", "read"}, "host=127.0.0.1 port=" + std::to_string(ntohs(address.sin_port)) +
                                    " dbname=vt350 user=bench");
    const auto slowTook = std::chrono::steady_clock::now() - begun;
    ::close(silent);
    EXPECT_EQ(slow.exitCode, 0) << slow.err;
    EXPECT_NE(slow.err.find("101 history entries wait"), std::string::npos) << slow.err;
    const auto ms = [](auto d) {
        return std::chrono::duration_cast<std::chrono::milliseconds>(d).count();
    };
    std::cout << "longest store with the server away: " << ms(longest)
              << " ms; a read with a silent server: " << ms(slowTook) << " ms\n";
    // A moment is the send's own bound (1 s); the rest is room for a loaded machine.
    EXPECT_LT(ms(slowTook), 10000);

    ASSERT_EQ(Server("resume"), 0);
    auto synced = Ctl({"--demo", "history", "sync"}, bench_);
    EXPECT_EQ(synced.exitCode, 0) << synced.err;
    EXPECT_EQ(Count(), "101");
    EXPECT_EQ(Sql("SELECT count(*) FROM vt350_entries WHERE unit = 'BIKE-7' AND event = 'stored' "
                  "AND demo"),
              "100")
        << "the demo's, marked so";
    // A sync asked for with none waiting still says when the record cannot be reached.
    ASSERT_EQ(Server("halt"), 0);
    auto away = Ctl({"--demo", "history", "sync"}, bench_);
    EXPECT_EQ(away.exitCode, 5);
    EXPECT_NE(away.err.find("none waits, but the shared record cannot be reached"),
              std::string::npos)
        << away.err;
}

// A sync killed at random moments and run again: nothing lost, nothing twice. What the record
// holds of the bench decides what is sent: a lost mark sends nothing twice, a record made
// anew gets every entry.
TEST_F(SharedRecordTest, ASyncKilledAnywhereLosesNothingAndAddsNothingTwice) {
    Keep("A", 3000);
    std::mt19937 random(std::random_device{}());
    setenv("XDG_DATA_HOME", (tmp_ / "bench-A").c_str(), 1);
    setenv("VT350_HISTORY_SERVER", bench_.c_str(), 1);
    for (int round = 0; round < 8; ++round) {
        const std::string program = VT350CTL_PATH;
        char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>("-q"),
                        const_cast<char*>("history"), const_cast<char*>("sync"), nullptr};
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, argv[0], nullptr, nullptr, argv, environ), 0);
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 150000));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
    unsetenv("VT350_HISTORY_SERVER");
    unsetenv("XDG_DATA_HOME");
    auto synced = Ctl({"history", "sync"}, bench_);
    EXPECT_EQ(synced.exitCode, 0) << synced.err;
    EXPECT_EQ(Count(), "3000");
    EXPECT_EQ(Sql("SELECT count(DISTINCT local_id) FROM vt350_entries"), "3000");
    // The mark of what was sent lost (the history copied back from a backup): the record
    // says what it holds, and nothing is sent twice.
    {
        History history(tmp_ / "bench-A/vt350-config/history", "vt350ctl",
                        [] { return HistoryTime{}; });
        ASSERT_TRUE(history.SetSetting("shared_record_sent", "0"));
    }
    auto again = Ctl({"history", "sync"}, bench_);
    EXPECT_EQ(again.exitCode, 0) << again.err;
    EXPECT_EQ(again.out, "0 entries sent; none waits.\n");
    // The record made anew (or the bench pointed at another): every entry goes to it.
    EXPECT_EQ(Sql("TRUNCATE vt350_entries"), "");
    auto anew = Ctl({"history", "sync"}, bench_);
    EXPECT_EQ(anew.exitCode, 0) << anew.err;
    EXPECT_EQ(anew.out, "3000 entries sent; none waits.\n");
    EXPECT_EQ(Count(), "3000");
}
