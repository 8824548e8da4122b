#pragma once

#include <QProxyStyle>

// The window's look on top of Fusion: command buttons as flat faces in their own back
// colours with raised edges, a dotted focus mark inside and a black frame around the
// default button; a dotted focus mark on a focused scroll bar's thumb. Everything else is
// Fusion's, drawn with the window's fixed palette.
class ClassicStyle : public QProxyStyle {
  public:
    ClassicStyle();

    // The one instance the window's controls share.
    static ClassicStyle* Instance();

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;

    // The property that marks the default button (Enter presses it).
    static constexpr const char* kDefaultProperty = "vt350DefaultButton";
};
