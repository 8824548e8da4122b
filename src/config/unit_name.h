#pragma once

#include <string>

// A unit: the bike, frame or order number a controller belongs to, typed by a person or by a
// barcode scanner (which types its text and Enter). Kept with every entry of that controller.

// The text as a unit: spaces, tabs and line ends at either end dropped (a scanner may send a
// carriage return before its Enter).
std::string TrimmedUnit(const std::string& typed);
// Why `unit` (trimmed) cannot be one, or "": empty, longer than 64 bytes, not UTF-8, or with a
// control character in it.
std::string UnitProblem(const std::string& unit);
