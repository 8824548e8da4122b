// A unit as typed or scanned, of any bytes: the trim drops blanks at the ends only and is
// done once done, and a unit it lets through is one every listing can show: at most 64
// bytes of UTF-8 (JSON takes it) without a control character, C1 ones included.
#include <cstdint>
#include <cstdlib>
#include <string>

#include <nlohmann/json.hpp>

#include "config/unit_name.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string typed(reinterpret_cast<const char*>(data), size);
    const std::string unit = TrimmedUnit(typed);
    const char* blank = " \t\r\n";
    if (TrimmedUnit(unit) != unit) std::abort();
    if (typed.find(unit) == std::string::npos) std::abort();
    if (unit.empty() != (typed.find_first_not_of(blank) == std::string::npos)) std::abort();
    if (UnitProblem(unit).empty()) {
        if (unit.empty() || unit.size() > 64) std::abort();
        for (std::size_t i = 0; i < unit.size(); ++i) {
            const auto c = static_cast<unsigned char>(unit[i]);
            if (c < 0x20 || c == 0x7f) std::abort();
            const auto next = i + 1 < unit.size() ? static_cast<unsigned char>(unit[i + 1]) : 0;
            if (c == 0xc2 && next >= 0x80 && next <= 0x9f) std::abort();  // U+0080 to U+009F
        }
        try {
            (void)nlohmann::json(unit).dump();
        } catch (const nlohmann::json::exception&) {
            std::abort();  // not UTF-8
        }
    }
    return 0;
}
