// The parameter editors: each writes its record byte at once; RefreshControls sets them all
// from the record.
#include <cmath>

#include "config/parameter_view.h"
#include "ui/form1.h"
#include "ui/vb_colour.h"

namespace {

constexpr std::uint8_t kVoltageCodes[3] = {85, 135, 176};  // 24 V, 36 V, 48 V
constexpr std::uint8_t kLevelCodes[3] = {20, 25, 30};      // Low, Mid, High

void SetForeColour(QWidget* w, std::uint32_t colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, VbColour::Resolve(colour));
    w->setPalette(p);
}

// Selects an element as a user's click would; an element that is already selected, or an
// index without an element, changes nothing and raises nothing.
template <std::size_t N>
void Select(const std::array<QRadioButton*, N>& group, int index) {
    if (index < 0 || index >= static_cast<int>(N)) return;
    group[index]->setChecked(true);
}

int IndexOf(const std::uint8_t (&codes)[3], std::uint8_t value) {
    for (int i = 0; i < 3; ++i) {
        if (codes[i] == value) return i;
    }
    return -1;
}

}  // namespace

QString PercentText(int value, int divisor) {
    const int percent = PercentOf(value, divisor);
    QString text = percent == 0 ? QStringLiteral("%") : QString::number(percent) + '%';
    if (text.startsWith('%')) text.prepend('0');
    return text.leftJustified(4, ' ', true);
}

void Form1::ConnectEditors() {
    auto hook = [this](auto& group, void (Form1::*handler)(int)) {
        for (std::size_t i = 0; i < group.size(); ++i) {
            // Only the element that becomes selected raises its group's click.
            connect(group[i], &QRadioButton::toggled, this, [this, handler, i](bool on) {
                if (on) (this->*handler)(static_cast<int>(i));
            });
        }
    };
    hook(Option1, &Form1::Option1_Click);
    hook(Option2, &Form1::Option2_Click);
    hook(Option3, &Form1::Option3_Click);
    hook(Option4, &Form1::Option4_Click);
    hook(Option5, &Form1::Option5_Click);
    hook(Option6, &Form1::Option6_Click);
    hook(Option7, &Form1::Option7_Click);
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form1::HScroll1_Change);
    connect(HScroll2, &QScrollBar::valueChanged, this, &Form1::HScroll2_Change);
    connect(HScroll3, &QScrollBar::valueChanged, this, &Form1::HScroll3_Change);
    connect(Text1, &QLineEdit::textChanged, this, &Form1::Text1_Change);
    connect(Text4, &QLineEdit::textChanged, this, &Form1::Text4_Change);
}

void Form1::SetCaption(QLabel* label, const QString& caption) {
    label->setText(caption);
    if (label == Label16 || label == Label17 || label == Label25) {
        // Auto-size: the caption's own size, left and top edges kept.
        const QFontMetrics metrics(label->font());
        const int width = caption.isEmpty() ? 4 : metrics.horizontalAdvance(caption) + 2;
        label->resize(width, std::max(16, metrics.height()));
    }
}

void Form1::Option1_Click(int index) {
    if (index >= 0 && index < 3) record_.Set(ConfigRecord::kVoltageCode, kVoltageCodes[index]);
}

void Form1::Option2_Click(int index) {
    if (index >= 0 && index < 3) record_.Set(ConfigRecord::kLevelCode, kLevelCodes[index]);
}

void Form1::Option3_Click(int index) {
    record_.Set(ConfigRecord::kDirection, static_cast<std::uint8_t>(index));
}

void Form1::Option4_Click(int index) {
    record_.SetPhaseAngleBit(index);
}

void Form1::Option5_Click(int index) {
    record_.SetMotorTypeBit(index);
    // The phase angle only means something for a brushless motor.
    Frame10->setVisible(index == 0);
}

void Form1::Option6_Click(int index) {
    record_.Set(ConfigRecord::kReversionEnable, static_cast<std::uint8_t>(index));
    const bool enable = index == 1;
    Option7[0]->setEnabled(enable);
    Option7[1]->setEnabled(enable);
    Label25->setVisible(enable);
    SetForeColour(Label24, enable ? VbColour::Rgb(255, 0, 0) : VbColour::Rgb(128, 128, 128));
    SetForeColour(Label23, enable ? VbColour::Rgb(255, 0, 0) : VbColour::Rgb(128, 128, 128));
    SetForeColour(Label22, enable ? VbColour::kHighlight : VbColour::Rgb(128, 128, 128));
    SetForeColour(Label21, enable ? VbColour::kHighlight : VbColour::Rgb(128, 128, 128));
    HScroll2->setEnabled(enable);
}

void Form1::Option7_Click(int index) {
    record_.Set(ConfigRecord::kReversionMode, static_cast<std::uint8_t>(index));
}

void Form1::HScroll1_Change() {
    record_.Set(ConfigRecord::kSpeedScale, static_cast<std::uint8_t>(HScroll1->value() % 256));
    SetCaption(Label17, PercentText(HScroll1->value(), 256));
}

void Form1::HScroll2_Change() {
    record_.Set(ConfigRecord::kReversionSpeedScale,
                static_cast<std::uint8_t>(HScroll2->value() % 256));
    SetCaption(Label25, PercentText(HScroll2->value(), 256));
}

void Form1::HScroll3_Change() {
    record_.Set(ConfigRecord::kBrake, static_cast<std::uint8_t>(HScroll3->value()));
    SetCaption(Label18, PercentText(HScroll3->value(), 220));
}

void Form1::Text1_Change() {
    CurrentCheck(Text1, ConfigRecord::kContinuousCurrent, 30);
}

void Form1::Text4_Change() {
    CurrentCheck(Text4, ConfigRecord::kPeakCurrent, 50);
}

void Form1::CurrentCheck(QLineEdit* box, std::size_t byte, int limit) {
    const QString text = box->text();
    if (text.isEmpty()) {
        record_.Set(byte, 1);
        return;
    }
    long value = 0;
    for (const QChar c : text) {
        if (c < '0' || c > '9') {
            ShowError(services_.dialogs, "Please enter valid numerical data");
            return;
        }
        // Saturates: any digit string longer than a current is simply too large.
        value = std::min(value * 10 + (c.unicode() - '0'), 1000000L);
    }
    if (value == 0) {
        record_.Set(byte, 1);
    } else if (value <= limit) {
        record_.Set(byte, static_cast<std::uint8_t>(value));
    } else {
        ShowError(services_.dialogs, "Please enter valid  numerical data");
    }
}

void Form1::RefreshControls() {
    Select(Option1, IndexOf(kVoltageCodes, record_.Get(ConfigRecord::kVoltageCode)));
    Select(Option2, IndexOf(kLevelCodes, record_.Get(ConfigRecord::kLevelCode)));
    Select(Option3, record_.Get(ConfigRecord::kDirection));
    Select(Option4, record_.Get(ConfigRecord::kMotorFlags) & 1);
    Select(Option5, record_.Get(ConfigRecord::kMotorFlags) >> 7);
    Select(Option6, record_.Get(ConfigRecord::kReversionEnable));
    Select(Option7, record_.Get(ConfigRecord::kReversionMode));
    // Each text is set only when it differs, so that an unchanged one raises no check.
    const QString continuous = QString::number(record_.Get(ConfigRecord::kContinuousCurrent));
    if (Text1->text() != continuous) Text1->setText(continuous);
    const QString peak = QString::number(record_.Get(ConfigRecord::kPeakCurrent));
    if (Text4->text() != peak) Text4->setText(peak);
    // A brake above the bar's maximum has no position: the bar stays where it is.
    if (record_.Get(ConfigRecord::kBrake) <= HScroll3->maximum()) {
        HScroll3->setValue(record_.Get(ConfigRecord::kBrake));
    }
    const int speed = record_.Get(ConfigRecord::kSpeedScale);
    HScroll1->setValue(speed == 0 ? 256 : speed);
    const int reversionSpeed = record_.Get(ConfigRecord::kReversionSpeedScale);
    HScroll2->setValue(reversionSpeed == 0 ? 256 : reversionSpeed);
}
