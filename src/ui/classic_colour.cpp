#include "ui/classic_colour.h"

namespace {

// The classic light system colours. The window uses these whatever the desktop's theme or
// colour scheme: its fixed colours were chosen against them, and mixing them with a dark
// theme's colours makes captions unreadable.
QColor SystemColour(std::uint32_t colour) {
    switch (colour) {
        case ClassicColour::kWindow:
            return QColor(255, 255, 255);
        case ClassicColour::kWindowText:
            return QColor(0, 0, 0);
        case ClassicColour::kInactiveBorder:
        case ClassicColour::kButtonFace:
            return QColor(212, 208, 200);
        case ClassicColour::kHighlight:
            return QColor(10, 36, 106);
        case ClassicColour::kGrayText:
            return QColor(128, 128, 128);
        case ClassicColour::kButtonText:
        default:
            return QColor(0, 0, 0);
    }
}

}  // namespace

QColor ClassicColour::Resolve(std::uint32_t colour) {
    if ((colour & 0x80000000u) == 0) {
        return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    }
    return SystemColour(colour);
}

QPalette ClassicColour::ClassicPalette() {
    const QColor face = Resolve(kButtonFace), text = Resolve(kButtonText);
    const QColor gray = Resolve(kGrayText), white(255, 255, 255);
    QPalette p(text, face, white, QColor(64, 64, 64), gray, text, white, white, face);
    p.setColor(QPalette::Highlight, Resolve(kHighlight));
    p.setColor(QPalette::HighlightedText, white);
    p.setColor(QPalette::ToolTipBase, QColor(255, 255, 225));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, gray);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        p.setColor(QPalette::Disabled, role, gray);
    }
    p.setColor(QPalette::Disabled, QPalette::Base, face);
    return p;
}

void ClassicColour::SetForeground(QPalette& palette, QPalette::ColorRole role,
                                  std::uint32_t colour) {
    // A caption's own colour is for the enabled control; disabled ones are drawn gray, as
    // every disabled control is.
    palette.setColor(QPalette::Active, role, Resolve(colour));
    palette.setColor(QPalette::Inactive, role, Resolve(colour));
    palette.setColor(QPalette::Disabled, role, Resolve(kGrayText));
}
