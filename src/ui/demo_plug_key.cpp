#include "ui/demo_plug_key.h"

#include <QApplication>
#include <QKeyEvent>

DemoPlugKey::DemoPlugKey(QWidget* window, std::function<void()> toggle)
    : QObject(window), window_(window), toggle_(std::move(toggle)) {
    qApp->installEventFilter(this);
}

bool DemoPlugKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_U || key->modifiers() != Qt::ControlModifier) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window_) return false;
    // The override is claimed so that no shortcut takes the key; the press itself toggles.
    if (event->type() == QEvent::KeyPress && !key->isAutoRepeat()) toggle_();
    event->accept();
    return true;
}
