// The parameter editors: each writes its setting into the record at once;
// RefreshControls sets them all from the record. What each may write comes from the
// parameter table.
#include "config/parameter_table.h"
#include "ui/accessible_controls.h"
#include "ui/form1.h"
#include "ui/vb_colour.h"

namespace {

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
    group[static_cast<std::size_t>(index)]->setChecked(true);
}

template <std::size_t N>
void SelectFromRecord(const std::array<QRadioButton*, N>& group, ParameterId id,
                      const ConfigRecord& record) {
    Select(group, ChoiceIndex(Parameter(id), record));
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
    hook(Option1, &Form1::ApplyMotorVoltage);
    hook(Option2, &Form1::ApplyPasLevel);
    hook(Option3, &Form1::ApplyPasDirection);
    hook(Option4, &Form1::ApplyPhaseAngle);
    hook(Option5, &Form1::ApplyMotorType);
    hook(Option6, &Form1::ApplyReversion);
    hook(Option7, &Form1::ApplyReversionMode);
    connect(HScroll1, &QScrollBar::valueChanged, this, &Form1::ApplySpeedScale);
    connect(HScroll2, &QScrollBar::valueChanged, this, &Form1::ApplyReversionSpeedScale);
    connect(HScroll3, &QScrollBar::valueChanged, this, &Form1::ApplyRegenBrake);
    connect(Text1, &QLineEdit::textChanged, this, &Form1::ApplyContinuousCurrent);
    connect(Text4, &QLineEdit::textChanged, this, &Form1::ApplyPeakCurrent);
}

void Form1::SetEditorRanges() {
    for (auto [bar, id] : {std::pair{HScroll1, ParameterId::kSpeedScale},
                           std::pair{HScroll2, ParameterId::kReversionSpeedScale},
                           std::pair{HScroll3, ParameterId::kRegenBrake}}) {
        const ParameterRow& param = Parameter(id);
        bar->setRange(param.low, param.high);
        bar->setValue(param.low);
    }
}

void Form1::SetCaption(QLabel* label, const QString& caption) {
    label->setText(caption);
    if (label == Label16 || label == Label17 || label == Label25) {
        // Auto-size: the caption's own size, left and top edges kept.
        const QFontMetrics metrics(label->font());
        const int width = caption.isEmpty() ? 4 : metrics.horizontalAdvance(caption) + 2;
        label->resize(width, std::max(16, metrics.height()));
    }
    if (label == Label16) AnnounceStatus(label);
}

void Form1::ApplyMotorVoltage(int index) {  // Option1
    StoreChoice(Parameter(ParameterId::kMotorVoltage), record_, index);
}

void Form1::ApplyPasLevel(int index) {  // Option2
    StoreChoice(Parameter(ParameterId::kPasLevel), record_, index);
}

void Form1::ApplyPasDirection(int index) {  // Option3
    StoreChoice(Parameter(ParameterId::kPasDirection), record_, index);
}

void Form1::ApplyPhaseAngle(int index) {  // Option4
    StoreChoice(Parameter(ParameterId::kPhaseAngle), record_, index);
}

void Form1::ApplyMotorType(int index) {  // Option5
    StoreChoice(Parameter(ParameterId::kMotorType), record_, index);
    // The phase angle only means something for a brushless motor.
    Frame10->setVisible(index == 0);
}

void Form1::ApplyReversion(int index) {  // Option6
    StoreChoice(Parameter(ParameterId::kReversion), record_, index);
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

void Form1::ApplyReversionMode(int index) {  // Option7
    StoreChoice(Parameter(ParameterId::kReversionMode), record_, index);
}

void Form1::ApplySpeedScale() {  // HScroll1
    StoreBits(Parameter(ParameterId::kSpeedScale), record_, ScaleToStored(HScroll1->value()));
    SetCaption(Label17, PercentText(HScroll1->value(), 256));
}

void Form1::ApplyReversionSpeedScale() {  // HScroll2
    StoreBits(Parameter(ParameterId::kReversionSpeedScale), record_,
              ScaleToStored(HScroll2->value()));
    SetCaption(Label25, PercentText(HScroll2->value(), 256));
}

void Form1::ApplyRegenBrake() {  // HScroll3
    const ParameterRow& param = Parameter(ParameterId::kRegenBrake);
    StoreBits(param, record_, static_cast<std::uint8_t>(HScroll3->value()));
    SetCaption(Label18, PercentText(HScroll3->value(), param.percentOf));
}

void Form1::ApplyContinuousCurrent() {  // Text1
    ApplyCurrent(Text1, Parameter(ParameterId::kContinuousCurrent));
}

void Form1::ApplyPeakCurrent() {  // Text4
    ApplyCurrent(Text4, Parameter(ParameterId::kPeakCurrent));
}

void Form1::ApplyCurrent(QLineEdit* box, const ParameterRow& param) {
    const QString text = box->text();
    if (text.isEmpty()) {
        StoreBits(param, record_, static_cast<std::uint8_t>(param.zeroBecomes));
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
        StoreBits(param, record_, static_cast<std::uint8_t>(param.zeroBecomes));
    } else if (value <= param.high) {
        StoreBits(param, record_, static_cast<std::uint8_t>(value));
    } else {
        ShowError(services_.dialogs, "Please enter valid  numerical data");
    }
}

void Form1::RefreshControls() {
    SelectFromRecord(Option1, ParameterId::kMotorVoltage, record_);
    SelectFromRecord(Option2, ParameterId::kPasLevel, record_);
    SelectFromRecord(Option3, ParameterId::kPasDirection, record_);
    SelectFromRecord(Option4, ParameterId::kPhaseAngle, record_);
    SelectFromRecord(Option5, ParameterId::kMotorType, record_);
    SelectFromRecord(Option6, ParameterId::kReversion, record_);
    SelectFromRecord(Option7, ParameterId::kReversionMode, record_);
    RefreshCurrent(Text1, Parameter(ParameterId::kContinuousCurrent));
    RefreshCurrent(Text4, Parameter(ParameterId::kPeakCurrent));
    // A brake above the bar's maximum has no position: the bar stays where it is.
    const int brake = StoredBits(Parameter(ParameterId::kRegenBrake), record_);
    if (brake <= HScroll3->maximum()) HScroll3->setValue(brake);
    HScroll1->setValue(ScaleFromStored(StoredBits(Parameter(ParameterId::kSpeedScale), record_)));
    HScroll2->setValue(
        ScaleFromStored(StoredBits(Parameter(ParameterId::kReversionSpeedScale), record_)));
}

void Form1::RefreshCurrent(QLineEdit* box, const ParameterRow& param) {
    // A current limit of 0 becomes the editor's value for zero, whether or not the box
    // already shows the same text (which would raise no check of its own).
    if (param.zeroBecomes >= 0 && StoredBits(param, record_) == 0) {
        StoreBits(param, record_, static_cast<std::uint8_t>(param.zeroBecomes));
    }
    // The text is set only when it differs, so that an unchanged one raises no check.
    const QString text = QString::number(StoredBits(param, record_));
    if (box->text() != text) box->setText(text);
}

void Form1::ShowRecordedCurrents() {
    for (auto [box, id] : {std::pair{Text1, ParameterId::kContinuousCurrent},
                           std::pair{Text4, ParameterId::kPeakCurrent}}) {
        // The number the record holds; setting it raises the box's check, which accepts it
        // unchanged.
        const QString text = QString::number(StoredBits(Parameter(id), record_));
        if (box->text() != text) box->setText(text);
    }
}
