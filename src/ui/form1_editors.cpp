// The parameter editors: each writes its setting into the record at once;
// RefreshControls sets them all from the record. Which control edits which parameter is the
// binding table below; what each may write comes from the parameter table.
#include "config/parameter_table.h"
#include "ui/accessible_controls.h"
#include "ui/classic_colour.h"
#include "ui/form1.h"

#include "config/ui_text.h"

namespace {

void SetForeColour(QWidget* w, std::uint32_t colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, ClassicColour::Resolve(colour));
    w->setPalette(p);
}

// A bar's position for the record's value: a speed scale's 0 stands for 256.
int BarPosition(const ParameterRow& param, const ConfigRecord& record) {
    const std::uint8_t bits = StoredBits(param, record);
    return param.kind == ValueKind::kScale ? ScaleFromStored(bits) : bits;
}

}  // namespace

QString PercentText(int value, int divisor) {
    const int percent = PercentOf(value, divisor);
    QString text = percent == 0 ? QStringLiteral("%") : QString::number(percent) + '%';
    if (text.startsWith('%')) text.prepend('0');
    return text.leftJustified(4, ' ', true);
}

void Form1::BindEditors() {
    auto options = [](auto& group) {
        return std::vector<QRadioButton*>(group.begin(), group.end());
    };
    using Id = ParameterId;
    editors_ = {
        {Id::kMotorVoltage, options(Option1)},
        {Id::kPasLevel, options(Option2)},
        {Id::kPasDirection, options(Option3)},
        {Id::kPhaseAngle, options(Option4)},
        {Id::kMotorType, options(Option5)},
        {Id::kReversion, options(Option6)},
        {Id::kReversionMode, options(Option7)},
        {Id::kContinuousCurrent, {}, Text1},
        {Id::kPeakCurrent, {}, Text4},
        {Id::kRegenBrake, {}, nullptr, HScroll3, Label18},
        {Id::kSpeedScale, {}, nullptr, HScroll1, Label17},
        {Id::kReversionSpeedScale, {}, nullptr, HScroll2, Label25},
    };
}

void Form1::ConnectEditors() {
    for (const EditorBinding& editor : editors_) {
        const EditorBinding* e = &editor;  // the table lives as long as the window
        for (std::size_t i = 0; i < editor.options.size(); ++i) {
            // Only the element that becomes selected raises its group's click.
            connect(editor.options[i], &QRadioButton::toggled, this, [this, e, i](bool on) {
                if (on) ApplyChoice(*e, static_cast<int>(i));
            });
            // A click on the element that is selected already: after a set with a value no
            // element stands for, it looks chosen but is not in the record yet.
            connect(editor.options[i], &QRadioButton::clicked, this,
                    [this, e, i] { ApplyChoice(*e, static_cast<int>(i)); });
        }
        if (editor.bar != nullptr) {
            connect(editor.bar, &QScrollBar::valueChanged, this, [this, e] { ApplyBar(*e); });
        }
        if (editor.box != nullptr) {
            connect(editor.box, &QLineEdit::textChanged, this, [this, e] { ApplyCurrent(*e); });
        }
    }
}

void Form1::SetEditorRanges() {
    for (const EditorBinding& editor : editors_) {
        if (editor.bar == nullptr) continue;
        editor.bar->setRange(editor.param().low, editor.param().high);
        editor.bar->setValue(editor.param().low);
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

void Form1::ApplyChoice(const EditorBinding& editor, int index) {
    StoreChoice(editor.param(), record_, index);
    if (editor.id == ParameterId::kMotorType) ShowPhaseAngleFor(index);
    if (editor.id == ParameterId::kReversion) EnableReversionControls(index == 1);
}

void Form1::ShowPhaseAngleFor(int motorType) {
    Frame10->setVisible(motorType == 0);  // BLDC
}

void Form1::EnableReversionControls(bool enable) {
    Option7[0]->setEnabled(enable);
    Option7[1]->setEnabled(enable);
    Label25->setVisible(enable);
    using ClassicColour::Rgb;
    SetForeColour(Label24, enable ? Rgb(255, 0, 0) : Rgb(128, 128, 128));
    SetForeColour(Label23, enable ? Rgb(255, 0, 0) : Rgb(128, 128, 128));
    SetForeColour(Label22, enable ? ClassicColour::kHighlight : Rgb(128, 128, 128));
    SetForeColour(Label21, enable ? ClassicColour::kHighlight : Rgb(128, 128, 128));
    HScroll2->setEnabled(enable);
}

void Form1::ApplyBar(const EditorBinding& editor) {
    const ParameterRow& param = editor.param();
    const int position = editor.bar->value();
    StoreBits(param, record_,
              param.kind == ValueKind::kScale ? ScaleToStored(position)
                                              : static_cast<std::uint8_t>(position));
    if (editor.percent != nullptr)
        SetCaption(editor.percent, PercentText(position, param.percentOf));
}

void Form1::ApplyCurrent(const EditorBinding& editor) {
    const ParameterRow& param = editor.param();
    const QString text = editor.box->text();
    if (text.isEmpty()) {
        StoreBits(param, record_, static_cast<std::uint8_t>(param.zeroBecomes));
        return;
    }
    long value = 0;
    for (const QChar c : text) {
        if (c < '0' || c > '9') {
            if (!quietChecks_)
                ShowError(services_.dialogs,
                          UI_TEXT_NOOP("Messages", "Please enter valid numerical data"));
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
        if (!quietChecks_)
            ShowError(services_.dialogs,
                      UI_TEXT_NOOP("Messages", "Please enter valid  numerical data"));
    }
}

void Form1::RefreshControls() {
    for (const EditorBinding& editor : editors_) {
        const ParameterRow& param = editor.param();
        if (!editor.options.empty()) {
            // Selects as a user's click would; an element already selected, or a value
            // without an element, changes nothing and raises nothing.
            const int index = ChoiceIndex(param, record_);
            if (index >= 0 && index < static_cast<int>(editor.options.size())) {
                editor.options[static_cast<std::size_t>(index)]->setChecked(true);
            }
        } else if (editor.box != nullptr) {
            RefreshCurrent(editor);
        } else if (editor.bar != nullptr) {
            // A value beyond the bar (a brake above 220) has no position: the bar stays.
            const int position = BarPosition(param, record_);
            if (position <= editor.bar->maximum()) editor.bar->setValue(position);
        }
    }
}

void Form1::RefreshCurrent(const EditorBinding& editor) {
    const ParameterRow& param = editor.param();
    // A current limit of 0 becomes the editor's value for zero, whether or not the box
    // already shows the same text (which would raise no check of its own).
    if (param.zeroBecomes >= 0 && StoredBits(param, record_) == 0) {
        StoreBits(param, record_, static_cast<std::uint8_t>(param.zeroBecomes));
    }
    // The text is set only when it differs, so that an unchanged one raises no check.
    const QString text = QString::number(StoredBits(param, record_));
    if (editor.box->text() != text) editor.box->setText(text);
}

void Form1::ShowRecordedCurrents() {
    for (const EditorBinding& editor : editors_) {
        if (editor.box == nullptr) continue;
        // The number the record holds; setting it raises the box's check, which accepts it
        // unchanged.
        const QString text = QString::number(StoredBits(editor.param(), record_));
        if (editor.box->text() != text) editor.box->setText(text);
    }
}
