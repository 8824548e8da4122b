// The window under the keyboard: Tab, the arrow keys, Enter and Space, with real key
// events on the shown window; the demo's plug key; the zero-current rule.
#include <QApplication>
#include <QTest>

#include "config/parameter_table.h"
#include "form1_fixture.h"
#include "ui/window_key.h"

namespace {

// A shown, active window holding the factory set, the focus in the continuous current.
class Form1KeyboardTest : public Form1Test {
  protected:
    Form1& Shown() {
        Form1& f = ShownAfterGetConfig();
        f.Text1->setFocus();
        return f;
    }
    static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
};

std::uint8_t LastCommandOf(const VirtualController& c) {
    return c.received.back()[2];
}

}  // namespace

TEST_F(Form1KeyboardTest, TabVisitsEachGroupOnceAtItsSelectedElement) {
    Form1& f = Shown();
    // Factory set: BLDC, Mid, FWD, 36 V, reversion disabled (its mode group and bar are
    // disabled), 120°.
    const std::vector<QWidget*> expected = {
        f.Text4,    f.Option5[0], f.Option2[1], f.Option3[1], f.Option1[1], f.Option6[0],
        f.HScroll1, f.Command7,   f.Command8,   f.Command3,   f.Command5,   f.Command6,
        f.Command4, f.Command1,   f.Command2,   f.Option4[1], f.HScroll3,   f.Text1};
    for (QWidget* next : expected) {
        Key(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next)
            << "expected " << next->objectName().toStdString() << ", got "
            << QApplication::focusWidget()->objectName().toStdString();
    }
    EXPECT_EQ(f.record(), VirtualController::FactoryRecord()) << "Tab changes nothing";
}

TEST_F(Form1KeyboardTest, AGroupWithoutASelectionIsEnteredAtItsFirstElement) {
    Form1& f = MakeLoaded();  // no autosave: voltage code 0, no voltage selected
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    f.Option3[0]->setFocus();
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), f.Option1[0]);
    EXPECT_EQ(f.record().Get(ConfigRecord::kVoltageCode), 0) << "entering selects nothing";
}

TEST_F(Form1KeyboardTest, ArrowsMoveAndSelectWithinTheirOwnGroupOnly) {
    Form1& f = Shown();
    const std::pair<QRadioButton*, ParameterId> groups[] = {
        {f.Option5[0], ParameterId::kMotorType},    {f.Option4[1], ParameterId::kPhaseAngle},
        {f.Option2[1], ParameterId::kPasLevel},     {f.Option3[1], ParameterId::kPasDirection},
        {f.Option1[1], ParameterId::kMotorVoltage}, {f.Option6[0], ParameterId::kReversion}};
    for (const auto& [start, id] : groups) {
        const ParameterRow& param = Parameter(id);
        f.record() = VirtualController::FactoryRecord();
        f.RefreshControls();
        start->setFocus();
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Right, Qt::Key_Left}) {
            for (int i = 0; i < 4; ++i) {
                const ConfigRecord before = f.record();
                Key(key);
                for (std::size_t b = 0; b < ConfigRecord::kSize; ++b) {
                    const std::uint8_t mask =
                        b == param.byte ? static_cast<std::uint8_t>(~param.mask) : 0xFF;
                    EXPECT_EQ(before.Get(b) & mask, f.record().Get(b) & mask)
                        << param.label << ": byte " << b << " changed by an arrow key";
                }
                auto* focused = qobject_cast<QRadioButton*>(QApplication::focusWidget());
                ASSERT_NE(focused, nullptr);
                EXPECT_EQ(focused->parentWidget(), start->parentWidget()) << param.label;
                EXPECT_TRUE(focused->isChecked()) << "the arrow selects where it moves";
            }
        }
    }
}

TEST_F(Form1KeyboardTest, EnterPressesStoreSaveOrTheFocusedButton) {
    Form1& f = Shown();
    for (QWidget* from : std::vector<QWidget*>{f.Text1, f.Option2[1], f.HScroll3}) {
        controller.received.clear();
        dialogs.answers = {true};
        from->setFocus();
        Key(Qt::Key_Return);
        ASSERT_EQ(controller.received.size(), 1u) << from->objectName().toStdString();
        EXPECT_EQ(controller.received.back()[1], 1) << "a store report";
    }
    controller.received.clear();
    f.Command3->setFocus();
    Key(Qt::Key_Enter);
    f.Command4->setFocus();
    Key(Qt::Key_Space);
    ASSERT_EQ(controller.received.size(), 2u);
    EXPECT_EQ(controller.received[0][2], 1) << "Connect by Enter";
    EXPECT_EQ(controller.received[1][2], 2) << "Disconnect by Space";
    EXPECT_EQ(dialogs.questions.size(), 3u);
}

TEST_F(Form1KeyboardTest, TheDemoPlugKeyWorksAnywhereAndEditsNothing) {
    Form1& f = Shown();
    new WindowKey(&f, Qt::Key_U, Qt::ControlModifier, [this] {
        if (platform->plugged()) {
            platform->Unplug();
        } else {
            platform->Plug();
        }
    });
    for (QWidget* focus : std::vector<QWidget*>{f.Text1, f.Option2[1], f.Command5}) {
        focus->setFocus();
        const bool was = platform->plugged();
        Key(Qt::Key_U, Qt::ControlModifier);
        EXPECT_NE(platform->plugged(), was) << focus->objectName().toStdString();
    }
    const bool was = platform->plugged();
    QTest::keyClick(f.Command5, Qt::Key_U);
    EXPECT_EQ(platform->plugged(), was) << "a plain U";
    EXPECT_EQ(f.Text1->text(), "15");
    EXPECT_EQ(f.record(), VirtualController::FactoryRecord());
}

TEST_F(Form1KeyboardTest, F5ReadsFromAnywhereOnceHoweverLongItIsHeld) {
    Form1& f = Shown();
    controller.received.clear();
    // Held in a text box: X11's release-and-press pairs, stamped alike by the server.
    const auto serverKey = [&](QEvent::Type type, unsigned long time) {
        QKeyEvent key(type, Qt::Key_F5, Qt::NoModifier, 71, 0, 0, QString());
        key.setTimestamp(time);
        QApplication::sendEvent(f.Text1, &key);
    };
    serverKey(QEvent::KeyPress, 100);
    for (unsigned long t = 760; t < 2000; t += 40) {
        serverKey(QEvent::KeyRelease, t);
        serverKey(QEvent::KeyPress, t);
    }
    serverKey(QEvent::KeyRelease, 2010);
    ASSERT_EQ(controller.received.size(), 1u);
    EXPECT_EQ(LastCommandOf(controller), 4) << "GetConfig";
    EXPECT_EQ(f.Text1->text(), "15");
    serverKey(QEvent::KeyPress, 2400);  // pressed again
    EXPECT_EQ(controller.received.size(), 2u);
}

TEST_F(Form1KeyboardTest, AZeroCurrentFromTheControllerShowsAndStoresOne) {
    Form1& f = Shown();
    f.Text4->setText("1");
    controller.stored.Set(ConfigRecord::kPeakCurrent, 0);
    controller.stored.Set(ConfigRecord::kContinuousCurrent, 0);
    dialogs.answers = {true};
    Press(f.Command5);
    f.PollTick();
    EXPECT_EQ(f.Text1->text(), "1");
    EXPECT_EQ(f.Text4->text(), "1");
    dialogs.answers = {true};
    Press(f.Command1);
    EXPECT_EQ(controller.received.back()[2], 1);
    EXPECT_EQ(controller.received.back()[3], 1);
}
