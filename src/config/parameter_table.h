#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "config/config_record.h"

// Every setting of the parameter set in one table: where it lives in the record, what an
// editor may write there, and its names in words and in JSON. The window's editors, the
// command line's listings and comparisons and the JSON form all read it, so a range or a
// code is changed here and nowhere else.

enum class ParameterId {
    kContinuousCurrent,
    kPeakCurrent,
    kMotorVoltage,
    kMotorType,
    kPhaseAngle,
    kMotorFlagsOther,
    kPasLevel,
    kPasDirection,
    kSpeedScale,
    kReversion,
    kReversionMode,
    kReversionSpeedScale,
    kRegenBrake,
    kReserved,
};

enum class ValueKind {
    kWhole,     // a whole number from low to high
    kChoice,    // one of the choices, each a value of the masked bits
    kScale,     // 1 to 256 on a bar, 256 stored as 0
    kBitField,  // the masked bits, carried as a number
    kBytes,     // bytes carried as they are (the reserved ones)
};

// One element of a choice: what the masked bits hold, and how it is named.
struct ParameterChoice {
    std::uint8_t stored;
    const char* jsonName;  // the JSON string; nullptr: the choice is the JSON number below
    int jsonNumber;
    const char* text;  // in words
};

struct ParameterRow {
    ParameterId id;
    const char* label;    // in words: "Peak current"
    const char* jsonKey;  // "peak_current_a"
    std::size_t byte;
    std::uint8_t mask;  // the bits of the byte this setting owns
    ValueKind kind;
    int low = 0, high = 0;  // kWhole and kScale: what an editor can write
    const char* unit = "";  // after the number in words
    int percentOf = 0;      // above 0: the words show the value as a percent of this
    // What an editor writes for an empty or zero entry (the current limits); a record
    // holding 0 shows this value after a refresh. -1: no such rule.
    int zeroBecomes = -1;
    std::span<const ParameterChoice> choices = {};
    bool indexAccepted = false;  // kChoice: JSON may also give the element's index
    std::size_t byteCount = 1;   // kBytes
};

// The whole table, in the order listings show it.
std::span<const ParameterRow> Parameters();
const ParameterRow& Parameter(ParameterId id);

// The setting's bits of `record`, shifted to nothing: the byte masked.
std::uint8_t StoredBits(const ParameterRow& param, const ConfigRecord& record);
// Writes `value` into the setting's bits, leaving the byte's other bits as they are.
void StoreBits(const ParameterRow& param, ConfigRecord& record, std::uint8_t value);

// The index of the choice the record holds, or -1 when it holds none of them.
int ChoiceIndex(const ParameterRow& param, const ConfigRecord& record);
// Selects choice `index`; an index without a choice changes nothing.
void StoreChoice(const ParameterRow& param, ConfigRecord& record, int index);

// The value the setting's editor shows for `record`: the number in a current box, a bar's
// position (256 for a speed scale's stored 0), the choice's index; -1 for a choice the
// record holds none of. Rules across parameters compare these, as a person reads them.
int ShownValue(ParameterId id, const ConfigRecord& record);
// Whether the record holds the choice named `text` ("BLDC (brushless)", "High").
bool HoldsChoice(ParameterId id, const ConfigRecord& record, std::string_view text);

// A speed scale's position on its bar (1 to 256) from its byte, and back.
int ScaleFromStored(std::uint8_t stored);
std::uint8_t ScaleToStored(int value);

// Percent of `value / divisor`, rounded, as the window's percent labels show it.
int PercentOf(int value, int divisor);
