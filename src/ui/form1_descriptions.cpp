// What the window tells of its controls beyond their captions: accessible names for the
// editors and frames, the scroll bars' percent and the status line for assistive
// technology, and a tool tip on every editor with the parameter's name, range, unit and
// the byte it writes. All of it is read off the parameter table.
#include <QCoreApplication>

#include "ui/accessible_controls.h"
#include "ui/form1.h"

namespace {

QString Hex(unsigned value) {
    return QStringLiteral("0x%1").arg(value, 2, 16, QLatin1Char('0'));
}

QString Label(const ParameterRow& param) {
    return QCoreApplication::translate("Parameters", param.label);
}

// "Motor voltage: 36 V; writes 135 into byte 2".
QString ChoiceTip(const ParameterRow& param, std::size_t index) {
    const ParameterChoice& choice = param.choices[index];
    const QString where =
        param.mask == 0xFF
            ? QCoreApplication::translate("Form1", "writes %1 into byte %2")
                  .arg(choice.stored)
                  .arg(param.byte)
            : QCoreApplication::translate("Form1", "writes %1 into the bits %2 of byte %3")
                  .arg(Hex(choice.stored), Hex(param.mask))
                  .arg(param.byte);
    // The pattern of the range tips, so that one window has one typography per language.
    return QCoreApplication::translate("Form1", "%1: %2; %3")
        .arg(Label(param), QCoreApplication::translate("Parameters", choice.text), where);
}

// "Continuous current: 1 to 30 A; writes the number into byte 0".
QString RangeTip(const ParameterRow& param) {
    QString range = QCoreApplication::translate("Form1", "%1 to %2").arg(param.low).arg(param.high);
    range += QString::fromUtf8(param.unit);
    if (param.percentOf > 0) {
        range += QCoreApplication::translate("Form1", " (%1% to %2%)")
                     .arg(PercentOf(param.low, param.percentOf))
                     .arg(PercentOf(param.high, param.percentOf));
    }
    const QString what = param.percentOf > 0 ? QCoreApplication::translate("Form1", "the position")
                                             : QCoreApplication::translate("Form1", "the number");
    QString tip = QCoreApplication::translate("Form1", "%1: %2; writes %3 into byte %4")
                      .arg(Label(param), range, what)
                      .arg(param.byte);
    if (param.kind == ValueKind::kScale)
        tip += QCoreApplication::translate("Form1", ", %1 as 0").arg(param.high);
    return tip;
}

// A tool tip the layout already gives a control stays first.
void AddToolTip(QWidget* w, const QString& tip) {
    const QString given = w->toolTip();
    w->setToolTip(given.isEmpty() ? tip : given + '\n' + tip);
}

}  // namespace

void Form1::DescribeControls() {
    MarkAsStatusLine(Label16);
    for (const EditorBinding& editor : editors_) {
        const ParameterRow& param = editor.param();
        // Option elements keep their captions as names and say their parameter in the
        // description; a box or a bar is named by its parameter, with its unit.
        for (std::size_t i = 0; i < editor.options.size(); ++i) {
            editor.options[i]->setAccessibleDescription(Label(param));
            AddToolTip(editor.options[i], ChoiceTip(param, i));
        }
        QWidget* widget = editor.box != nullptr ? static_cast<QWidget*>(editor.box) : editor.bar;
        if (widget == nullptr) continue;
        if (editor.bar != nullptr) SetPercentOf(editor.bar, param.percentOf);
        QString name = Label(param);
        const QString unit = QString::fromUtf8(param.unit).trimmed();
        if (!unit.isEmpty()) name += QStringLiteral(" (%1)").arg(unit);
        widget->setAccessibleName(name);
        AddToolTip(widget, RangeTip(param));
    }
    // Every frame is announced by its own caption; the ones without a caption by what
    // they hold.
    for (QGroupBox* frame :
         {Frame1, Frame2, Frame3, Frame4, Frame6, Frame8, Frame9, Frame12, Frame15, Frame16}) {
        if (frame->accessibleName().isEmpty()) frame->setAccessibleName(frame->title());
    }
    Frame5->setAccessibleName(Label(Parameter(ParameterId::kPasLevel)));
    Frame7->setAccessibleName(Label(Parameter(ParameterId::kPasDirection)));
    Frame10->setAccessibleName(Label(Parameter(ParameterId::kPhaseAngle)));
    Frame13->setAccessibleName(Label(Parameter(ParameterId::kReversion)));
    Frame14->setAccessibleName(
        QCoreApplication::translate("Form1", "Reversion mode and speed scale"));
}
