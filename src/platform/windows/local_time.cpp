#include "platform/local_time.h"

#include <cstdio>
#include <string_view>

namespace {

// "+hhmm" or "-hhmm": the C runtime's %z gives the zone's name ("W. Europe Standard Time")
// where an ISO 8601 time, as the history and the workshop log write it, needs the offset.
std::string UtcOffset(std::time_t t, const std::tm& local) {
    std::tm utc{};
    gmtime_s(&utc, &t);
    utc.tm_isdst = local.tm_isdst;  // mktime takes both as local times: their difference
    std::tm localCopy = local;
    const long seconds =
        static_cast<long>(std::difftime(std::mktime(&localCopy), std::mktime(&utc)));
    const long minutes = (seconds < 0 ? -seconds : seconds) / 60;
    char text[8];
    std::snprintf(text, sizeof text, "%c%02ld%02ld", seconds < 0 ? '-' : '+', minutes / 60,
                  minutes % 60);
    return text;
}

}  // namespace

std::string LocalTimeText(const char* format) {
    return LocalTimeText(std::time(nullptr), format);
}

std::string LocalTimeText(std::time_t t, const char* format) {
    std::tm local{};
    localtime_s(&local, &t);
    std::string pattern(format);
    for (std::size_t at = pattern.find("%z"); at != std::string::npos;
         at = pattern.find("%z", at)) {
        const std::string offset = UtcOffset(t, local);
        pattern.replace(at, 2, offset);
        at += offset.size();
    }
    char text[128];
    if (std::strftime(text, sizeof text, pattern.c_str(), &local) == 0) return {};
    return text;
}
