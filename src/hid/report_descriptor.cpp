#include "hid/report_descriptor.h"

#include <cstddef>

namespace {

constexpr std::uint8_t kLongItemPrefix = 0xFE;
constexpr std::uint8_t kTypeMain = 0, kTypeGlobal = 1;
constexpr std::uint8_t kTagCollection = 0xA, kTagUsagePage = 0x0;

}  // namespace

std::optional<std::uint16_t> TopLevelUsagePage(std::span<const std::uint8_t> d) {
    std::optional<std::uint16_t> page;
    std::size_t i = 0;
    while (i < d.size()) {
        const std::uint8_t prefix = d[i];
        if (prefix == kLongItemPrefix) {
            if (i + 1 >= d.size()) return std::nullopt;
            i += 3 + d[i + 1];  // prefix, data size, tag, data
            continue;
        }
        const std::size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
        if (i + 1 + size > d.size()) return std::nullopt;
        std::uint32_t value = 0;
        for (std::size_t k = 0; k < size; ++k) value |= std::uint32_t{d[i + 1 + k]} << (8 * k);
        const std::uint8_t type = (prefix >> 2) & 3, tag = prefix >> 4;
        if (type == kTypeGlobal && tag == kTagUsagePage) page = static_cast<std::uint16_t>(value);
        // The first collection is a top-level one.
        if (type == kTypeMain && tag == kTagCollection) return page;
        i += 1 + size;
    }
    return std::nullopt;
}
