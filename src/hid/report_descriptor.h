#pragma once

#include <cstdint>
#include <optional>
#include <span>

// The usage page of a HID report descriptor's first top-level collection: the Usage Page
// item in effect when that collection opens. Nothing when the descriptor ends (or breaks
// off inside an item) before a collection opens.
std::optional<std::uint16_t> TopLevelUsagePage(std::span<const std::uint8_t> descriptor);
