#include "config/parameter_view.h"

#include <gtest/gtest.h>

#include "config/parameter_rules.h"
#include "test_support.h"

TEST(ParameterView, JsonRoundTripForEveryEditableValue) {
    for (auto record : {RecordOf({1, 1, 85, 0, 20, 0, 0, 0, 0x00, 1, 1}),
                        RecordOf({30, 50, 176, 220, 30, 1, 1, 1, 0xFF, 0, 0, 255, 0, 128, 7}),
                        RecordOf({12, 40, 135, 17, 25, 1, 0, 1, 0x2A, 200, 99, 1, 2, 3, 4})}) {
        ConfigRecord back;
        std::vector<std::string> errors;
        ASSERT_TRUE(RecordFromJson(RecordToJson(record), back, errors))
            << (errors.empty() ? "" : errors[0]);
        EXPECT_EQ(back, record);
    }
}

TEST(ParameterView, UnknownCodesAreShownAndRefusedOnImport) {
    const ConfigRecord odd = RecordOf({45, 0, 100, 250, 0, 7, 2, 3});
    const std::string text = DescribeRecord(odd);
    EXPECT_NE(text.find("unknown (code 100)"), std::string::npos);
    EXPECT_NE(text.find("PAS direction           unknown (code 7)"), std::string::npos);
    ConfigRecord back = RecordOf({9});
    std::vector<std::string> errors;
    EXPECT_FALSE(RecordFromJson(RecordToJson(odd), back, errors));
    EXPECT_EQ(back, RecordOf({9})) << "a refused import changes nothing";
    // current, peak, voltage, level, direction, reversion, mode, brake
    EXPECT_EQ(errors.size(), 8u);
}

TEST(ParameterView, MissingAndUnknownKeysAreNamed) {
    ConfigRecord r;
    std::vector<std::string> errors;
    EXPECT_FALSE(RecordFromJson("{\"colour\": \"red\"}", r, errors));
    EXPECT_EQ(errors.front(), "continuous_current_a: missing");
    EXPECT_EQ(errors.back(), "colour: not a parameter");
    errors.clear();
    EXPECT_FALSE(RecordFromJson("[1, 2]", r, errors));
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].substr(0, 18), "not a JSON object:");
}

TEST(ParameterView, DiffNamesEachChangedParameter) {
    const ConfigRecord a = RecordOf({10, 20, 85, 0, 20, 0, 0, 0, 0, 0, 0});
    ConfigRecord b = a;
    EXPECT_TRUE(DiffRecords(a, b).empty());
    b.Set(2, 176);
    StoreChoice(Parameter(ParameterId::kMotorType), b, 1);
    const auto lines = DiffRecords(a, b);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Motor voltage: 24 V -> 48 V");
    EXPECT_EQ(lines[1], "Motor type: BLDC (brushless) -> DC (brushed)");
}

// The rule table at its edges, parameter by parameter from the table itself: each editor's
// lowest and highest value pass, the value just outside each is refused by name; the peak
// rule warns below the continuous current only.
TEST(ParameterRules, EveryEditorsEdgesAndThePeakRule) {
    for (const ParameterRow& param : Parameters()) {
        if (param.kind != ValueKind::kWhole) continue;
        const auto refused = [&](int value) {
            ConfigRecord r = RecordOf({15, 30, 135, 110, 25, 1, 0, 0, 1, 0, 128});
            StoreBits(param, r, static_cast<std::uint8_t>(value));
            for (const EditorProblem& p : EditorProblems(r)) {
                if (p.param == &param) return true;
            }
            return false;
        };
        EXPECT_FALSE(refused(param.low)) << param.label << " " << param.low;
        EXPECT_FALSE(refused(param.high)) << param.label << " " << param.high;
        if (param.low > 0) {
            EXPECT_TRUE(refused(param.low - 1)) << param.label;
        }
        if (param.high < 255) {
            EXPECT_TRUE(refused(param.high + 1)) << param.label;
        }
    }
    const auto warnings = [](std::uint8_t continuous, std::uint8_t peak) {
        return SafetyWarnings(RecordOf({continuous, peak, 135, 110, 25, 1, 0, 0, 1, 0, 128}));
    };
    EXPECT_EQ(warnings(20, 19),
              std::vector<std::string>{"Peak current 19 A is below the continuous current 20 A"});
    EXPECT_TRUE(warnings(20, 20).empty());
    EXPECT_TRUE(warnings(20, 21).empty());
    // What a rule compares is what the editors show: a speed scale's stored 0 is 256.
    const ConfigRecord full = RecordOf({15, 30, 135, 110, 25, 1, 0, 0, 1, 0, 128});
    EXPECT_EQ(ShownValue(ParameterId::kSpeedScale, full), 256);
    EXPECT_EQ(ShownValue(ParameterId::kReversionSpeedScale, full), 128);
    EXPECT_TRUE(HoldsChoice(ParameterId::kMotorType, full, "BLDC (brushless)"));
    EXPECT_TRUE(HoldsChoice(ParameterId::kPasLevel, full, "Mid"));
    EXPECT_FALSE(HoldsChoice(ParameterId::kPasLevel, RecordOf({15, 30, 135, 110, 26}), "Mid"));
}

// A choice given by its index where the JSON form names it: refused, naming the names (the
// motor type alone takes its index too, as earlier versions wrote it).
TEST(ParameterView, AChoiceIndexWhereANameIsExpectedIsRefused) {
    const ConfigRecord factory = RecordOf({15, 30, 135, 110, 25, 1, 0, 0, 1, 0, 128});
    std::string text = RecordToJson(factory);
    const auto replace = [&](const std::string& from, const std::string& to) {
        text.replace(text.find(from), from.size(), to);
    };
    replace("\"pas_level\": \"Mid\"", "\"pas_level\": 1");
    replace("\"motor_type\": \"BLDC\"", "\"motor_type\": 1");
    ConfigRecord back = RecordOf({9});
    std::vector<std::string> errors;
    EXPECT_FALSE(RecordFromJson(text, back, errors));
    EXPECT_EQ(errors, std::vector<std::string>{"pas_level: must be \"Low\", \"Mid\" or \"High\""});
    EXPECT_EQ(back, RecordOf({9}));
}
