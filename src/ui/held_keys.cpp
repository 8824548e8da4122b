#include "ui/held_keys.h"

#include <QApplication>
#include <QKeyEvent>

HeldKeysIgnored::HeldKeysIgnored(QWidget* window, QObject* parent)
    : QObject(parent), window_(window) {
    qApp->installEventFilter(this);
}

HeldKeysIgnored::~HeldKeysIgnored() {
    qApp->removeEventFilter(this);
}

bool HeldKeysIgnored::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!key->isAutoRepeat()) return false;
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter &&
        key->key() != Qt::Key_Space) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget != nullptr && widget->window() == window_;
}
