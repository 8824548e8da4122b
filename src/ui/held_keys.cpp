#include "ui/held_keys.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

// The keys that answer, take and press.
bool IsConfirmingKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

}  // namespace

bool KeysSettled(const QWidget* window) {
    for (const HeldKeysIgnored* held :
         window->findChildren<HeldKeysIgnored*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!held->settled()) return false;
    }
    return true;
}

HeldKeysIgnored::HeldKeysIgnored(QWidget* window, QObject* parent, int settleMs)
    : QObject(parent), window_(window), settleMs_(settleMs) {
    shown_.start();
    qApp->installEventFilter(this);
}

HeldKeysIgnored::~HeldKeysIgnored() {
    qApp->removeEventFilter(this);
}

void HeldKeysIgnored::RequireRelease() {
    // Only a key that is down now: a store confirmed with the mouse leaves Enter as it was.
    for (int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        if (down_.count(key) != 0) mustRelease_.insert(key);
    }
}

bool HeldKeysIgnored::settled() const {
    return shown_.elapsed() >= settleMs_;
}

bool KeyRepeats::IsRepeat(const QKeyEvent& event) {
    if (event.isAutoRepeat()) return true;
    // The display server's own stamp, where the event came from the system (a synthetic
    // event has no scan code, and no server time to compare).
    if (event.nativeScanCode() == 0) return false;
    if (event.type() == QEvent::KeyRelease) {
        lastRelease_[event.key()] = event.timestamp();
        return false;
    }
    const auto released = lastRelease_.find(event.key());
    return released != lastRelease_.end() && event.timestamp() >= released->second &&
           event.timestamp() - released->second < kPairMs;
}

bool HeldKeysIgnored::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const int code = key->key();
    if (!IsConfirmingKey(code)) return false;
    // What the keys do is followed in every window: a key held in one may be down when the
    // next appears. (An event that climbs from a control to its parents passes here once for
    // each; noting it again changes nothing.)
    const bool repeat = repeats_.IsRepeat(*key);
    if (event->type() == QEvent::KeyRelease) {
        if (!repeat) {
            down_.erase(code);
            mustRelease_.erase(code);
        }
        return false;
    }
    down_.insert(code);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != window_) return false;
    if (repeat || !settled()) return true;
    return mustRelease_.count(code) != 0;
}
