#pragma once

#include <string>
#include <vector>

#include "config/config_record.h"

// The parameter set in words: for the command-line program's listings, its JSON form and
// its comparisons. The window's own editors are the reference for what each byte means.

// Percent of `value / divisor`, rounded, as the window's percent labels show it.
int PercentOf(int value, int divisor);

// One line per parameter: "Continuous current    15 A".
std::string DescribeRecord(const ConfigRecord& record);

// A JSON object with one member per parameter; every one of the 15 bytes is carried, so
// that RecordFromJson gives back the same record.
std::string RecordToJson(const ConfigRecord& record);

// Reads the JSON form. Values the window's editors would never write are refused with one
// message per field in `errors`; the record is then left as it was.
bool RecordFromJson(const std::string& json, ConfigRecord& record,
                    std::vector<std::string>& errors);

// "Peak current: 30 A -> 35 A" for every parameter that differs; empty when equal.
std::vector<std::string> DiffRecords(const ConfigRecord& a, const ConfigRecord& b);
