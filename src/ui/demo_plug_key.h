#pragma once

#include <QObject>
#include <QWidget>

#include <functional>

// The demo's plug-and-unplug key (Ctrl+U) for a window, wherever the focus is in it. The
// key is taken before any control sees it, so a text box's own Ctrl+U (delete to the
// start of the line) never edits a parameter.
class DemoPlugKey : public QObject {
  public:
    DemoPlugKey(QWidget* window, std::function<void()> toggle);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    std::function<void()> toggle_;
};
