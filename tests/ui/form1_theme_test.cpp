// The window under any desktop theme: the same picture under a light and a dark palette,
// readable captions, the button faces in their own colours, disabled controls drawn disabled.
#include <QApplication>
#include <QFont>
#include <QFontInfo>
#include <QGroupBox>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cmath>

#include "form1_fixture.h"
#include "ui/application_font.h"
#include "ui/qt_user_dialogs.h"

namespace {

double Luminance(const QColor& c) {
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What a desktop's dark colour scheme sets: light text on dark faces.
QPalette DarkScheme() {
    const QColor dark(53, 53, 53), darker(35, 35, 35), light(230, 230, 230);
    QPalette p(light, dark, QColor(80, 80, 80), darker, QColor(60, 60, 60), light, Qt::white,
               darker, dark);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::ButtonText, light);
    return p;
}

class Form1ThemeTest : public Form1Test {
  protected:
    void TearDown() override {
        QApplication::setPalette(original_);
        Form1Test::TearDown();
    }
    QImage Render(const QPalette& theme) {
        QApplication::setPalette(theme);
        form.reset();
        Form1& f = MakeLoaded();
        f.record() = VirtualController::FactoryRecord();
        f.RefreshControls();
        f.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&f));
        return f.grab().toImage();
    }
    const QPalette original_ = QApplication::palette();
};

}  // namespace

TEST_F(Form1ThemeTest, TheWindowLooksTheSameUnderALightAndADarkScheme) {
    const QImage light = Render(original_);
    const QImage dark = Render(DarkScheme());
    ASSERT_EQ(light.size(), dark.size());
    int differing = 0;
    for (int y = 0; y < light.height(); ++y) {
        for (int x = 0; x < light.width(); ++x) differing += light.pixel(x, y) != dark.pixel(x, y);
    }
    EXPECT_EQ(differing, 0) << "pixels that follow the desktop's colour scheme";
    // The Store/Save face in its own colour, flat, away from its caption.
    const QPoint inside = form->Command1->mapTo(form.get(), QPoint(8, 8));
    EXPECT_EQ(QColor(dark.pixel(inside)), QColor(192, 192, 255));
    const QPoint lower = form->Command1->mapTo(form.get(), QPoint(8, form->Command1->height() - 8));
    EXPECT_EQ(QColor(dark.pixel(lower)), QColor(192, 192, 255)) << "no gradient";
}

TEST_F(Form1ThemeTest, CaptionsAreReadableAndDisabledOnesGray) {
    Render(DarkScheme());
    for (QWidget* w : form->findChildren<QWidget*>()) {
        QString text;
        QPalette::ColorRole fore = QPalette::WindowText, back = QPalette::Window;
        if (auto* l = qobject_cast<QLabel*>(w)) text = l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) text = b->text();
        if (auto* g = qobject_cast<QGroupBox*>(w)) text = g->title();
        if (qobject_cast<QPushButton*>(w)) fore = QPalette::ButtonText, back = QPalette::Button;
        if (text.trimmed().isEmpty() || !w->isVisible()) continue;
        const QPalette& p = w->palette();
        const auto group = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
        const double contrast = Contrast(p.color(group, fore), p.color(group, back));
        // The window's fixed red of the range and limit labels and its gray for the labels
        // of a disabled reversion keep their colours (about 2.6:1 on the face).
        const QColor colour = p.color(group, fore);
        const bool fixed = colour == QColor(255, 0, 0) || colour == QColor(128, 128, 128);
        const double needed = fixed ? 2.5 : 4.5;
        EXPECT_GE(contrast, w->isEnabled() ? needed : 2.5)
            << w->objectName().toStdString() << " \"" << text.toStdString() << "\"";
    }
    // Reversion is disabled in the factory set: its mode options are gray, not blue.
    EXPECT_FALSE(form->Option7[0]->isEnabled());
    EXPECT_EQ(form->Option7[0]->palette().color(QPalette::Disabled, QPalette::WindowText),
              QColor(128, 128, 128));
    form->Command1->setEnabled(false);
    EXPECT_EQ(form->Command1->palette().color(QPalette::Disabled, QPalette::ButtonText),
              QColor(128, 128, 128));
}

TEST_F(Form1ThemeTest, MessageBoxesShowTheirTextAsPlainText) {
    QtUserDialogs dialogs;
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                shown = box->text();
                format = box->textFormat();
                box->accept();
            }
        }
    });
    dialogs.ShowErrorBox("Could not open the file \"<b>bike</b>.qkf\".\r\nErrorcode = [2]\r\n");
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_TRUE(shown.contains("<b>bike</b>"));
}

TEST(ApplicationFont, ATypewriterDefaultGivesWayToTheControlsFaceAndADesktopsChoiceStays) {
    // What a minimal system's fontconfig answers for "sans-serif".
    QFont mono(QStringLiteral("Liberation Mono"), 11);
    if (!QFontInfo(mono).fixedPitch()) GTEST_SKIP() << "no fixed-pitch Liberation Mono here";
    const QFont chosen = ProportionalApplicationFont(mono);
    EXPECT_FALSE(QFontInfo(chosen).fixedPitch()) << QFontInfo(chosen).family().toStdString();
    EXPECT_EQ(chosen.pointSize(), 11);
    const QFont desktop(QStringLiteral("Liberation Sans"), 9);
    EXPECT_EQ(ProportionalApplicationFont(desktop), desktop);
    // Applied to the whole program, as the window's start does: a box made now has it.
    const QFont before = QApplication::font();
    QApplication::setFont(mono);
    UseProportionalApplicationFont();
    EXPECT_FALSE(QFontInfo(QMessageBox().font()).fixedPitch());
    QApplication::setFont(before);
}
