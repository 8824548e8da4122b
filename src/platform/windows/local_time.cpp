#include "platform/local_time.h"

#include <ctime>

std::string LocalTimeText(const char* format) {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_s(&local, &t);
    char text[64];
    std::strftime(text, sizeof text, format, &local);
    return text;
}
