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

std::string ConfigRecord::Hex() const {
    static const char kDigits[] = "0123456789abcdef";
    std::string out;
    for (std::uint8_t b : bytes_) {
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}
