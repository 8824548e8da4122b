#pragma once

#include <QObject>
#include <QWidget>

// While a question or a choice is open, a key held down since before it appeared does not
// answer it: the repeats of Return, Enter or Space are dropped, and only a new press
// counts. (A held Enter that opened the store question would otherwise confirm it, and the
// next; one held on a button when the controller list opens would take a controller.)
class HeldKeysIgnored : public QObject {
  public:
    // `parent` owns it where it outlives the statement that makes it.
    explicit HeldKeysIgnored(QWidget* window, QObject* parent = nullptr);
    ~HeldKeysIgnored() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
};
