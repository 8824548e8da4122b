#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Just enough JSON for a flat parameter object: an object whose values are numbers,
// strings, true, false, null, or arrays of numbers.
struct JsonValue {
    enum class Type { kNull, kBool, kNumber, kString, kArray };
    Type type = Type::kNull;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::vector<double> array;
};

// Parses `text` into `out`. On failure returns false and says where in `error`.
bool ParseFlatJsonObject(std::string_view text, std::map<std::string, JsonValue>& out,
                         std::string& error);
