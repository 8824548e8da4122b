#pragma once

#include <QObject>
#include <QWidget>

#include <functional>

#include "ui/held_keys.h"

// A key for a whole window, wherever the focus is in it: the demo's plug-and-unplug key
// (Ctrl+U), the controller chooser's (Ctrl+D). The key is taken before any control sees
// it, so a text box's own meaning of it (Ctrl+U deletes to the start of the line, Ctrl+D
// the next character) never edits a parameter. A held key acts once, X11's late repeats
// included.
class WindowKey : public QObject {
  public:
    WindowKey(QWidget* window, int key, Qt::KeyboardModifiers modifiers,
              std::function<void()> action);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    int key_;
    Qt::KeyboardModifiers modifiers_;
    std::function<void()> action_;
    KeyRepeats repeats_;
};
