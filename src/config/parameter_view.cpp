#include "config/parameter_view.h"

#include "config/ui_text.h"

#include <cmath>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>

namespace {

using Json = nlohmann::json;

std::string Hex(std::uint8_t b) {
    char s[3];
    std::snprintf(s, sizeof s, "%02x", b);
    return s;
}

std::string Quoted(const char* s) {
    return std::string("\"") + s + "\"";
}

// The choice as JSON writes it: its name in quotes, or its number.
std::string ChoiceJson(const ParameterChoice& c) {
    return c.jsonName != nullptr ? Quoted(c.jsonName) : std::to_string(c.jsonNumber);
}

std::string Percent(int value, int divisor) {
    return std::to_string(PercentOf(value, divisor)) + "% (" + std::to_string(value) + "/" +
           std::to_string(divisor) + ")";
}

std::string Words(const ParameterRow& param, const ConfigRecord& r) {
    const std::uint8_t bits = StoredBits(param, r);
    switch (param.kind) {
        case ValueKind::kWhole:
            return param.percentOf > 0 ? Percent(bits, param.percentOf)
                                       : std::to_string(bits) + param.unit;
        case ValueKind::kScale:
            return Percent(ScaleFromStored(bits), param.percentOf);
        case ValueKind::kChoice: {
            const int i = ChoiceIndex(param, r);
            return i >= 0 ? param.choices[static_cast<std::size_t>(i)].text
                          : FillText(UiText("Parameters", "unknown (code %1)"),
                                     {std::to_string(bits)});
        }
        case ValueKind::kBitField:
            return "0x" + Hex(bits);
        case ValueKind::kBytes: {
            std::string out;
            for (std::size_t i = 0; i < param.byteCount; ++i) {
                out += (i ? " " : "") + Hex(r.Get(param.byte + i));
            }
            return out;
        }
    }
    return "";
}

std::string JsonText(const ParameterRow& param, const ConfigRecord& r) {
    const std::uint8_t bits = StoredBits(param, r);
    switch (param.kind) {
        case ValueKind::kWhole:
        case ValueKind::kBitField:
            return std::to_string(bits);
        case ValueKind::kScale:
            return std::to_string(ScaleFromStored(bits));
        case ValueKind::kChoice: {
            const int i = ChoiceIndex(param, r);
            return i >= 0 ? ChoiceJson(param.choices[static_cast<std::size_t>(i)]) : "null";
        }
        case ValueKind::kBytes: {
            std::string out = "[";
            for (std::size_t i = 0; i < param.byteCount; ++i) {
                out += (i ? ", " : "") + std::to_string(r.Get(param.byte + i));
            }
            return out + "]";
        }
    }
    return "null";
}

// A JSON number that is a whole number within `low` to `high`.
std::optional<int> WholeIn(const Json& v, int low, int high) {
    if (!v.is_number()) return std::nullopt;
    const double d = v.get<double>();
    if (!std::isfinite(d) || d != std::floor(d) || d < low || d > high) return std::nullopt;
    return static_cast<int>(d);
}

std::string RangeError(int low, int high) {
    return "must be a whole number from " + std::to_string(low) + " to " + std::to_string(high);
}

std::string ChoiceError(const ParameterRow& param) {
    std::string out = "must be ";
    for (std::size_t i = 0; i < param.choices.size(); ++i) {
        if (i > 0) out += i + 1 == param.choices.size() ? " or " : ", ";
        out += ChoiceJson(param.choices[i]);
    }
    return out;
}

std::optional<int> ChoiceFromJson(const ParameterRow& param, const Json& v) {
    for (std::size_t i = 0; i < param.choices.size(); ++i) {
        const ParameterChoice& c = param.choices[i];
        const bool named =
            c.jsonName != nullptr && v.is_string() && v.get<std::string>() == c.jsonName;
        const bool numbered = c.jsonName == nullptr && WholeIn(v, c.jsonNumber, c.jsonNumber);
        if (named || numbered) return static_cast<int>(i);
    }
    if (param.indexAccepted) return WholeIn(v, 0, static_cast<int>(param.choices.size()) - 1);
    return std::nullopt;
}

// Applies one setting's JSON value; returns an error text, or "" when it was accepted.
std::string Apply(const ParameterRow& param, const Json& v, ConfigRecord& r) {
    switch (param.kind) {
        case ValueKind::kWhole:
        case ValueKind::kScale: {
            const auto n = WholeIn(v, param.low, param.high);
            if (!n) return RangeError(param.low, param.high);
            StoreBits(param, r,
                      param.kind == ValueKind::kScale ? ScaleToStored(*n)
                                                      : static_cast<std::uint8_t>(*n));
            return "";
        }
        case ValueKind::kChoice: {
            const auto i = ChoiceFromJson(param, v);
            if (!i) return ChoiceError(param);
            StoreChoice(param, r, *i);
            return "";
        }
        case ValueKind::kBitField: {
            const auto n = WholeIn(v, param.low, param.high);
            if (!n) return RangeError(param.low, param.high);
            if ((*n & ~param.mask) != 0) return "must use only the bits of 0x" + Hex(param.mask);
            StoreBits(param, r, static_cast<std::uint8_t>(*n));
            return "";
        }
        case ValueKind::kBytes: {
            const std::string error =
                "must be an array of " + std::to_string(param.byteCount) + " bytes (0 to 255)";
            if (!v.is_array() || v.size() != param.byteCount) return error;
            for (std::size_t i = 0; i < param.byteCount; ++i) {
                if (!WholeIn(v[i], 0, 255)) return error;
            }
            for (std::size_t i = 0; i < param.byteCount; ++i) {
                r.Set(param.byte + i, static_cast<std::uint8_t>(v[i].get<double>()));
            }
            return "";
        }
    }
    return "not a parameter";
}

// Parses strictly; a key given twice in one object is an error, not "the last one wins".
std::optional<Json> ParseStrict(const std::string& text, std::string& error) {
    std::vector<std::set<std::string>> keys;
    std::string duplicate;
    auto watch = [&](int, Json::parse_event_t event, Json& parsed) {
        if (event == Json::parse_event_t::object_start) keys.emplace_back();
        if (event == Json::parse_event_t::object_end && !keys.empty()) keys.pop_back();
        if (event == Json::parse_event_t::key && !keys.empty() &&
            !keys.back().insert(parsed.get<std::string>()).second && duplicate.empty()) {
            duplicate = parsed.get<std::string>();
        }
        return true;
    };
    try {
        Json parsed = Json::parse(text, watch);
        if (!duplicate.empty()) {
            error = "the key \"" + duplicate + "\" is given twice";
            return std::nullopt;
        }
        return parsed;
    } catch (const Json::exception& e) {
        // A syntax error, or a number beyond what a double holds (out_of_range).
        // "[json.exception.parse_error.101] parse error at line 1, column 3: ..."
        std::string what = e.what();
        const auto start = what.find("] ");
        error = start == std::string::npos ? what : what.substr(start + 2);
        return std::nullopt;
    }
}

}  // namespace

std::string DescribeRecord(const ConfigRecord& record) {
    std::string out;
    for (const ParameterRow& param : Parameters()) {
        std::string label = param.label;
        label.resize(24, ' ');
        out += label + Words(param, record) + "\n";
    }
    return out;
}

std::string RecordToJson(const ConfigRecord& record) {
    std::string out = "{\n";
    const auto table = Parameters();
    for (std::size_t i = 0; i < table.size(); ++i) {
        out += "  \"" + std::string(table[i].jsonKey) + "\": " + JsonText(table[i], record);
        out += i + 1 < table.size() ? ",\n" : "\n";
    }
    return out + "}\n";
}

bool RecordFromJson(const std::string& json, ConfigRecord& record,
                    std::vector<std::string>& errors) {
    std::string parseError;
    const auto parsed = ParseStrict(json, parseError);
    if (!parsed) {
        errors.push_back("not valid JSON: " + parseError);
        return false;
    }
    if (!parsed->is_object()) {
        errors.push_back("not a JSON object: the parameter set is one object of named values");
        return false;
    }
    ConfigRecord result;
    std::set<std::string> known;
    for (const ParameterRow& param : Parameters()) {
        known.insert(param.jsonKey);
        const auto it = parsed->find(param.jsonKey);
        if (it == parsed->end()) {
            errors.push_back(std::string(param.jsonKey) + ": missing");
            continue;
        }
        const std::string error = Apply(param, *it, result);
        if (!error.empty()) errors.push_back(std::string(param.jsonKey) + ": " + error);
    }
    for (const auto& [key, value] : parsed->items()) {
        if (!known.count(key)) errors.push_back(key + ": not a parameter");
    }
    if (!errors.empty()) return false;
    record = result;
    return true;
}

std::string ValueInWords(const ParameterRow& param, const ConfigRecord& record) {
    return Words(param, record);
}

std::vector<ParameterChange> ChangedParameters(const ConfigRecord& before,
                                               const ConfigRecord& after) {
    std::vector<ParameterChange> out;
    for (const ParameterRow& param : Parameters()) {
        std::string a = Words(param, before), b = Words(param, after);
        if (a != b) out.push_back({&param, std::move(a), std::move(b)});
    }
    return out;
}

std::string ChangeInWords(const ParameterChange& change) {
    return UiText("Parameters", change.param->label) + " " + UiText("Parameters", change.before) +
           " \u2192 " + UiText("Parameters", change.after);
}

std::vector<std::string> DiffRecords(const ConfigRecord& a, const ConfigRecord& b) {
    std::vector<std::string> out;
    for (const ParameterChange& c : ChangedParameters(a, b)) {
        out.push_back(std::string(c.param->label) + ": " + c.before + " -> " + c.after);
    }
    return out;
}
