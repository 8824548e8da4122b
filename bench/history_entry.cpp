// What keeping one history entry costs once the history holds its 10,000 entries, and what
// listing it costs: printed, not checked (bench/run.sh).
//   vt350-bench-history [FOLDER]   a fresh folder in /tmp by default, removed afterwards
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "config/history.h"

namespace {

using Clock = std::chrono::steady_clock;

double Millis(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

}  // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    const fs::path folder =
        argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "vt350-bench-history";
    fs::remove_all(folder);
    long n = 0;
    History history(folder.string(), "vt350-bench", [&] {
        ++n;
        char stamp[40];
        std::snprintf(stamp, sizeof stamp, "20261207-%06ld-%03ld", n / 1000 % 1000000, n % 1000);
        return HistoryTime{stamp, "2026-12-07T14:20:33+0000"};
    });
    const ConfigRecord set;
    for (std::size_t i = 0; i < History::kDefaultLimit; ++i) {
        history.Record(HistoryEvent::kRead, "/dev/hidraw0", &set);
    }
    // Past the bound: every entry now may trim, and one in a thousand does.
    std::vector<double> costs;
    for (int i = 0; i < 3000; ++i) {
        const auto begun = Clock::now();
        history.Record(HistoryEvent::kStored, "/dev/hidraw0", &set);
        costs.push_back(Millis(Clock::now() - begun));
    }
    std::sort(costs.begin(), costs.end());
    double sum = 0;
    for (double c : costs) sum += c;
    std::printf("entry_ms        mean %.3f  median %.3f  p99 %.3f  max %.3f (%zu entries kept)\n",
                sum / static_cast<double>(costs.size()), costs[costs.size() / 2],
                costs[costs.size() * 99 / 100], costs.back(), history.Count());
    auto begun = Clock::now();
    const auto newest = history.Entries(20);
    const double list20 = Millis(Clock::now() - begun);
    begun = Clock::now();
    const auto all = history.Entries();
    const double listAll = Millis(Clock::now() - begun);
    begun = Clock::now();
    const auto found = history.Find("@" + std::to_string(all.back().id));
    const double find = Millis(Clock::now() - begun);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("history_ms      newest 20 %.3f  all %zu %.3f  by id %.3f  peak_rss_kb %ld\n",
                list20, all.size(), listAll, find, usage.ru_maxrss);
    fs::remove_all(folder);
    return newest.empty() || !found ? 1 : 0;
}
