#pragma once

#include <string>
#include <vector>

#include "config/config_record.h"
#include "config/parameter_table.h"

// The parameter set in words and in JSON, read off the parameter table: for the command
// line's listings, its JSON form and its comparisons.

// One line per parameter: "Continuous current    15 A".
std::string DescribeRecord(const ConfigRecord& record);

// A JSON object with one member per parameter; every one of the 15 bytes is carried, so
// that RecordFromJson gives back the same record.
std::string RecordToJson(const ConfigRecord& record);

// Reads the JSON form (RFC 8259; a leading UTF-8 byte order mark is allowed). A syntax
// error is told with its line and column, a key given twice is refused, and values the
// window's editors would never write are refused with one message per field in `errors`;
// the record is then left as it was.
bool RecordFromJson(const std::string& json, ConfigRecord& record,
                    std::vector<std::string>& errors);

// One setting's value in words, as the listings show it: "15 A", "36 V", "50% (128/256)".
std::string ValueInWords(const ParameterRow& param, const ConfigRecord& record);

// A setting whose value differs between two sets, in words as the editors show it.
struct ParameterChange {
    const ParameterRow* param;
    std::string before, after;
};
std::vector<ParameterChange> ChangedParameters(const ConfigRecord& before,
                                               const ConfigRecord& after);
// "Continuous current 15 A → 20 A", as the store question and the history say it.
std::string ChangeInWords(const ParameterChange& change);
// "Peak current: 30 A -> 35 A" for every parameter that differs; empty when equal.
std::vector<std::string> DiffRecords(const ConfigRecord& a, const ConfigRecord& b);
