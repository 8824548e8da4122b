#include "ui/accessible_controls.h"

#include <QCoreApplication>

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QLabel>

#include <algorithm>
#include <cmath>

#include "config/parameter_table.h"

namespace {

constexpr char kPercentOf[] = "vt350PercentOf";
constexpr char kStatusLine[] = "vt350StatusLine";

class PercentScrollBar : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    // Qt asks for a bar's interface as soon as the bar's value is first set and keeps it,
    // so the divisor is read at each question; a bar without one shows its positions.
    explicit PercentScrollBar(QScrollBar* bar)
        : QAccessibleWidget(bar, QAccessible::ScrollBar), bar_(bar) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            const QString number = QString::number(Percent(bar_->value()));
            return bar_->property(kPercentOf).toInt() > 0 ? number + '%' : number;
        }
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return Percent(bar_->value()); }
    void setCurrentValue(const QVariant& value) override {
        const int divisor = bar_->property(kPercentOf).toInt();
        const double position = divisor > 0 ? value.toDouble() * divisor / 100.0 : value.toDouble();
        bar_->setValue(
            std::clamp(static_cast<int>(std::lround(position)), bar_->minimum(), bar_->maximum()));
    }
    QVariant maximumValue() const override { return Percent(bar_->maximum()); }
    QVariant minimumValue() const override { return Percent(bar_->minimum()); }
    QVariant minimumStepSize() const override { return 1; }

  private:
    int Percent(int position) const {
        const int divisor = bar_->property(kPercentOf).toInt();
        return divisor > 0 ? PercentOf(position, divisor) : position;
    }

    QScrollBar* bar_;
};

class StatusLine : public QAccessibleWidget {
  public:
    explicit StatusLine(QLabel* label) : QAccessibleWidget(label, QAccessible::StatusBar) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return static_cast<QLabel*>(widget())->text().trimmed();
        if (t == QAccessible::Description)
            return QCoreApplication::translate("Form1", "Status line");
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* bar = qobject_cast<QScrollBar*>(object)) return new PercentScrollBar(bar);
    if (auto* label = qobject_cast<QLabel*>(object);
        label != nullptr && label->property(kStatusLine).toBool()) {
        return new StatusLine(label);
    }
    return nullptr;
}

}  // namespace

void SetPercentOf(QScrollBar* bar, int divisor) {
    bar->setProperty(kPercentOf, divisor);
}

void MarkAsStatusLine(QWidget* label) {
    label->setProperty(kStatusLine, true);
}

void InstallAccessibleControls() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

void AnnounceStatus(QWidget* label) {
    QAccessibleEvent changed(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    QAccessibleEvent alert(label, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}
