#include "ui/controller_chooser.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
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
    new HeldKeysIgnored(this, this, HeldKeysIgnored::kBoxSettleMs);
    resize(560, 300);
}

void ControllerChooser::SetLines(const QString& why, const std::vector<Line>& lines,
                                 const std::string& preferred) {
    why_->setText(why);
    QString keep = preferred.empty() ? QString() : QString::fromStdString(preferred);
    if (list_->currentItem() != nullptr) keep = list_->currentItem()->data(kPlaceRole).toString();
    list_->clear();
    for (const Line& line : lines) {
        auto* item = new QListWidgetItem(line.text, list_);
        item->setData(kPlaceRole, QString::fromStdString(line.place));
        if (item->data(kPlaceRole).toString() == keep) list_->setCurrentItem(item);
    }
    if (list_->currentItem() == nullptr && list_->count() > 0) list_->setCurrentRow(0);
    take_->setEnabled(list_->count() > 0);
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
    const QListWidgetItem* item = list_->currentItem();
    if (item == nullptr) return;
    const QString place = item->data(kPlaceRole).toString();
    accept();
    emit chosen(place);
}
