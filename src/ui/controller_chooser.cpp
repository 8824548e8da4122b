#include "ui/controller_chooser.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/held_keys.h"

namespace {

constexpr int kPlaceRole = Qt::UserRole;

}  // namespace

ControllerChooser::ControllerChooser(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("ControllerChooser", "Choose a controller"));
    setWindowModality(Qt::WindowModal);
    why_ = new QLabel(this);
    why_->setWordWrap(true);
    list_ = new QListWidget(this);
    list_->setAccessibleName(
        QCoreApplication::translate("ControllerChooser", "Controllers plugged in"));
    why_->setBuddy(list_);
    auto* buttons = new QDialogButtonBox(this);
    take_ = buttons->addButton(
        QCoreApplication::translate("ControllerChooser", "Work with this controller"),
        QDialogButtonBox::AcceptRole);
    take_->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(why_);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &ControllerChooser::Take);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemActivated, this, [this] { Take(); });
    connect(list_, &QListWidget::itemSelectionChanged, this,
            [this] { take_->setEnabled(!list_->selectedItems().isEmpty()); });
    new HeldKeysIgnored(this, this, HeldKeysIgnored::kBoxSettleMs);
    resize(560, 300);
}

void ControllerChooser::SetLines(const QString& why, const std::vector<Line>& lines,
                                 const std::string& preferred) {
    why_->setText(why);
    // The line the person chose stays chosen while the list follows plug-ins; else the
    // window's own; else none: a line is never chosen for the person.
    QString keep = preferred.empty() ? QString() : QString::fromStdString(preferred);
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    if (!selected.isEmpty()) keep = selected.first()->data(kPlaceRole).toString();
    const QSignalBlocker quiet(list_);
    list_->clear();
    for (const Line& line : lines) {
        auto* item = new QListWidgetItem(line.text, list_);
        item->setData(kPlaceRole, QString::fromStdString(line.place));
        if (!keep.isEmpty() && item->data(kPlaceRole).toString() == keep) {
            list_->setCurrentItem(item);
            item->setSelected(true);
        }
    }
    take_->setEnabled(!list_->selectedItems().isEmpty());
    list_->setFocus();
}

std::vector<std::string> ControllerChooser::places() const {
    std::vector<std::string> out;
    for (int i = 0; i < list_->count(); ++i) {
        out.push_back(list_->item(i)->data(kPlaceRole).toString().toStdString());
    }
    return out;
}

void ControllerChooser::Take() {
    // Only a line the person chose (an arrow, a click) is taken: Enter on a line that is
    // merely current takes nothing.
    const QListWidgetItem* item = list_->currentItem();
    if (item == nullptr || !item->isSelected()) return;
    const QString place = item->data(kPlaceRole).toString();
    accept();
    emit chosen(place);
}
