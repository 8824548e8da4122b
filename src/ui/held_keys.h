#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QWidget>

#include <map>
#include <set>

class QKeyEvent;

// Tells the repeats of a held key from new presses: a repeat is what the system flags as
// one, and also a press that follows the same key's release within a few milliseconds of
// the display server's clock. X11 repeats a held key as release-and-press pairs stamped
// alike, which Qt flags as repeats only when both are already queued, and a loaded machine
// often is too late; no hand releases and presses a key again that fast.
class KeyRepeats {
  public:
    // A press this close to the same key's release (display server time) is a repeat.
    static constexpr unsigned long kPairMs = 25;

    // Notes a key event (a press, a release, or a press's shortcut check); true for a press
    // that repeats a key held down.
    bool IsRepeat(const QKeyEvent& event);

  private:
    // The last release of each key, in the display server's time, where the system gives it.
    std::map<int, unsigned long> lastRelease_;
};

// Only a press the person made on purpose answers a question, takes a controller or presses
// a button with Return, Enter or Space. Dropped, for the widgets of one window:
// - the repeats of a held key (KeyRepeats);
// - with `settleMs`, every press for that long after the window appeared: a box that pops
//   up under a key meant for the window below never takes it;
// - after RequireRelease(), every press of that key until it has been released.
class HeldKeysIgnored : public QObject {
    Q_OBJECT

  public:
    // How long a box ignores the keys after it appeared.
    static constexpr int kBoxSettleMs = 400;
    // `parent` owns it where it outlives the statement that makes it.
    explicit HeldKeysIgnored(QWidget* window, QObject* parent = nullptr, int settleMs = 0);
    ~HeldKeysIgnored() override;

    // Presses of Return and Enter count again only after a release (a store just confirmed
    // by a key that may still be down).
    void RequireRelease();
    // The settle time is over.
    bool settled() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* window_;
    QElapsedTimer shown_;
    int settleMs_;
    std::set<int> down_;         // pressed, and not released since
    std::set<int> mustRelease_;  // RequireRelease() while down
    KeyRepeats repeats_;
};

// Whether the keys of a window that ignores them for a while after it appeared count now.
bool KeysSettled(const QWidget* window);
