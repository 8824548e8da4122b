#include "config/temporary_names.h"

#include <cctype>

std::string TemporaryTemplateFor(const std::string& fileName) {
    return "." + fileName + std::string(kTemporaryMark) + std::string(kTemporaryRandom, 'X');
}

bool IsSaveTemporaryName(std::string_view name) {
    // "." + at least one character of NAME + ".vt350-" + six letters or digits.
    const std::size_t fixed = 1 + kTemporaryMark.size() + kTemporaryRandom;
    if (name.size() < fixed + 1 || name.front() != '.') return false;
    const std::string_view mark =
        name.substr(name.size() - kTemporaryRandom - kTemporaryMark.size(), kTemporaryMark.size());
    if (mark != kTemporaryMark) return false;
    for (const char c : name.substr(name.size() - kTemporaryRandom)) {
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    }
    return true;
}
