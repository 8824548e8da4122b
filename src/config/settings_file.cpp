#include "config/settings_file.h"

#include <sstream>

namespace {

std::string Trimmed(const std::string& text) {
    const char* blank = " \t\r";
    const auto first = text.find_first_not_of(blank);
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(blank) - first + 1);
}

}  // namespace

std::string SettingIn(const std::string& text, const std::string& key) {
    std::istringstream lines(text);
    std::string line, value;
    while (std::getline(lines, line)) {
        const std::string plain = Trimmed(line);
        if (plain.empty() || plain[0] == '#') continue;
        const auto equals = plain.find('=');
        if (equals == std::string::npos || Trimmed(plain.substr(0, equals)) != key) continue;
        value = Trimmed(plain.substr(equals + 1));
    }
    return value;
}
