// The parameter editors: what each writes into the record, and RefreshControls.
#include <QApplication>
#include <QTest>

#include "form1_fixture.h"
#include "test_support.h"

TEST(PercentText, RoundsPadsAndShowsZero) {
    EXPECT_EQ(PercentText(256, 256), "100%");
    EXPECT_EQ(PercentText(128, 256), "50% ");
    EXPECT_EQ(PercentText(220, 220), "100%");
    EXPECT_EQ(PercentText(1, 256), "0%  ");
    EXPECT_EQ(PercentText(2, 256), "1%  ");
    EXPECT_EQ(PercentText(0, 220), "0%  ");
}

TEST_F(Form1Test, OptionIndexesAreNotScreenOrder) {
    Form1& f = Make();
    EXPECT_LT(f.Option3[1]->x(), f.Option3[0]->x());  // FWD left of REV
    QTest::mouseClick(f.Option3[1], Qt::LeftButton);
    EXPECT_EQ(f.record().Get(5), 1);
    QTest::mouseClick(f.Option4[1], Qt::LeftButton);  // the left one, 120°
    EXPECT_EQ(f.record().Get(8) & 1, 1);
    QTest::mouseClick(f.Option5[1], Qt::LeftButton);  // the upper one, DC
    EXPECT_EQ(f.record().Get(8) & 0x80, 0x80);
    QTest::mouseClick(f.Option6[1], Qt::LeftButton);
    EXPECT_EQ(f.record().Get(6), 1);
    QTest::mouseClick(f.Option7[1], Qt::LeftButton);
    EXPECT_EQ(f.record().Get(7), 1);
    QTest::mouseClick(f.Option1[2], Qt::LeftButton);
    EXPECT_EQ(f.record().Get(2), 176);
    QTest::mouseClick(f.Option2[0], Qt::LeftButton);
    EXPECT_EQ(f.record().Get(4), 20);
}

TEST_F(Form1Test, GroupsNeverClearEachOther) {
    Form1& f = Make();
    f.Option5[0]->setChecked(true);
    f.Option4[1]->setChecked(true);
    f.Option3[0]->setChecked(true);
    f.Option6[1]->setChecked(true);
    f.Option7[0]->setChecked(true);
    f.Option1[1]->setChecked(true);
    f.Option2[2]->setChecked(true);
    for (auto* o : {f.Option5[0], f.Option4[1], f.Option3[0], f.Option6[1], f.Option7[0],
                    f.Option1[1], f.Option2[2]}) {
        EXPECT_TRUE(o->isChecked()) << o->objectName().toStdString();
    }
}

TEST_F(Form1Test, MotorTypeShowsOrHidesThePhaseGroupOnly) {
    Form1& f = Make();
    f.show();
    f.record().Set(8, 0x01);
    f.Option5[1]->setChecked(true);  // DC
    EXPECT_FALSE(f.Frame10->isVisible());
    EXPECT_EQ(f.record().Get(8), 0x81) << "the phase bit stays";
    f.Option5[0]->setChecked(true);  // BLDC
    EXPECT_TRUE(f.Frame10->isVisible());
    EXPECT_EQ(f.record().Get(8), 0x01);
}

TEST_F(Form1Test, ReversionEnablingColoursAndEnables) {
    Form1& f = Make();
    f.show();
    f.Option6[0]->setChecked(true);  // Disable
    EXPECT_FALSE(f.Option7[0]->isEnabled());
    EXPECT_FALSE(f.Option7[1]->isEnabled());
    EXPECT_FALSE(f.HScroll2->isEnabled());
    EXPECT_FALSE(f.Label25->isVisible());
    EXPECT_EQ(f.Label23->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    EXPECT_EQ(f.Label21->palette().color(QPalette::WindowText), QColor(128, 128, 128));
    f.Option6[1]->setChecked(true);  // Enable
    EXPECT_TRUE(f.Option7[0]->isEnabled());
    EXPECT_TRUE(f.HScroll2->isEnabled());
    EXPECT_TRUE(f.Label25->isVisible());
    EXPECT_EQ(f.Label24->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(f.Label22->palette().color(QPalette::WindowText), QColor(10, 36, 106));
}

TEST_F(Form1Test, TypingIntoTheCurrentBoxes) {
    Form1& f = Make();
    f.record().Set(0, 9);
    QTest::keyClicks(f.Text1, "3");
    EXPECT_EQ(f.record().Get(0), 3);
    QTest::keyClicks(f.Text1, "5");
    EXPECT_EQ(f.record().Get(0), 3);
    EXPECT_EQ(dialogs.errors, std::vector<std::string>{"Please enter valid  numerical data"});
    EXPECT_EQ(f.Text1->text(), "35") << "the text is never corrected";

    dialogs.errors.clear();
    f.record().Set(1, 40);
    QTest::keyClicks(f.Text4, "a");
    EXPECT_EQ(dialogs.errors, std::vector<std::string>{"Please enter valid numerical data"});
    EXPECT_EQ(f.record().Get(1), 40);
    f.Text4->clear();
    EXPECT_EQ(f.record().Get(1), 1);
    f.Text4->setText("0");
    EXPECT_EQ(f.record().Get(1), 1);
    EXPECT_EQ(f.Text4->text(), "0");
    f.Text4->setText("007");
    EXPECT_EQ(f.record().Get(1), 7);
    f.Text4->setText("50");
    EXPECT_EQ(f.record().Get(1), 50);
    EXPECT_EQ(dialogs.errors.size(), 1u);
}

TEST_F(Form1Test, VeryLongTextsStillEndInAnOutcome) {
    Form1& f = Make();
    f.record().Set(0, 12);
    f.Text1->setText(QString(300, '9'));
    f.Text1->setText(QString(300, '0'));
    EXPECT_EQ(f.record().Get(0), 1);
    f.Text1->setText(QString(299, '0') + "7");
    EXPECT_EQ(f.record().Get(0), 7);
    f.Text1->setText(QString(300, 'x'));
    EXPECT_EQ(dialogs.errors, (std::vector<std::string>{"Please enter valid  numerical data",
                                                        "Please enter valid numerical data"}));
}

TEST_F(Form1Test, ScrollBarsWrapAndShowPercent) {
    Form1& f = Make();
    f.HScroll1->setValue(256);
    EXPECT_EQ(f.record().Get(9), 0);
    EXPECT_EQ(f.Label17->text(), "100%");
    f.HScroll1->setValue(2);
    EXPECT_EQ(f.Label17->text(), "1%  ");
    f.HScroll1->setValue(1);
    EXPECT_EQ(f.Label17->text(), "0%  ");
    EXPECT_EQ(f.record().Get(9), 1);
    f.HScroll2->setValue(128);
    EXPECT_EQ(f.record().Get(10), 128);
    EXPECT_EQ(f.Label25->text(), "50% ");
    f.HScroll3->setValue(110);
    EXPECT_EQ(f.record().Get(3), 110);
    EXPECT_EQ(f.Label18->text(), "50% ");
    // An arrow click moves one step and raises the change.
    f.HScroll3->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(f.record().Get(3), 111);
}

TEST_F(Form1Test, AutoSizeLabelsKeepTheirCorner) {
    Form1& f = Make();
    EXPECT_EQ(f.Label16->size(), QSize(4, 16));
    const QPoint corner = f.Label17->pos();
    f.HScroll1->setValue(256);
    EXPECT_EQ(f.Label17->pos(), corner);
    EXPECT_GT(f.Label17->width(), 4);
}

TEST_F(Form1Test, RefreshFromTheAllZeroRecord) {
    Form1& f = Make();
    f.RefreshControls();
    EXPECT_FALSE(f.Option1[0]->isChecked() || f.Option1[1]->isChecked() ||
                 f.Option1[2]->isChecked());
    EXPECT_TRUE(f.Option3[0]->isChecked());  // REV
    EXPECT_TRUE(f.Option4[0]->isChecked());  // 60°
    EXPECT_TRUE(f.Option5[0]->isChecked());  // BLDC
    EXPECT_TRUE(f.Option6[0]->isChecked());  // Disable
    EXPECT_TRUE(f.Option7[0]->isChecked());
    EXPECT_EQ(f.HScroll1->value(), 256);
    EXPECT_EQ(f.HScroll2->value(), 256);
    // A current limit of 0 becomes 1 and is shown as such.
    EXPECT_EQ(f.Text1->text(), "1");
    EXPECT_EQ(f.Text4->text(), "1");
    EXPECT_EQ(f.record().Get(0), 1);
    EXPECT_EQ(f.record().Get(1), 1);
    EXPECT_EQ(f.record().Get(9), 0);
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(Form1Test, RefreshRaisesOnlyWhereAValueChanges) {
    Form1& f = Make();
    f.record() = RecordOf({5, 6, 135, 0, 25, 0, 0, 0, 0, 1, 1});
    f.RefreshControls();
    // Byte 9 = 1 is the bar's design value: no change, so the label stays empty.
    EXPECT_TRUE(f.Label17->text().isEmpty());
    EXPECT_TRUE(f.Label25->text().isEmpty());
    // The brake at its design value 0 raises nothing either.
    EXPECT_EQ(f.Label18->text(), "0%");
    EXPECT_TRUE(f.Option1[1]->isChecked());
    EXPECT_TRUE(f.Option2[1]->isChecked());
}

TEST_F(Form1Test, RefreshKeepsValuesThatNoControlCanShow) {
    Form1& f = Make();
    f.record() = RecordOf({45, 20, 100, 250, 0, 7, 9, 3, 0x7E, 200, 0, 1, 2, 3, 4});
    f.RefreshControls();
    EXPECT_EQ(f.Text1->text(), "45");
    EXPECT_EQ(dialogs.errors, std::vector<std::string>{"Please enter valid  numerical data"});
    const std::vector<std::uint8_t> expected = {45,   20,  100, 250, 0, 7, 9, 3,
                                                0x7E, 200, 0,   1,   2, 3, 4};
    EXPECT_EQ(std::vector<std::uint8_t>(f.record().Bytes().begin(), f.record().Bytes().end()),
              expected);
    EXPECT_FALSE(f.Option3[0]->isChecked() || f.Option3[1]->isChecked());
    EXPECT_EQ(f.HScroll3->value(), 0);
}

// After a set with a value no option stands for, the option that still looks selected
// takes effect when clicked, as any other would.
TEST_F(Form1Test, TheOptionThatLooksSelectedTakesEffectWhenClicked) {
    Form1& f = Make();
    f.show();
    f.record() = VirtualController::FactoryRecord();
    f.RefreshControls();
    ASSERT_TRUE(f.Option1[1]->isChecked());  // 36 V
    f.record().Set(ConfigRecord::kVoltageCode, 100);
    f.RefreshControls();
    ASSERT_TRUE(f.Option1[1]->isChecked()) << "the editor keeps its earlier setting";
    QTest::mouseClick(f.Option1[1], Qt::LeftButton);
    EXPECT_EQ(f.record().Get(ConfigRecord::kVoltageCode), 135);
}

TEST_F(Form1Test, NoEditTouchesTheReservedBytes) {
    Form1& f = Make();
    f.record() = RecordOf({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xDE, 0xAD, 0xBE, 0xEF});
    f.RefreshControls();
    for (auto* o : f.findChildren<QRadioButton*>()) o->setChecked(true);
    f.HScroll1->setValue(77);
    f.HScroll2->setValue(99);
    f.HScroll3->setValue(200);
    f.Text1->setText("30");
    f.Text4->setText("50");
    EXPECT_EQ(f.record().Get(11), 0xDE);
    EXPECT_EQ(f.record().Get(12), 0xAD);
    EXPECT_EQ(f.record().Get(13), 0xBE);
    EXPECT_EQ(f.record().Get(14), 0xEF);
}

// Right to left (-reverse): the bars still run from their Min caption to their Max caption.
TEST_F(Form1Test, ScrollBarsRunFromMinToMaxRightToLeftToo) {
    QApplication::setLayoutDirection(Qt::RightToLeft);
    Form1& f = Make();
    f.show();
    f.HScroll1->setValue(f.HScroll1->minimum());
    // A click at the bar's left end, beside the Min caption, never raises it.
    QTest::mouseClick(f.HScroll1, Qt::LeftButton, {}, QPoint(3, f.HScroll1->height() / 2));
    const int afterLeft = f.HScroll1->value();
    QTest::mouseClick(f.HScroll1, Qt::LeftButton, {},
                      QPoint(f.HScroll1->width() - 3, f.HScroll1->height() / 2));
    const int afterRight = f.HScroll1->value();
    QApplication::setLayoutDirection(Qt::LeftToRight);
    EXPECT_EQ(afterLeft, f.HScroll1->minimum());
    EXPECT_GT(afterRight, afterLeft);
}
