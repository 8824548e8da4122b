#include "config/parameter_rules.h"

#include "config/parameter_view.h"
#include "config/ui_text.h"

namespace {

std::string Value(ParameterId id, const ConfigRecord& r) {
    return UiText("Parameters", ValueInWords(Parameter(id), r));
}

// The rules across parameters: each says, for a set that breaks it, what is wrong.
struct CrossRule {
    bool (*broken)(const ConfigRecord&);
    std::string (*say)(const ConfigRecord&);
};

const CrossRule kCrossRules[] = {
    // The peak limit is what the controller allows for a moment above the continuous one;
    // below it, the motor never gets the continuous current it was set for.
    {[](const ConfigRecord& r) {
         return ShownValue(ParameterId::kPeakCurrent, r) <
                ShownValue(ParameterId::kContinuousCurrent, r);
     },
     [](const ConfigRecord& r) {
         return FillText(
             UiText("Messages", "Peak current %1 is below the continuous current %2"),
             {Value(ParameterId::kPeakCurrent, r), Value(ParameterId::kContinuousCurrent, r)});
     }},
};

}  // namespace

std::vector<EditorProblem> EditorProblems(const ConfigRecord& record) {
    std::vector<EditorProblem> out;
    for (const ParameterRow& param : Parameters()) {
        const int bits = StoredBits(param, record);
        if (param.kind == ValueKind::kWhole && (bits < param.low || bits > param.high)) {
            out.push_back({&param, FillText(UiText("Messages", "%1: %2 is outside %3 to %4"),
                                            {UiText("Parameters", param.label),
                                             ValueInWords(param, record), std::to_string(param.low),
                                             std::to_string(param.high) + param.unit})});
        } else if (param.kind == ValueKind::kChoice && ChoiceIndex(param, record) < 0) {
            std::string offered;
            for (std::size_t i = 0; i < param.choices.size(); ++i) {
                if (i > 0) {
                    offered += i + 1 == param.choices.size() ? UiText("Messages", " or ") : ", ";
                }
                offered += UiText("Parameters", param.choices[i].text);
            }
            out.push_back({&param, FillText(UiText("Messages", "%1: %2; the editor offers %3"),
                                            {UiText("Parameters", param.label),
                                             ValueInWords(param, record), offered})});
        }
    }
    return out;
}

bool IsEditorRecord(const ConfigRecord& record, std::vector<std::string>& errors) {
    const auto problems = EditorProblems(record);
    for (const EditorProblem& p : problems) errors.push_back(p.text);
    return problems.empty();
}

std::vector<std::string> SafetyWarnings(const ConfigRecord& record) {
    std::vector<std::string> out;
    for (const CrossRule& rule : kCrossRules) {
        if (rule.broken(record)) out.push_back(rule.say(record));
    }
    return out;
}
