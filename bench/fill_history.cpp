// A used history for the benchmarks: HISTORY_FOLDER made by the program itself, then COUNT
// entries of seven controllers' reads added in one transaction.
//   vt350-bench-fill-history HISTORY_FOLDER COUNT
#include <sqlite3.h>

#include <cstdio>
#include <string>

#include "config/history.h"

HistoryTime Midnight() {
    return {"20261208-000000-000", "2026-12-08T00:00:00+0000"};
}

int main(int argc, char* argv[]) {
    if (argc != 3) return 2;
    const std::string folder = argv[1];
    History history(folder, "vt350ctl", Midnight);
    if (!history.Prepare()) return 1;
    sqlite3* db = nullptr;
    if (sqlite3_open((folder + "/" + History::kDatabaseName).c_str(), &db) != SQLITE_OK) return 1;
    const std::string fill =
        "BEGIN; WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
        std::to_string(std::stoul(argv[2])) +
        ") INSERT INTO entries(time, event, program, node, port, serial, record, plugin) SELECT "
        "'2026-12-08T00:00:00+0000', 'read', 'vt350ctl', '/dev/hidraw0', '1-' || (i % 7), "
        "'0001', zeroblob(15), 'bench' FROM n; COMMIT;";
    char* error = nullptr;
    if (sqlite3_exec(db, fill.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", error);
        return 1;
    }
    return sqlite3_close(db) == SQLITE_OK ? 0 : 1;
}
