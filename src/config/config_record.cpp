#include "config/config_record.h"

#include <algorithm>

void ConfigRecord::CopyParameters(std::uint8_t* out) const {
    std::copy_n(bytes_.begin(), kParameterCount, out);
}

void ConfigRecord::ReplaceAll(const std::uint8_t* in) {
    std::copy_n(in, kSize, bytes_.begin());
}

int ConfigRecord::FirstStoredDifference(const ConfigRecord& readBack) const {
    for (std::size_t i = 0; i < kParameterCount; ++i) {
        if (bytes_[i] != readBack.bytes_[i]) return static_cast<int>(i);
    }
    return -1;
}

std::optional<ConfigRecord> ConfigRecord::FromHex(std::string_view hex) {
    static constexpr std::string_view kDigits = "0123456789abcdef";
    if (hex.size() != 2 * kSize) return std::nullopt;
    std::uint8_t bytes[kSize];
    for (std::size_t i = 0; i < kSize; ++i) {
        const auto high = kDigits.find(hex[2 * i]), low = kDigits.find(hex[2 * i + 1]);
        if (high == std::string_view::npos || low == std::string_view::npos) return std::nullopt;
        bytes[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    ConfigRecord r;
    r.ReplaceAll(bytes);
    return r;
}

std::string ConfigRecord::Hex() const {
    static const char kDigits[] = "0123456789abcdef";
    std::string out;
    for (std::uint8_t b : bytes_) {
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}
