#include "ui/classic_style.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>

namespace {

void DrawDottedFocus(QPainter* painter, const QRect& rect, const QColor& colour) {
    painter->save();
    QPen pen(colour, 1, Qt::DotLine);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

void DrawButtonFace(const QStyleOptionButton* button, QPainter* painter, const QWidget* widget) {
    QRect rect = button->rect;
    const bool isDefault =
        widget != nullptr && widget->property(ClassicStyle::kDefaultProperty).toBool();
    if (isDefault) {
        painter->save();
        painter->setPen(Qt::black);
        painter->drawRect(rect.adjusted(0, 0, -1, -1));
        painter->restore();
        rect.adjust(1, 1, -1, -1);
    }
    const bool sunken = button->state & (QStyle::State_Sunken | QStyle::State_On);
    const QBrush face = button->palette.brush(QPalette::Active, QPalette::Button);
    qDrawWinButton(painter, rect, button->palette, sunken, &face);
    if (button->state & QStyle::State_HasFocus) {
        DrawDottedFocus(painter, rect.adjusted(3, 3, -3, -3), Qt::black);
    }
}

}  // namespace

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

ClassicStyle* ClassicStyle::Instance() {
    static ClassicStyle* style = [] {
        auto* s = new ClassicStyle;
        if (qApp != nullptr) s->setParent(qApp);
        return s;
    }();
    return style;
}

void ClassicStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    if (element == CE_PushButton) {
        if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option)) {
            DrawButtonFace(button, painter, widget);
            // The face carries the focus mark; the label is drawn without the theme's.
            QStyleOptionButton label(*button);
            label.state &= ~State_HasFocus;
            label.rect = subElementRect(SE_PushButtonContents, button, widget);
            QProxyStyle::drawControl(CE_PushButtonLabel, &label, painter, widget);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void ClassicStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                      QPainter* painter, const QWidget* widget) const {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    if (control == CC_ScrollBar && (option->state & State_HasFocus)) {
        const QRect thumb = subControlRect(control, option, SC_ScrollBarSlider, widget);
        DrawDottedFocus(painter, thumb.adjusted(2, 2, -2, -2), Qt::black);
    }
}
