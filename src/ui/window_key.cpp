#include "ui/window_key.h"

#include <QApplication>
#include <QKeyEvent>

WindowKey::WindowKey(QWidget* window, int key, Qt::KeyboardModifiers modifiers,
                     std::function<void()> action)
    : QObject(window),
      window_(window),
      key_(key),
      modifiers_(modifiers),
      action_(std::move(action)) {
    qApp->installEventFilter(this);
}

bool WindowKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == key_) repeats_.IsRepeat(*key);  // noted: a press right after repeats
        return false;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != key_ || key->modifiers() != modifiers_) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window_) return false;
    // The override is claimed so that no shortcut takes the key; the press itself acts.
    if (event->type() == QEvent::KeyPress && !repeats_.IsRepeat(*key)) action_();
    event->accept();
    return true;
}
