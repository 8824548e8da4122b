#pragma once

#include <string>
#include <vector>

#include "config/config_record.h"
#include "config/parameter_table.h"

// The rules a parameter set must or should keep, in one table beside the parameter table.
// A set that breaks a refusing rule (a value no editor can write) is never sent without
// --force; a warning names a combination that is allowed but rarely right, and is said
// wherever the set is shown, compared or sent, without stopping anything.

// A setting that holds a value the window's editors cannot write, with the value named:
// "Motor voltage: unknown (code 100); the editor offers 24 V, 36 V or 48 V".
struct EditorProblem {
    const ParameterRow* param;
    std::string text;
};
// Every such setting of `record`, in the table's order; empty when the editors could
// have written the whole set. The reserved bytes and the other motor flag bits are
// carried as they are. The window's Store/Save and the command line's writes both ask
// this before anything goes to a controller.
std::vector<EditorProblem> EditorProblems(const ConfigRecord& record);
// The same as one message per setting; true when there is none.
bool IsEditorRecord(const ConfigRecord& record, std::vector<std::string>& errors);

// The warnings for `record`: "Peak current 10 A is below the continuous current 15 A".
std::vector<std::string> SafetyWarnings(const ConfigRecord& record);
