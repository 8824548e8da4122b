#pragma once

#include <QButtonGroup>
#include <QObject>
#include <QRadioButton>

#include <vector>

// One option array as the keyboard sees it: an exclusive group of its own, whatever the
// nesting of the frames around it. Only the selected element (the first in tab order when
// none is) is a tab stop, so Tab enters the group there and leaves it with the next Tab;
// the arrow keys move to the previous or next element of this group only, wrapping, and
// select it, as option groups do on classic Windows desktops.
class OptionGroup : public QObject {
    Q_OBJECT

  public:
    // `inTabOrder`: the group's elements in their tab order.
    OptionGroup(std::vector<QRadioButton*> inTabOrder, QObject* parent);

    const std::vector<QRadioButton*>& buttons() const { return buttons_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void UpdateTabStop();
    void Step(QRadioButton* from, int direction);

    std::vector<QRadioButton*> buttons_;
    QButtonGroup group_;
};
