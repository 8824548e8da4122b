#pragma once

// The window's layout table: every control with its container, position and size in
// twips (1/1440 inch, 15 to a pixel at 96 dpi), caption, font, colours, tool tip and tab
// index.
#include <cstdint>
#include <span>

#include "ui/classic_colour.h"

namespace form1_layout {

enum class Kind {
    kFrame,
    kPlainFrame,
    kLabel,
    kAutoLabel,
    kOption,
    kText,
    kButton,
    kScroll,
    kImage
};
enum class Font { kWindow, kHeading, kBold, kBoldSmall, kBoldItalic, kBoldItalicSmall, kUpright };

struct ControlRow {
    const char* container;
    Kind kind;
    const char* name;
    int index;  // element of an option array, -1 otherwise
    int left, top, width, height;
    const char* text;
    Font font;
    std::uint32_t fore, back;
    const char* toolTip;
    int tab;
    // The translation's comment where one English caption stands for two things (the
    // frames "REV" and "FWD" name driving directions, the PAS options of the same words
    // a pedal direction), so that each gets a translation of its own.
    const char* meaning = nullptr;
};

// One block per container, each in drawing order (topmost first). Containers come before
// the controls inside them.
std::span<const ControlRow> Rows();

// Whether a caption has a full wording for translation, which a language whose caption is
// an abbreviation gives (translated with the comment "full wording").
bool HasFullWording(const char* caption);

}  // namespace form1_layout
