#include "platform/history_place.h"

#include <chrono>
#include <cstdio>

#include "config/config_file.h"
#include "config/file_names.h"
#include "platform/local_time.h"

std::string HistoryFolder(bool demo) {
    // A portable copy keeps its history beside itself, as it keeps its autosave file.
    const std::string programs = ExecutableDirectory();
    return JoinPath(IsPortableCopy(programs) ? programs : UserDataDirectory(),
                    demo ? "demo-history" : "history");
}

HistoryTime HistoryNow() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    char millis[8];
    std::snprintf(millis, sizeof millis, "%03d", static_cast<int>(ms));
    return {LocalTimeText(seconds, "%Y%m%d-%H%M%S-") + millis,
            LocalTimeText(seconds, "%Y-%m-%dT%H:%M:%S%z")};
}
