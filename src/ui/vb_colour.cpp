#include "ui/vb_colour.h"

#include <QApplication>
#include <QPalette>

QColor VbColour::Resolve(std::uint32_t colour) {
    if ((colour & 0x80000000u) == 0) {
        return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    }
    const QPalette theme = QApplication::palette();
    switch (colour) {
        case kWindow:
            return theme.color(QPalette::Base);
        case kWindowText:
            return theme.color(QPalette::Text);
        case kInactiveBorder:
            return theme.color(QPalette::Window);
        case kHighlight:
            return theme.color(QPalette::Highlight);
        case kButtonFace:
            return theme.color(QPalette::Button);
        case kButtonText:
        default:
            return theme.color(QPalette::ButtonText);
    }
}
