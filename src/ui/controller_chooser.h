#pragma once

#include <QDialog>
#include <QString>

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

// The controllers plugged in, for the person to choose the one the window works with: a
// line for each with its port and serial and what the history last knew of it. It is
// window-modal but never blocks the window's poll, and its list follows plug-ins and
// removals while it is open. Enter or a double click takes the chosen line.
class ControllerChooser : public QDialog {
    Q_OBJECT

  public:
    struct Line {
        std::string place;  // the controller's port (or path), what `chosen` reports
        QString text;       // "port 1-1, serial 0001", and on a second line what is known of it
    };

    explicit ControllerChooser(QWidget* parent);
    // The lines and the sentence above them; the selection stays on the controller the
    // person chose where it is still there, else on `preferred` where it is listed, else
    // nothing is chosen.
    void SetLines(const QString& why, const std::vector<Line>& lines, const std::string& preferred);
    // The place of each line, in order (for the window's tests).
    std::vector<std::string> places() const;

  signals:
    void chosen(const QString& place);

  private:
    void Take();

    QLabel* why_;
    QListWidget* list_;
    QPushButton* take_;
};
