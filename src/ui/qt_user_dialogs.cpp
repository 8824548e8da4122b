#include "ui/qt_user_dialogs.h"

#include "ui/held_keys.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

#include <algorithm>

namespace {

// Read when a dialog opens, so that they follow the window's language.
QString Title() {
    return QCoreApplication::translate("Form1", "Message");
}
QString Filter() {
    return QCoreApplication::translate("Form1", "QKFile(*.qkf)");
}
QString OpenFilter() {
    return Filter() + QStringLiteral(";;") + QCoreApplication::translate("Form1", "All files (*)");
}

}  // namespace

void QtUserDialogs::ShowErrorBox(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, Title(), QString::fromStdString(text), QMessageBox::Ok,
                    parent_);
    box.setTextFormat(Qt::PlainText);  // a file name is never markup
    new HeldKeysIgnored(&box, &box, HeldKeysIgnored::kBoxSettleMs);
    box.exec();
}

bool QtUserDialogs::AskOkCancel(const std::string& text, const std::string& details) {
    QMessageBox box(QMessageBox::Information, Title(), QString::fromStdString(text),
                    QMessageBox::Ok | QMessageBox::Cancel, parent_);
    box.setTextFormat(Qt::PlainText);
    // Parameter names and values: no markup in them, so Qt shows them as plain text.
    if (!details.empty()) box.setInformativeText(QString::fromStdString(details));
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    new HeldKeysIgnored(&box, &box, HeldKeysIgnored::kBoxSettleMs);
    // Closing the box by its title bar reports the escape button: Cancel.
    return box.exec() == QMessageBox::Ok;
}

void QtUserDialogs::Inform(const std::string& text) {
    QMessageBox box(QMessageBox::Information, Title(), QString::fromStdString(text),
                    QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    new HeldKeysIgnored(&box, &box, HeldKeysIgnored::kBoxSettleMs);
    box.exec();
}

std::optional<std::string> QtUserDialogs::AskText(const std::string& title,
                                                  const std::string& label,
                                                  const std::string& current) {
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setLabelText(QString::fromStdString(label));
    dialog.setTextValue(QString::fromStdString(current));
    dialog.setInputMode(QInputDialog::TextInput);
    // A long question wraps at a width a person reads at a glance, instead of making the
    // box wider than the window.
    if (auto* text = dialog.findChild<QLabel*>()) {
        text->setWordWrap(true);
        text->setMinimumWidth(dialog.fontMetrics().averageCharWidth() * 60);
    }
    // An Enter held from before never confirms what was not typed; a scanner's comes after
    // its text, well past the moment.
    new HeldKeysIgnored(&dialog, &dialog, HeldKeysIgnored::kBoxSettleMs);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue().toStdString();
}

std::optional<std::string> QtUserDialogs::OpenFileName(const std::string& title) {
    QFileDialog dialog(parent_, QString::fromStdString(title), QString(), OpenFilter());
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Qt's own dialog on every desktop: a platform theme's native one (GTK's) has no place
    // for the history in its side bar.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Qt's default size cuts the column titles of several languages, and the list the
    // port, serial and event at the end of a history copy's name, which is what tells the
    // copies apart: the list shows details, and the dialog is as wide as it takes to show
    // the longest such name (24 characters each of port and serial) beside the side bar,
    // within the screen.
    dialog.setViewMode(QFileDialog::Detail);
    const int longestName = dialog.fontMetrics().horizontalAdvance(
        QStringLiteral("20261208-115416-120-port1-1.4.2.3.1.2.3.4.1.2.3-"
                       "serial0001ABCDEF0123456789ABCD-stored.qkf"));
    int width = std::max(760, longestName + 380);
    if (const QScreen* screen = dialog.screen()) {
        width = std::min(width, screen->availableGeometry().width() - 40);
    }
    dialog.resize(width, 480);
    const QString history = QString::fromStdString(historyFolder_);
    if (!history.isEmpty() && QDir(history).exists()) {
        // One click from any folder to the sets each controller held.
        QList<QUrl> side = dialog.sidebarUrls();
        side.append(QUrl::fromLocalFile(history));
        dialog.setSidebarUrls(side);
        if (lastOpenFolder_.isEmpty() || !QDir(lastOpenFolder_).exists()) {
            dialog.setDirectory(history);
        }
    }
    if (!lastOpenFolder_.isEmpty() && QDir(lastOpenFolder_).exists()) {
        dialog.setDirectory(lastOpenFolder_);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString name = dialog.selectedFiles().first();
    lastOpenFolder_ = QFileInfo(name).absolutePath();
    return name.toStdString();
}

std::optional<std::string> QtUserDialogs::SaveFileName(const std::string& title) {
    // The file name starts empty each time. The window asks its own overwrite question,
    // so the dialog must not ask a second one.
    const QString name =
        QFileDialog::getSaveFileName(parent_, QString::fromStdString(title), QString(), Filter(),
                                     nullptr, QFileDialog::DontConfirmOverwrite);
    if (name.isEmpty()) return std::nullopt;
    return name.toStdString();
}
