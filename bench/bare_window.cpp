// The yardstick for the start-up benchmark: a bare Qt window with as many widgets of the
// same kinds as the tool's window, built the same way (fixed geometry, fonts, palettes,
// the banner picture), and no logic.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTimer>

#include "app/startup_report.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(680, 538);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(10.5);
    font.setItalic(true);
    auto place = [&](QWidget* w, int i) {
        w->setFont(font);
        w->setAutoFillBackground(true);
        QPalette p = w->palette();
        p.setColor(QPalette::WindowText, QColor(0, 0, 128));
        w->setPalette(p);
        w->setGeometry(10 + (i % 8) * 80, 100 + (i / 8) * 40, 75, 20);
    };
    // The tool's window: 15 frames and one plain container, 23 labels and the picture,
    // 2 text boxes, 3 scroll bars, 8 buttons, 16 option buttons, 2 timers.
    QWidget* parent = &window;
    int i = 0;
    for (int n = 0; n < 15; ++n) place(new QGroupBox(QStringLiteral("Frame"), parent), i++);
    place(new QWidget(parent), i++);
    for (int n = 0; n < 23; ++n) place(new QLabel(QStringLiteral("Label"), parent), i++);
    auto* image = new QLabel(parent);
    image->setPixmap(QPixmap(658, 90));
    image->setGeometry(16, 0, 658, 90);
    for (int n = 0; n < 2; ++n) place(new QLineEdit(parent), i++);
    for (int n = 0; n < 3; ++n) place(new QScrollBar(Qt::Horizontal, parent), i++);
    for (int n = 0; n < 8; ++n) place(new QPushButton(QStringLiteral("Button"), parent), i++);
    for (int n = 0; n < 16; ++n) place(new QRadioButton(QStringLiteral("Option"), parent), i++);
    QTimer t1, t2;
    t1.start(200);
    window.show();
    ReportStartupWhenShown(window);
    return app.exec();
}
