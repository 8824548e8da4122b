#include "config/parameter_table.h"

#include "config/ui_text.h"

#include <array>
#include <cmath>

namespace {

constexpr ParameterChoice kVoltages[] = {
    {85, nullptr, 24, "24 V"}, {135, nullptr, 36, "36 V"}, {176, nullptr, 48, "48 V"}};
constexpr ParameterChoice kMotorTypes[] = {
    {0x00, "BLDC", 0, UI_TEXT_NOOP("Parameters", "BLDC (brushless)")},
    {0x80, "DC", 0, UI_TEXT_NOOP("Parameters", "DC (brushed)")}};
constexpr ParameterChoice kPhaseAngles[] = {{0, nullptr, 60, "60\u00b0"},
                                            {1, nullptr, 120, "120\u00b0"}};
constexpr ParameterChoice kLevels[] = {{20, "Low", 0, UI_TEXT_NOOP("Parameters", "Low")},
                                       {25, "Mid", 0, UI_TEXT_NOOP("Parameters", "Mid")},
                                       {30, "High", 0, UI_TEXT_NOOP("Parameters", "High")}};
constexpr ParameterChoice kDirections[] = {{0, "REV", 0, UI_TEXT_NOOP("Parameters", "REV")},
                                           {1, "FWD", 0, UI_TEXT_NOOP("Parameters", "FWD")}};
constexpr ParameterChoice kReversions[] = {
    {0, "Disable", 0, UI_TEXT_NOOP("Parameters", "disabled")},
    {1, "Enable", 0, UI_TEXT_NOOP("Parameters", "enabled")}};
constexpr ParameterChoice kReversionModes[] = {
    {0, "Unimm", 0, UI_TEXT_NOOP("Parameters", "Unimm (at zero speed)")},
    {1, "Immed", 0, UI_TEXT_NOOP("Parameters", "Immed (immediately)")}};

using Id = ParameterId;
using K = ValueKind;
using R = ConfigRecord;

ParameterRow Whole(Id id, const char* label, const char* key, std::size_t byte, int low, int high,
                   const char* unit, int zeroBecomes) {
    ParameterRow s{id, label, key, byte, 0xFF, K::kWhole};
    s.low = low, s.high = high, s.unit = unit, s.zeroBecomes = zeroBecomes;
    return s;
}

ParameterRow Choice(Id id, const char* label, const char* key, std::size_t byte, std::uint8_t mask,
                    std::span<const ParameterChoice> choices, bool indexAccepted) {
    ParameterRow s{id, label, key, byte, mask, K::kChoice};
    s.choices = choices, s.indexAccepted = indexAccepted;
    return s;
}

ParameterRow Scale(Id id, const char* label, const char* key, std::size_t byte) {
    ParameterRow s{id, label, key, byte, 0xFF, K::kScale};
    s.low = 1, s.high = 256, s.percentOf = 256;
    return s;
}

std::array<ParameterRow, 14> MakeTable() {
    ParameterRow brake = Whole(Id::kRegenBrake, UI_TEXT_NOOP("Parameters", "Regenerative brake"),
                               "regen_brake", R::kBrake, 0, 220, "", -1);
    brake.percentOf = 220;
    ParameterRow otherBits{Id::kMotorFlagsOther,
                           UI_TEXT_NOOP("Parameters", "Motor flag bits 1-6"),
                           "motor_flags_other_bits",
                           R::kMotorFlags,
                           0x7E,
                           K::kBitField};
    otherBits.low = 0, otherBits.high = 0x7E;
    ParameterRow reserved{Id::kReserved, UI_TEXT_NOOP("Parameters", "Reserved bytes"),
                          "reserved",    R::kReservedFirst,
                          0xFF,          K::kBytes};
    reserved.byteCount = R::kSize - R::kReservedFirst;
    return {
        Whole(Id::kContinuousCurrent, UI_TEXT_NOOP("Parameters", "Continuous current"),
              "continuous_current_a", R::kContinuousCurrent, 1, 30, " A", 1),
        Whole(Id::kPeakCurrent, UI_TEXT_NOOP("Parameters", "Peak current"), "peak_current_a",
              R::kPeakCurrent, 1, 50, " A", 1),
        Choice(Id::kMotorVoltage, UI_TEXT_NOOP("Parameters", "Motor voltage"), "motor_voltage_v",
               R::kVoltageCode, 0xFF, kVoltages, false),
        Choice(Id::kMotorType, UI_TEXT_NOOP("Parameters", "Motor type"), "motor_type",
               R::kMotorFlags, 0x80, kMotorTypes, true),
        Choice(Id::kPhaseAngle, UI_TEXT_NOOP("Parameters", "Phase angle"), "phase_angle_deg",
               R::kMotorFlags, 0x01, kPhaseAngles, false),
        otherBits,
        Choice(Id::kPasLevel, UI_TEXT_NOOP("Parameters", "PAS level"), "pas_level", R::kLevelCode,
               0xFF, kLevels, false),
        Choice(Id::kPasDirection, UI_TEXT_NOOP("Parameters", "PAS direction"), "pas_direction",
               R::kDirection, 0xFF, kDirections, true),
        Scale(Id::kSpeedScale, UI_TEXT_NOOP("Parameters", "Forward speed scale"), "speed_scale",
              R::kSpeedScale),
        Choice(Id::kReversion, UI_TEXT_NOOP("Parameters", "Reversion"), "reversion",
               R::kReversionEnable, 0xFF, kReversions, true),
        Choice(Id::kReversionMode, UI_TEXT_NOOP("Parameters", "Reversion mode"), "reversion_mode",
               R::kReversionMode, 0xFF, kReversionModes, true),
        Scale(Id::kReversionSpeedScale, UI_TEXT_NOOP("Parameters", "Reversion speed scale"),
              "reversion_speed_scale", R::kReversionSpeedScale),
        brake,
        reserved,
    };
}

}  // namespace

std::span<const ParameterRow> Parameters() {
    static const std::array<ParameterRow, 14> table = MakeTable();
    return table;
}

const ParameterRow& Parameter(ParameterId id) {
    for (const ParameterRow& param : Parameters()) {
        if (param.id == id) return param;
    }
    return Parameters().front();  // unreachable: every id has a row
}

std::uint8_t StoredBits(const ParameterRow& param, const ConfigRecord& record) {
    return static_cast<std::uint8_t>(record.Get(param.byte) & param.mask);
}

void StoreBits(const ParameterRow& param, ConfigRecord& record, std::uint8_t value) {
    const auto kept = static_cast<std::uint8_t>(record.Get(param.byte) & ~param.mask);
    record.Set(param.byte, static_cast<std::uint8_t>(kept | (value & param.mask)));
}

int ChoiceIndex(const ParameterRow& param, const ConfigRecord& record) {
    const std::uint8_t bits = StoredBits(param, record);
    for (std::size_t i = 0; i < param.choices.size(); ++i) {
        if (param.choices[i].stored == bits) return static_cast<int>(i);
    }
    return -1;
}

void StoreChoice(const ParameterRow& param, ConfigRecord& record, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= param.choices.size()) return;
    StoreBits(param, record, param.choices[static_cast<std::size_t>(index)].stored);
}

int ShownValue(ParameterId id, const ConfigRecord& record) {
    const ParameterRow& param = Parameter(id);
    switch (param.kind) {
        case ValueKind::kScale:
            return ScaleFromStored(StoredBits(param, record));
        case ValueKind::kChoice:
            return ChoiceIndex(param, record);
        default:
            return StoredBits(param, record);
    }
}

bool HoldsChoice(ParameterId id, const ConfigRecord& record, std::string_view text) {
    const ParameterRow& param = Parameter(id);
    const int index = ChoiceIndex(param, record);
    return index >= 0 && param.choices[static_cast<std::size_t>(index)].text == text;
}

int ScaleFromStored(std::uint8_t stored) {
    return stored == 0 ? 256 : stored;
}

std::uint8_t ScaleToStored(int value) {
    return static_cast<std::uint8_t>(value % 256);
}

int PercentOf(int value, int divisor) {
    return static_cast<int>(std::lround(100.0 * value / divisor));
}
