#include "platform/local_time.h"

std::string LocalTimeText(const char* format) {
    return LocalTimeText(std::time(nullptr), format);
}

std::string LocalTimeText(std::time_t t, const char* format) {
    std::tm local{};
    localtime_s(&local, &t);
    char text[64];
    std::strftime(text, sizeof text, format, &local);
    return text;
}
