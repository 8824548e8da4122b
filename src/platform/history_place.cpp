#include "platform/history_place.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "config/config_file.h"
#include "config/file_names.h"
#include "config/file_system.h"
#include "config/settings_file.h"
#include "platform/host_name.h"
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

std::string SettingsFilePath() {
#ifdef _WIN32
    return JoinPath(UserDataDirectory(), "vt350.conf");
#else
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') return std::string(xdg) + "/vt350-config/vt350.conf";
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : ".") + "/.config/vt350-config/vt350.conf";
#endif
}

namespace {

std::string FromSettingsFile(const std::string& key) {
    // A small text file, read with a bound; a missing one (or a pipe nobody writes to) sets
    // nothing.
    const int fd = file_system::OpenForReading(SettingsFilePath());
    if (fd < 0) return "";
    std::string text;
    char block[4096];
    ssize_t n = 0;
    while (text.size() < 64 * 1024 && (n = file_system::Read(fd, block, sizeof block)) > 0) {
        text.append(block, static_cast<std::size_t>(n));
    }
    file_system::Close(fd);
    return SettingIn(text, key);
}

}  // namespace

std::string HistoryServer() {
    const char* server = std::getenv("VT350_HISTORY_SERVER");
    if (server != nullptr) return server;
    return FromSettingsFile("history_server");
}

std::string BenchName(const std::string& chosen) {
    if (!chosen.empty()) return chosen;
    if (std::string named = FromSettingsFile("bench"); !named.empty()) return named;
    return HostName();
}
