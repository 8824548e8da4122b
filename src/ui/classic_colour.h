#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

// Colours as the layout table gives them: 0x00BBGGRR for a fixed colour, 0x800000nn
// for the system colour nn, which is the classic light system colour of that purpose
// whatever the desktop's theme, so that the window reads the same everywhere.
namespace ClassicColour {

inline constexpr std::uint32_t kDefault = 0xFFFFFFFF;
inline constexpr std::uint32_t kWindow = 0x80000005;          // text box background
inline constexpr std::uint32_t kWindowText = 0x80000008;      // text box text
inline constexpr std::uint32_t kInactiveBorder = 0x8000000B;  // option button background
inline constexpr std::uint32_t kHighlight = 0x8000000D;       // row labels
inline constexpr std::uint32_t kButtonFace = 0x8000000F;      // frames and labels
inline constexpr std::uint32_t kGrayText = 0x80000011;        // disabled captions
inline constexpr std::uint32_t kButtonText = 0x80000012;      // captions

constexpr std::uint32_t Rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(r) | static_cast<std::uint32_t>(g) << 8 |
           static_cast<std::uint32_t>(b) << 16;
}

QColor Resolve(std::uint32_t colour);

// A palette of the classic light system colours for every role, disabled roles gray.
QPalette ClassicPalette();

// Sets a text role to `colour` for the enabled states and to gray for the disabled one.
void SetForeground(QPalette& palette, QPalette::ColorRole role, std::uint32_t colour);

}  // namespace ClassicColour
