#pragma once

#include <string>

// Why the controller's node cannot be opened, in the terms a technician can act on.

// What was found out about the refused node.
struct PermissionFacts {
    int error = 0;               // the open's OS error
    bool nodeExists = true;      // the device node is there (as a file)
    bool ruleInstalled = false;  // 70-vt350.rules in one of udev's rule folders
    std::string nodeGroup;       // the group that owns the node ("" when unknown)
    bool userInNodeGroup = false;
    std::string ruleGroup = "plugdev";  // the group the rule gives the node
};

// "cannot be opened (reason); what to do".
std::string PermissionAdvice(const PermissionFacts& facts, const std::string& path);

// The facts of this system for `path` (on Windows only the error).
PermissionFacts GatherPermissionFacts(int error, const std::string& path);

// The paragraphs of vt350ctl's help that differ by system: where the history is kept and
// who may open the controller.
const char* SystemHelpNotes();
