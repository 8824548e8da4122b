#include "ui/option_group.h"

#include <QKeyEvent>

OptionGroup::OptionGroup(std::vector<QRadioButton*> inTabOrder, QObject* parent)
    : QObject(parent), buttons_(std::move(inTabOrder)), group_(this) {
    group_.setExclusive(true);
    for (QRadioButton* b : buttons_) {
        group_.addButton(b);
        b->installEventFilter(this);
        connect(b, &QRadioButton::toggled, this, &OptionGroup::UpdateTabStop);
    }
    UpdateTabStop();
}

void OptionGroup::UpdateTabStop() {
    QRadioButton* stop = buttons_.front();
    for (QRadioButton* b : buttons_) {
        if (b->isChecked()) stop = b;
    }
    for (QRadioButton* b : buttons_)
        b->setFocusPolicy(b == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void OptionGroup::Step(QRadioButton* from, int direction) {
    const int n = static_cast<int>(buttons_.size());
    int i = 0;
    while (i < n && buttons_[static_cast<std::size_t>(i)] != from) ++i;
    // The next element that can take the focus; disabled or hidden ones are passed over.
    for (int k = 1; k < n; ++k) {
        QRadioButton* next = buttons_[static_cast<std::size_t>(((i + direction * k) % n + n) % n)];
        if (next->isEnabled() && next->isVisibleTo(next->window())) {
            next->setFocus(Qt::TabFocusReason);
            next->click();
            return;
        }
    }
}

bool OptionGroup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    int direction = 0;
    switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            direction = -1;
            break;
        case Qt::Key_Down:
        case Qt::Key_Right:
            direction = 1;
            break;
        default:
            return false;
    }
    Step(static_cast<QRadioButton*>(watched), direction);
    return true;
}
