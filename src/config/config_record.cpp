#include "config/config_record.h"

#include <algorithm>

void ConfigRecord::CopyParameters(std::uint8_t* out) const {
    std::copy_n(bytes_.begin(), kParameterCount, out);
}

void ConfigRecord::ReplaceAll(const std::uint8_t* in) {
    std::copy_n(in, kSize, bytes_.begin());
}
