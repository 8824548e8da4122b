#include "config/unit_name.h"

#include <cstddef>

namespace {

// Whether `text` is well-formed UTF-8 without control characters (C0, DEL, C1).
bool PlainUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7f) return false;
        if (c < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = c >= 0xf0 ? 4 : c >= 0xe0 ? 3 : c >= 0xc2 ? 2 : 0;
        if (length == 0 || c > 0xf4 || i + length > text.size()) return false;
        unsigned point = c & (0xff >> (length + 1));
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xc0) != 0x80) return false;
            point = (point << 6) | (next & 0x3f);
        }
        const unsigned least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (point < least[length] || point > 0x10ffff || (point >= 0xd800 && point <= 0xdfff) ||
            (point >= 0x80 && point < 0xa0)) {
            return false;
        }
        i += length;
    }
    return true;
}

}  // namespace

std::string TrimmedUnit(const std::string& typed) {
    const char* blank = " \t\r\n";
    const auto first = typed.find_first_not_of(blank);
    if (first == std::string::npos) return "";
    return typed.substr(first, typed.find_last_not_of(blank) - first + 1);
}

std::string UnitProblem(const std::string& unit) {
    if (unit.empty()) return "a unit cannot be empty";
    if (unit.size() > 64) return "a unit is at most 64 bytes long";
    if (!PlainUtf8(unit)) return "a unit is text without control characters";
    return "";
}
