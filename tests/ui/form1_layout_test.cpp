// The window against its layout table: containers, positions, sizes, captions, tab order.
#include <QApplication>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>
#include <QTimer>
#include <QTranslator>

#include <cmath>

#include "config/ui_text.h"
#include "form1_fixture.h"
#include "ui/qt_user_dialogs.h"
#include "ui/translations.h"

namespace {

struct Expected {
    const char* name;
    int index;
    const char* parent;
    int left, top, width, height;  // twips, relative to the parent
    const char* caption;
};

// Copied from the window description, not from the code, so that a drift shows.
const Expected kExpected[] = {
    {"Frame15", -1, "Form1", 8040, 1320, 1935, 1575, "File"},
    {"Command1", -1, "Form1", 8280, 6240, 1455, 495, "Store/Save"},
    {"Command2", -1, "Form1", 8280, 7080, 1455, 495, "Exit"},
    {"Frame1", -1, "Form1", 240, 1320, 7575, 6255, "Configurable Parameter"},
    {"Frame6", -1, "Form1", 8040, 3000, 1935, 2895, "Command"},
    {"Label1", -1, "Form1", 7920, 480, 2055, 255, "MODEL: VT-350"},
    {"Image1", -1, "Form1", 240, 0, 9870, 1350, nullptr},
    {"Label16", -1, "Form1", 360, 7680, 60, 240, ""},
    {"Command8", -1, "Frame15", 240, 960, 1445, 375, "Save As"},
    {"Command7", -1, "Frame15", 240, 360, 1445, 375, "Open"},
    {"Frame16", -1, "Frame1", 3960, 5160, 3375, 855, "Brake"},
    {"Frame12", -1, "Frame1", 3960, 2760, 3375, 2295, "REV"},
    {"Frame9", -1, "Frame1", 3960, 1440, 3375, 1215, "FWD"},
    {"Frame8", -1, "Frame1", 240, 2280, 3495, 1935, "Motor Type"},
    {"Frame4", -1, "Frame1", 120, 4440, 3615, 1575, "PAS"},
    {"Frame3", -1, "Frame1", 3960, 480, 3375, 855, "Motor Voltage"},
    {"Frame2", -1, "Frame1", 240, 480, 3495, 1575, "Max Current"},
    {"HScroll3", -1, "Frame16", 2160, 360, 1095, 255, nullptr},
    {"Label3", -1, "Frame16", 240, 360, 1335, 255, "Regen Brake:"},
    {"Label18", -1, "Frame16", 1680, 360, 495, 255, "0%"},
    {"Frame14", -1, "Frame12", 120, 840, 3135, 1335, ""},
    {"Frame13", -1, "Frame12", 120, 240, 3135, 615, ""},
    {"HScroll2", -1, "Frame14", 600, 960, 1935, 255, nullptr},
    {"Option7", 0, "Frame14", 2040, 240, 975, 255, "Unimm"},
    {"Option7", 1, "Frame14", 1080, 240, 975, 255, "Immed"},
    {"Label22", -1, "Frame14", 120, 600, 1335, 255, "Speed Scale:"},
    {"Label23", -1, "Frame14", 120, 960, 375, 255, "Min"},
    // 375 wide in the description, 2 px short of "Max" in Arial: widened inside its frame.
    {"Label24", -1, "Frame14", 2640, 960, 435, 255, "Max"},
    {"Label25", -1, "Frame14", 1680, 600, 60, 240, ""},
    {"Label21", -1, "Frame14", 240, 240, 735, 255, "Mode:"},
    {"Option6", 0, "Frame13", 1800, 240, 1095, 255, "Disable"},
    {"Option6", 1, "Frame13", 240, 240, 975, 255, "Enable"},
    {"HScroll1", -1, "Frame9", 720, 720, 1935, 255, nullptr},
    {"Label17", -1, "Frame9", 1800, 360, 60, 240, ""},
    {"Label15", -1, "Frame9", 2760, 720, 495, 255, "Max"},
    {"Label14", -1, "Frame9", 240, 720, 375, 255, "Min"},
    {"Label6", -1, "Frame9", 240, 360, 1335, 255, "Speed Scale:"},
    {"Frame11", -1, "Frame8", 120, 240, 3255, 1575, nullptr},
    {"Frame10", -1, "Frame11", 240, 840, 2895, 615, ""},
    {"Option5", 0, "Frame11", 240, 600, 2055, 255, "BLDC (brushless)"},
    {"Option5", 1, "Frame11", 240, 240, 1695, 255, "DC (brushed)"},
    {"Option4", 1, "Frame10", 1080, 240, 855, 250, "120\u00b0"},
    {"Option4", 0, "Frame10", 1920, 240, 855, 255, "60\u00b0"},
    {"Label7", -1, "Frame10", 120, 240, 855, 255, "Phase .."},
    {"Frame7", -1, "Frame4", 120, 840, 3375, 615, ""},
    {"Frame5", -1, "Frame4", 120, 240, 3375, 615, ""},
    {"Option3", 0, "Frame7", 2160, 240, 975, 255, "REV"},
    {"Option3", 1, "Frame7", 1080, 240, 975, 255, "FWD"},
    {"Label5", -1, "Frame7", 120, 240, 975, 255, "Direction:"},
    {"Option2", 2, "Frame5", 2520, 240, 735, 255, "High"},
    {"Option2", 1, "Frame5", 1680, 240, 735, 255, "Mid"},
    {"Option2", 0, "Frame5", 840, 240, 735, 255, "Low"},
    {"Label4", -1, "Frame5", 120, 240, 615, 255, "Level:"},
    {"Option1", 2, "Frame3", 2280, 360, 855, 255, "48v"},
    {"Option1", 1, "Frame3", 1320, 360, 855, 255, "36v"},
    {"Option1", 0, "Frame3", 360, 360, 855, 255, "24v"},
    {"Label13", -1, "Frame3", 240, 360, 735, 255, ""},
    {"Text4", -1, "Frame2", 1560, 960, 855, 375, ""},
    {"Text1", -1, "Frame2", 1560, 360, 855, 375, ""},
    {"Label10", -1, "Frame2", 2760, 1080, 615, 255, "1~50A"},
    {"Label9", -1, "Frame2", 2760, 480, 615, 255, "1~30A"},
    {"Label12", -1, "Frame2", 2520, 1080, 255, 255, "A"},
    {"Label11", -1, "Frame2", 2520, 480, 375, 375, "A"},
    {"Label8", -1, "Frame2", 480, 1080, 735, 375, "Peak:"},
    {"Label2", -1, "Frame2", 240, 480, 1335, 255, "Continuous:"},
    {"Command6", -1, "Frame6", 240, 1680, 1455, 375, "Factory Setting"},
    {"Command5", -1, "Frame6", 240, 1080, 1455, 375, "GetConfig"},
    {"Command4", -1, "Frame6", 240, 2280, 1455, 375, "Disconnect"},
    {"Command3", -1, "Frame6", 240, 480, 1455, 375, "Connect"},
};

int Px(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

QWidget* Find(Form1& form, const Expected& e) {
    for (QWidget* w : form.findChildren<QWidget*>(QString::fromLatin1(e.name))) {
        if (e.index < 0 || w->property("index").toInt() == e.index) return w;
    }
    return nullptr;
}

QString Caption(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->title();
    if (auto* t = qobject_cast<QLineEdit*>(w)) return t->text();
    return {};
}

}  // namespace

TEST_F(Form1Test, EveryControlSitsWhereTheTableSays) {
    Form1& f = Make();
    for (const Expected& e : kExpected) {
        SCOPED_TRACE(std::string(e.name) + "(" + std::to_string(e.index) + ")");
        QWidget* w = Find(f, e);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName().toStdString(), e.parent);
        EXPECT_EQ(w->geometry(), QRect(Px(e.left), Px(e.top), Px(e.width), Px(e.height)));
        if (e.caption != nullptr) {
            EXPECT_EQ(Caption(w), QString::fromUtf8(e.caption));
        }
    }
}

TEST_F(Form1Test, WindowIsFixedAndCaptioned) {
    Form1& f = Make();
    EXPECT_EQ(f.size(), QSize(680, 538));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    // The caption, then the controller the window works with.
    EXPECT_EQ(f.windowTitle(),
              QString::fromUtf8("Cruise Controller Programming User Interface Ver_1.0 \u2014 no "
                                "controller"));
    EXPECT_FALSE(f.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(f.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(f.Image1->pixmap().size(), QSize(658, 90));
    EXPECT_FALSE(f.windowIcon().isNull());
    EXPECT_TRUE(f.Option7[0]->toolTip().startsWith("Reversion when motor's speed is \"zero\"\n"));
    EXPECT_EQ(f.Command6->toolTip(), "Factory_Setting");
    EXPECT_EQ(f.Label7->toolTip(), "Phase Angle:");
}

TEST_F(Form1Test, DesignStateBeforeLoad) {
    Form1& f = Make();
    for (auto* o : f.findChildren<QRadioButton*>()) EXPECT_FALSE(o->isChecked());
    EXPECT_EQ(f.HScroll1->value(), 1);
    EXPECT_EQ(f.HScroll2->value(), 1);
    EXPECT_EQ(f.HScroll3->value(), 0);
    EXPECT_EQ(f.HScroll1->minimum(), 1);
    EXPECT_EQ(f.HScroll1->maximum(), 256);
    EXPECT_EQ(f.HScroll3->maximum(), 220);
    EXPECT_EQ(f.HScroll3->pageStep(), 1);
    EXPECT_FALSE(f.HScroll1->hasTracking()) << "no change while the thumb is dragged";
    EXPECT_EQ(f.Label18->text(), "0%");
    EXPECT_TRUE(f.Label17->text().isEmpty());
    EXPECT_TRUE(f.Timer1->isActive());
    EXPECT_EQ(f.Timer1->interval(), 10);
    EXPECT_FALSE(f.Timer2->isActive());
    EXPECT_EQ(f.Timer2->interval(), 500);
    EXPECT_EQ(f.link().readHandle(), -1);
    EXPECT_EQ(f.link().writeHandle(), -1);
}

TEST_F(Form1Test, TabOrderFollowsTheTable) {
    Form1& f = Make();
    const std::vector<QWidget*> expected = {
        f.Text1,      f.Text4,      f.Option5[1], f.Option5[0], f.Option2[0], f.Option2[1],
        f.Option2[2], f.Option3[1], f.Option3[0], f.Option1[0], f.Option1[1], f.Option1[2],
        f.Option6[1], f.Option6[0], f.Option7[1], f.Option7[0], f.HScroll1,   f.Command7,
        f.Command8,   f.Command3,   f.Command5,   f.Command6,   f.Command4,   f.Command1,
        f.Command2,   f.Option4[0], f.Option4[1], f.HScroll2,   f.HScroll3};
    std::vector<QWidget*> chain;
    QWidget* w = f.Text1;
    do {
        // Option elements that are not their group's tab stop still take a click.
        if (w->focusPolicy() & Qt::ClickFocus) chain.push_back(w);
        w = w->nextInFocusChain();
    } while (w != f.Text1 && chain.size() < 100);
    EXPECT_EQ(chain, expected);
    for (auto* label : f.findChildren<QLabel*>()) EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
}

TEST_F(Form1Test, ColoursFollowTheTable) {
    Form1& f = Make();
    EXPECT_EQ(f.Label16->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(f.Option3[0]->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    EXPECT_EQ(f.Option5[0]->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(f.Frame2->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(f.Command1->palette().color(QPalette::Button), QColor(192, 192, 255));
    EXPECT_EQ(f.Command7->palette().color(QPalette::Button), QColor(255, 192, 192));
    EXPECT_EQ(f.Command6->palette().color(QPalette::Button), QColor(255, 224, 192));
    EXPECT_EQ(f.Label2->palette().color(QPalette::WindowText), QColor(10, 36, 106))
        << "the classic highlight colour, whatever the desktop's theme";
    EXPECT_EQ(f.palette().color(QPalette::Window), QColor(224, 224, 224));
    f.Load();
    EXPECT_EQ(f.palette().color(QPalette::Window), QColor(239, 234, 214));
    EXPECT_TRUE(f.Label1->autoFillBackground()) << "the model label stays readable";
}

TEST_F(Form1Test, FontsAreArialOrItsMetricTwin) {
    Form1& f = Make();
    EXPECT_TRUE(f.Text1->font().italic());
    EXPECT_DOUBLE_EQ(f.Text1->font().pointSizeF(), 10.5);
    EXPECT_EQ(f.Frame1->font().weight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(f.Frame1->font().pointSizeF(), 12);
    EXPECT_FALSE(f.Option1[0]->font().italic());
    EXPECT_DOUBLE_EQ(f.Command6->font().pointSizeF(), 9);
    EXPECT_TRUE(f.Command6->font().italic());
    const QString family = QFontInfo(f.Text1->font()).family();
    EXPECT_TRUE(family == "Arial" || family == "Liberation Sans") << family.toStdString();
}

// The captions, options and buttons whose text needs more width than their control, in
// the control's own font.
std::vector<std::string> CaptionsThatDoNotFit(QWidget& window) {
    std::vector<std::string> out;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        QString text;
        int room = w->width();
        if (auto* l = qobject_cast<QLabel*>(w)) {
            text = l->text();
            room -= 2 * l->margin();
        } else if (auto* r = qobject_cast<QRadioButton*>(w)) {
            text = r->text();
            room -= r->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, r) +
                    r->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, r);
        } else if (auto* b = qobject_cast<QPushButton*>(w)) {
            text = b->text();
            room -= 6;  // the raised edges and the focus mark
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            text = g->title();
            room -= 16;  // the frame's line and the gaps beside the title
        }
        // The status line and the value captions grow with their text.
        if (text.isEmpty() || w->objectName() == "Label16") continue;
        const int needed = QFontMetrics(w->font()).horizontalAdvance(text);
        if (needed > room) {
            out.push_back(w->objectName().toStdString() + " \"" + text.toStdString() + "\" needs " +
                          std::to_string(needed) + " px, has " + std::to_string(room));
        }
    }
    return out;
}

// With the font the package depends on (Liberation Sans, metric-compatible with Arial),
// every caption fits its control in every language the window speaks; a fallback face
// with other metrics clips some.
TEST_F(Form1Test, EveryCaptionFitsItsControlInEveryLanguage) {
    const QStringList languages = ShippedLanguages();
    ASSERT_GE(languages.size(), 7) << languages.join(',').toStdString();
    for (const QString& language : languages) {
        QTranslator translator;
        if (language != "en") {
            ASSERT_TRUE(translator.load(":/i18n/vt350-config_" + language + ".qm"));
            QCoreApplication::installTranslator(&translator);
        }
        Form1& f = Make();
        f.show();
        const QString family = QFontInfo(f.Text1->font()).family();
        ASSERT_TRUE(family == "Arial" || family == "Liberation Sans") << family.toStdString();
        EXPECT_NE(f.Command5->text() == "GetConfig", language != "en") << language.toStdString();
        for (const std::string& misfit : CaptionsThatDoNotFit(f)) {
            ADD_FAILURE() << language.toStdString() << ": " << misfit;
        }
        if (language != "en") {
            // Writing into the controller is never the everyday word for saving a file.
            const auto words = [](const QString& caption) {
                const QStringList list =
                    caption.toLower().split(QRegularExpression("[^\\w]+"), Qt::SkipEmptyParts);
                return QSet<QString>(list.begin(), list.end());
            };
            const QString saveAs = f.Command8->text() + ' ' +
                                   QCoreApplication::translate("Form1", "Save As", "full wording");
            const QString store =
                f.Command1->text() + ' ' +
                QCoreApplication::translate("Form1", "Store/Save", "full wording");
            EXPECT_FALSE(words(store).intersects(words(saveAs)))
                << language.toStdString() << ": " << store.toStdString() << " / "
                << saveAs.toStdString();
            // A frame of driving directions is not titled as a pedal direction.
            EXPECT_NE(f.Frame12->title(), f.Option3[0]->text()) << language.toStdString();
            EXPECT_NE(f.Frame9->title(), f.Option3[1]->text()) << language.toStdString();
        }
        // A caption shortened to fit says its full wording in the tool tip and its name.
        if (f.Command6->text() !=
            QCoreApplication::translate("Form1", "Factory Setting", "full wording")) {
            EXPECT_TRUE(f.Command6->toolTip().startsWith(
                QCoreApplication::translate("Form1", "Factory Setting", "full wording")))
                << language.toStdString();
            EXPECT_EQ(f.Command6->accessibleName(),
                      QCoreApplication::translate("Form1", "Factory Setting", "full wording"));
        }
        form.reset();
        QCoreApplication::removeTranslator(&translator);
    }
}

// The messages are built below the window in English and reach the person in the
// window's language: the store question, a file error from the file layer, the status.
TEST_F(Form1Test, TheWindowSpeaksItsLanguageInMessagesToo) {
    QTranslator german;
    ASSERT_TRUE(german.load(":/i18n/vt350-config_de.qm"));
    QCoreApplication::installTranslator(&german);
    SetTextTranslator([](const char* context, const char* text) {
        return QCoreApplication::translate(context, text).toStdString();
    });
    Form1& f = ShownAfterGetConfig();
    EXPECT_EQ(f.Label16->text(), "Auslesen erfolgreich");
    Press(f.Command1);
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0], "Den Satz in den Regler schreiben?");
    EXPECT_EQ(dialogs.questionDetails[0].rfind("Regler: Port demo-1, Seriennummer 0001", 0), 0u)
        << dialogs.questionDetails[0];
    PutFileBytes(Path("short.qkf"), "abc");
    dialogs.fileNames.push_back(Path("short.qkf"));
    Press(f.Command7);
    EXPECT_EQ(dialogs.titles.back(), "Öffnen");
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(dialogs.errors[0], "Die Datei „" + Path("short.qkf") +
                                     "“ enthält 3 Bytes, eine Parameterdatei aber 15; nichts "
                                     "wurde geladen.");
    EXPECT_NE(dialogs.fullErrors[0].find("Fehlercode = [0]"), std::string::npos);
    SetTextTranslator(nullptr);
    form.reset();
    QCoreApplication::removeTranslator(&german);
}

// Qt's own dialogs and buttons speak the window's language too.
TEST_F(Form1Test, QtsOwnDialogsSpeakTheWindowsLanguage) {
    InstallTranslations(*qApp, "de");
    QtUserDialogs real;
    QStringList buttons;
    const auto answerLater = [&] {
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            for (const QPushButton* b : box->findChildren<QPushButton*>()) buttons << b->text();
            QTest::keyClick(box, Qt::Key_Escape);
        });
    };
    answerLater();
    real.AskOkCancel("?", "");
    answerLater();
    real.OpenFileName("Öffnen");
    InstallTranslations(*qApp, "en");
    EXPECT_EQ(buttons.count("Abbrechen"), 2) << buttons.join('|').toStdString();
    EXPECT_EQ(QMessageBox(QMessageBox::Information, "", "", QMessageBox::Cancel)
                  .button(QMessageBox::Cancel)
                  ->text(),
              "Cancel")
        << "English again";
}

TEST_F(Form1Test, ACaptionTooLongForItsControlIsFound) {
    Form1& f = Make();
    f.show();
    EXPECT_TRUE(CaptionsThatDoNotFit(f).empty());
    f.Command1->setText("Store in the controller");
    f.Option3[0]->setText("Reverse pedalling");
    const auto misfits = CaptionsThatDoNotFit(f);
    ASSERT_EQ(misfits.size(), 2u);
    EXPECT_TRUE(misfits[0].find("Store in the controller") != std::string::npos ||
                misfits[1].find("Store in the controller") != std::string::npos);
}
