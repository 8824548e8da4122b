#include "config/parameter_view.h"

#include <cmath>
#include <cstdio>
#include <functional>
#include <map>

#include "config/json_reader.h"

namespace {

constexpr std::uint8_t kVoltageCodes[3] = {85, 135, 176};
constexpr int kVolts[3] = {24, 36, 48};
constexpr std::uint8_t kLevelCodes[3] = {20, 25, 30};
const char* const kLevels[3] = {"Low", "Mid", "High"};

std::string Hex(std::uint8_t b) {
    char s[3];
    std::snprintf(s, sizeof s, "%02x", b);
    return s;
}

int ScaleValue(std::uint8_t stored) {
    return stored == 0 ? 256 : stored;
}

// One parameter: how it reads in words, in JSON, and how JSON sets it.
struct Field {
    const char* label;
    const char* key;
    std::function<std::string(const ConfigRecord&)> text;
    std::function<std::string(const ConfigRecord&)> json;
    // Applies the JSON value; returns an error text, or "" when it was accepted.
    std::function<std::string(const JsonValue&, ConfigRecord&)> apply;
};

std::string Quoted(const std::string& s) {
    return "\"" + s + "\"";
}

std::string Whole(const JsonValue& v, int low, int high, int& out) {
    if (v.type != JsonValue::Type::kNumber || v.number != std::floor(v.number) || v.number < low ||
        v.number > high) {
        return "must be a whole number from " + std::to_string(low) + " to " + std::to_string(high);
    }
    out = static_cast<int>(v.number);
    return "";
}

// An option index written as its name or as 0 or 1.
std::string OptionIndex(const JsonValue& v, const char* name0, const char* name1, int& out) {
    if (v.type == JsonValue::Type::kString && v.text == name0) return out = 0, "";
    if (v.type == JsonValue::Type::kString && v.text == name1) return out = 1, "";
    if (v.type == JsonValue::Type::kNumber && (v.number == 0 || v.number == 1)) {
        return out = static_cast<int>(v.number), "";
    }
    return std::string("must be \"") + name0 + "\" or \"" + name1 + "\"";
}

std::string IndexJson(std::uint8_t b, const char* name0, const char* name1) {
    return b == 0 ? Quoted(name0) : b == 1 ? Quoted(name1) : std::to_string(b);
}

std::string IndexText(std::uint8_t b, const char* name0, const char* name1) {
    return b == 0 ? name0 : b == 1 ? name1 : "unknown (" + std::to_string(b) + ")";
}

// A byte that holds a whole number from `low` to `high`, shown with `unit`.
Field WholeField(const char* label, const char* key, std::size_t byte, int low, int high,
                 const char* unit) {
    return {label, key, [=](const ConfigRecord& r) { return std::to_string(r.Get(byte)) + unit; },
            [=](const ConfigRecord& r) { return std::to_string(r.Get(byte)); },
            [=](const JsonValue& v, ConfigRecord& r) {
                int n = 0;
                auto e = Whole(v, low, high, n);
                if (e.empty()) r.Set(byte, static_cast<std::uint8_t>(n));
                return e;
            }};
}

// A speed scale: 1 to 256 on the bar, 256 stored as 0.
Field ScaleField(const char* label, const char* key, std::size_t byte) {
    return {label, key,
            [=](const ConfigRecord& r) {
                const int value = ScaleValue(r.Get(byte));
                return std::to_string(PercentOf(value, 256)) + "% (" + std::to_string(value) +
                       "/256)";
            },
            [=](const ConfigRecord& r) { return std::to_string(ScaleValue(r.Get(byte))); },
            [=](const JsonValue& v, ConfigRecord& r) {
                int n = 0;
                auto e = Whole(v, 1, 256, n);
                if (e.empty()) r.Set(byte, static_cast<std::uint8_t>(n % 256));
                return e;
            }};
}

// A two-element option group's index: named in JSON, described in words.
Field OptionField(const char* label, const char* key, std::size_t byte, const char* name0,
                  const char* name1, const char* text0, const char* text1) {
    return {label, key, [=](const ConfigRecord& r) { return IndexText(r.Get(byte), text0, text1); },
            [=](const ConfigRecord& r) { return IndexJson(r.Get(byte), name0, name1); },
            [=](const JsonValue& v, ConfigRecord& r) {
                int n = 0;
                auto e = OptionIndex(v, name0, name1, n);
                if (e.empty()) r.Set(byte, static_cast<std::uint8_t>(n));
                return e;
            }};
}

const std::vector<Field>& Fields() {
    using R = ConfigRecord;
    static const std::vector<Field> fields = {
        WholeField("Continuous current", "continuous_current_a", 0, 1, 30, " A"),
        WholeField("Peak current", "peak_current_a", 1, 1, 50, " A"),
        {"Motor voltage", "motor_voltage_v",
         [](const R& r) {
             for (int i = 0; i < 3; ++i) {
                 if (r.Get(2) == kVoltageCodes[i]) return std::to_string(kVolts[i]) + " V";
             }
             return "unknown (code " + std::to_string(r.Get(2)) + ")";
         },
         [](const R& r) {
             for (int i = 0; i < 3; ++i) {
                 if (r.Get(2) == kVoltageCodes[i]) return std::to_string(kVolts[i]);
             }
             return std::string("null");
         },
         [](const JsonValue& v, R& r) {
             for (int i = 0; i < 3; ++i) {
                 if (v.type == JsonValue::Type::kNumber && v.number == kVolts[i]) {
                     r.Set(2, kVoltageCodes[i]);
                     return std::string();
                 }
             }
             return std::string("must be 24, 36 or 48");
         }},
        {"Motor type", "motor_type",
         [](const R& r) { return (r.Get(8) & 0x80) ? "DC (brushed)" : "BLDC (brushless)"; },
         [](const R& r) { return Quoted((r.Get(8) & 0x80) ? "DC" : "BLDC"); },
         [](const JsonValue& v, R& r) {
             int n = 0;
             auto e = OptionIndex(v, "BLDC", "DC", n);
             if (e.empty()) r.SetMotorTypeBit(n);
             return e;
         }},
        {"Phase angle", "phase_angle_deg",
         [](const R& r) { return (r.Get(8) & 1) ? "120\u00b0" : "60\u00b0"; },
         [](const R& r) { return std::string((r.Get(8) & 1) ? "120" : "60"); },
         [](const JsonValue& v, R& r) {
             if (v.type == JsonValue::Type::kNumber && (v.number == 60 || v.number == 120)) {
                 r.SetPhaseAngleBit(v.number == 120 ? 1 : 0);
                 return std::string();
             }
             return std::string("must be 60 or 120");
         }},
        {"Motor flag bits 1-6", "motor_flags_other_bits",
         [](const R& r) { return "0x" + Hex(r.Get(8) & 0x7E); },
         [](const R& r) { return std::to_string(r.Get(8) & 0x7E); },
         [](const JsonValue& v, R& r) {
             int n = 0;
             auto e = Whole(v, 0, 126, n);
             if (e.empty() && (n & 1)) e = "must leave bits 0 and 7 out";
             if (e.empty()) r.Set(8, static_cast<std::uint8_t>((r.Get(8) & 0x81) | n));
             return e;
         }},
        {"PAS level", "pas_level",
         [](const R& r) {
             for (int i = 0; i < 3; ++i) {
                 if (r.Get(4) == kLevelCodes[i]) return std::string(kLevels[i]);
             }
             return "unknown (code " + std::to_string(r.Get(4)) + ")";
         },
         [](const R& r) {
             for (int i = 0; i < 3; ++i) {
                 if (r.Get(4) == kLevelCodes[i]) return Quoted(kLevels[i]);
             }
             return std::string("null");
         },
         [](const JsonValue& v, R& r) {
             for (int i = 0; i < 3; ++i) {
                 if (v.type == JsonValue::Type::kString && v.text == kLevels[i]) {
                     r.Set(4, kLevelCodes[i]);
                     return std::string();
                 }
             }
             return std::string("must be \"Low\", \"Mid\" or \"High\"");
         }},
        OptionField("PAS direction", "pas_direction", 5, "REV", "FWD", "REV", "FWD"),
        ScaleField("Forward speed scale", "speed_scale", 9),
        OptionField("Reversion", "reversion", 6, "Disable", "Enable", "disabled", "enabled"),
        OptionField("Reversion mode", "reversion_mode", 7, "Unimm", "Immed",
                    "Unimm (at zero speed)", "Immed (immediately)"),
        ScaleField("Reversion speed scale", "reversion_speed_scale", 10),
        {"Regenerative brake", "regen_brake",
         [](const R& r) {
             return std::to_string(PercentOf(r.Get(3), 220)) + "% (" + std::to_string(r.Get(3)) +
                    "/220)";
         },
         [](const R& r) { return std::to_string(r.Get(3)); },
         [](const JsonValue& v, R& r) {
             int n = 0;
             auto e = Whole(v, 0, 220, n);
             if (e.empty()) r.Set(3, static_cast<std::uint8_t>(n));
             return e;
         }},
        {"Reserved bytes", "reserved",
         [](const R& r) {
             return Hex(r.Get(11)) + " " + Hex(r.Get(12)) + " " + Hex(r.Get(13)) + " " +
                    Hex(r.Get(14));
         },
         [](const R& r) {
             return "[" + std::to_string(r.Get(11)) + ", " + std::to_string(r.Get(12)) + ", " +
                    std::to_string(r.Get(13)) + ", " + std::to_string(r.Get(14)) + "]";
         },
         [](const JsonValue& v, R& r) {
             if (v.type != JsonValue::Type::kArray || v.array.size() != 4) {
                 return std::string("must be an array of 4 bytes");
             }
             for (double b : v.array) {
                 if (b < 0 || b > 255 || b != std::floor(b)) {
                     return std::string("must be an array of 4 bytes (0 to 255)");
                 }
             }
             for (int i = 0; i < 4; ++i) r.Set(11 + i, static_cast<std::uint8_t>(v.array[i]));
             return std::string();
         }},
    };
    return fields;
}

}  // namespace

int PercentOf(int value, int divisor) {
    return static_cast<int>(std::lround(100.0 * value / divisor));
}

std::string DescribeRecord(const ConfigRecord& record) {
    std::string out;
    for (const Field& f : Fields()) {
        std::string label = f.label;
        label.resize(24, ' ');
        out += label + f.text(record) + "\n";
    }
    return out;
}

std::string RecordToJson(const ConfigRecord& record) {
    std::string out = "{\n";
    const auto& fields = Fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        out += "  \"" + std::string(fields[i].key) + "\": " + fields[i].json(record);
        out += i + 1 < fields.size() ? ",\n" : "\n";
    }
    return out + "}\n";
}

bool RecordFromJson(const std::string& json, ConfigRecord& record,
                    std::vector<std::string>& errors) {
    std::map<std::string, JsonValue> values;
    std::string parseError;
    if (!ParseFlatJsonObject(json, values, parseError)) {
        errors.push_back("not a JSON object: " + parseError);
        return false;
    }
    ConfigRecord result;
    for (const Field& f : Fields()) {
        auto it = values.find(f.key);
        if (it == values.end()) {
            errors.push_back(std::string(f.key) + ": missing");
            continue;
        }
        const std::string error = f.apply(it->second, result);
        if (!error.empty()) errors.push_back(std::string(f.key) + ": " + error);
        values.erase(it);
    }
    for (const auto& [key, value] : values) errors.push_back(key + ": not a parameter");
    if (!errors.empty()) return false;
    record = result;
    return true;
}

std::vector<std::string> DiffRecords(const ConfigRecord& a, const ConfigRecord& b) {
    std::vector<std::string> out;
    for (const Field& f : Fields()) {
        const std::string ta = f.text(a), tb = f.text(b);
        if (ta != tb) out.push_back(std::string(f.label) + ": " + ta + " -> " + tb);
    }
    return out;
}
