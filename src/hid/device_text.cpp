#include "hid/device_text.h"

#include <cstdint>
#include <cstdio>

namespace {

// The length of the UTF-8 sequence at `s[i]` and its code point; 0 when it is no valid,
// shortest sequence.
std::size_t DecodeUtf8(std::string_view s, std::size_t i, std::uint32_t& point) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    std::uint32_t least = 0;
    if (lead < 0x80) {
        point = lead;
        return 1;
    } else if ((lead & 0xe0) == 0xc0) {
        length = 2, point = lead & 0x1f, least = 0x80;
    } else if ((lead & 0xf0) == 0xe0) {
        length = 3, point = lead & 0x0f, least = 0x800;
    } else if ((lead & 0xf8) == 0xf0) {
        length = 4, point = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (i + length > s.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xc0) != 0x80) return 0;
        point = (point << 6) | (byte(i + k) & 0x3f);
    }
    if (point < least || point > 0x10ffff || (point >= 0xd800 && point <= 0xdfff)) return 0;
    return length;
}

bool Unshowable(std::uint32_t point) {
    return point < 0x20 || point == 0x7f || (point >= 0x80 && point <= 0x9f) || point == 0x061c ||
           point == 0x200e || point == 0x200f || (point >= 0x202a && point <= 0x202e) ||
           (point >= 0x2066 && point <= 0x2069);
}

}  // namespace

std::string ShownDeviceText(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    char escape[12];
    for (std::size_t i = 0; i < raw.size();) {
        std::uint32_t point = 0;
        const std::size_t length = DecodeUtf8(raw, i, point);
        if (length == 0 || (length == 1 && Unshowable(point))) {
            std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned char>(raw[i]));
            out += escape;
            ++i;
            continue;
        }
        if (Unshowable(point)) {
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(point));
            out += escape;
        } else {
            out.append(raw.substr(i, length));
        }
        i += length;
    }
    return out;
}
