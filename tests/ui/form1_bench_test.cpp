// The window at the bench: what it shows is what the controller gets. Real key and mouse
// events on the shown window against the virtual controller.
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <atomic>

#include "form1_fixture.h"

namespace {

using Wire = std::array<std::uint8_t, 15>;

class Form1BenchTest : public Form1Test {
  protected:
    Form1& ShownAfterGetConfig() {
        Form1& f = Form1Test::ShownAfterGetConfig();
        EXPECT_EQ(f.Label16->text(), "GetConfig Success");
        return f;
    }
    static void Key(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    std::uint8_t LastCommand() const { return controller.received.back()[2]; }
};

}  // namespace

TEST_F(Form1BenchTest, EnterAfterACommandRepeatsThatCommandAndNeverTheNext) {
    Form1& f = ShownAfterGetConfig();
    // GetConfig 4, Factory Setting 3, Disconnect 2; Store/Save follows Disconnect.
    for (auto [button, code] :
         {std::pair{f.Command5, 4}, std::pair{f.Command6, 3}, std::pair{f.Command4, 2}}) {
        Press(button);
        for (int again = 0; again < 3; ++again) {
            Key(Qt::Key_Return);
            f.PollTick();
            EXPECT_EQ(QApplication::focusWidget(), button) << button->objectName().toStdString();
            EXPECT_EQ(LastCommand(), code) << button->objectName().toStdString();
        }
    }
    EXPECT_TRUE(dialogs.questions.empty()) << "Store/Save was never reached";
    // The same after a failed send.
    controller.behaviour.failWrites = true;
    Press(f.Command5);
    Key(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), f.Command5);
    EXPECT_EQ(dialogs.errors,
              (std::vector<std::string>{"Send Command Error", "Send Command Error"}));
}

TEST_F(Form1BenchTest, ACurrentBoxShowsTheRecordOnceTheFocusLeavesIt) {
    Form1& f = ShownAfterGetConfig();  // 15 A, 30 A
    Type(f.Text1, "35");
    EXPECT_EQ(dialogs.errors, std::vector<std::string>{"Please enter valid  numerical data"});
    EXPECT_EQ(f.Text1->text(), "35") << "never corrected while typing";
    EXPECT_EQ(f.record().Get(0), 3);
    Key(Qt::Key_Tab);
    EXPECT_EQ(f.Text1->text(), "3");
    Type(f.Text4, "0");
    EXPECT_EQ(f.Text4->text(), "0");
    QTest::mouseClick(f.Option1[2], Qt::LeftButton);  // a click elsewhere
    EXPECT_EQ(f.Text4->text(), "1");
    // Enter in a box presses Store/Save: the box shows what is sent before the question.
    Type(f.Text1, "7x");
    dialogs.answers = {true};
    Key(Qt::Key_Return);
    EXPECT_EQ(f.Text1->text(), "7");
    EXPECT_EQ(controller.received.back()[2], 7);
    EXPECT_EQ(controller.received.back()[3], 1);
}

TEST_F(Form1BenchTest, ASetTheEditorsCannotShowIsNamedAndNeverStored) {
    Form1& f = ShownAfterGetConfig();
    std::string odd(
        reinterpret_cast<const char*>(VirtualController::FactoryRecord().Bytes().data()), 15);
    odd[0] = 45, odd[2] = 100;
    PutFileBytes(Path("odd.qkf"), odd);
    dialogs.fileNames = {Path("odd.qkf")};
    Press(f.Command7);
    ASSERT_EQ(dialogs.errors.size(), 2u);
    EXPECT_EQ(dialogs.errors[0], "Please enter valid  numerical data");
    EXPECT_NE(dialogs.errors[1].find("Motor voltage: unknown (code 100)"), std::string::npos)
        << dialogs.errors[1];
    EXPECT_TRUE(f.Option1[1]->isChecked()) << "the voltage group keeps its earlier selection";
    const auto sent = controller.received.size();
    dialogs.answers = {true};
    Press(f.Command1);
    EXPECT_EQ(controller.received.size(), sent) << "nothing was sent";
    EXPECT_TRUE(dialogs.questions.empty()) << "no question for a set that is refused";
    ASSERT_EQ(dialogs.errors.size(), 3u);
    EXPECT_NE(dialogs.errors[2].find("Continuous current: 45 A"), std::string::npos);
    EXPECT_NE(dialogs.errors[2].find("Motor voltage: unknown (code 100)"), std::string::npos);
    EXPECT_TRUE(f.Command1->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), f.Command1);
}

TEST_F(Form1BenchTest, TheStatusLineNeverKeepsAStaleOutcome) {
    Form1& f = ShownAfterGetConfig();
    dialogs.answers = {true};
    Press(f.Command1);
    f.PollTick();
    EXPECT_EQ(f.Label16->text(), "Load Success");
    // Unplugged: the next store sends nothing and says so.
    platform->Unplug();
    f.PollTick();
    QTest::mouseClick(f.Option1[2], Qt::LeftButton);
    const auto sent = controller.received.size();
    dialogs.answers = {true};
    Press(f.Command1);
    EXPECT_EQ(controller.received.size(), sent);
    EXPECT_EQ(f.Label16->text(), "No controller");
    // An answer ends the wait for it: no "No answer" follows an outcome that came.
    platform->Plug();
    f.PollTick();
    EXPECT_EQ(f.Label16->text(), "Plugged in: nothing read yet") << "no stale \"Unplugged\"";
    dialogs.answers = {true};  // the read drops the 48 V not stored
    Press(f.Command5);
    f.PollTick();
    EXPECT_EQ(f.Label16->text(), "GetConfig Success");
    EXPECT_FALSE(f.findChild<QTimer*>("answerTimer")->isActive());
    // A controller that never answers: the press clears the old outcome, the wait says so.
    f.PollTick();
    controller.behaviour.silent = true;
    f.findChild<QTimer*>("answerTimer")->setInterval(100);  // the wait, shortened
    Press(f.Command5);
    EXPECT_EQ(f.Label16->text(), "");
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.Label16->text() == "No answer"; }, 20000));
    EXPECT_TRUE(f.Label16->isVisible());
}

// Pulled and plugged back in between two looks of the window, and Store/Save pressed at
// once: the store goes through the new plug-in's handles, not the dead ones.
TEST_F(Form1BenchTest, AStoreRightAfterAQuickReplugReachesTheController) {
    Form1& f = ShownAfterGetConfig();
    platform->Unplug();
    platform->Plug();
    Type(f.Text1, "20");
    const auto sent = controller.received.size();
    dialogs.answers = {true};
    Press(f.Command1);
    ASSERT_EQ(controller.received.size(), sent + 1) << f.Label16->text().toStdString();
    f.PollTick();
    EXPECT_EQ(f.Label16->text(), "Load Success");
    EXPECT_EQ(controller.stored.Get(0), 20);
}

TEST_F(Form1BenchTest, TheStoreQuestionSaysWhatChangesOnTheController) {
    Form1& f = MakeLoaded();
    f.record() = VirtualController::FactoryRecord();
    f.RefreshControls();
    dialogs.answers = {false};
    Press(f.Command1);
    const std::string controller = "Controller: port demo-1, serial 0001\n";
    EXPECT_EQ(dialogs.questionDetails.back(),
              controller +
                  "Nothing has been read from this controller since it was plugged in: what it "
                  "holds is not known. GetConfig shows it.");
    dialogs.answers = {true};
    Press(f.Command5);
    f.PollTick();
    Type(f.Text1, "20");
    QTest::mouseClick(f.Option1[2], Qt::LeftButton);
    dialogs.answers = {true};
    Press(f.Command1);
    EXPECT_EQ(dialogs.questions.back(), "Would you decide to store or save?");
    EXPECT_EQ(dialogs.questionDetails.back(),
              controller +
                  "Changes to the set last read from the controller:\n"
                  "Continuous current 15 A \u2192 20 A\n"
                  "Motor voltage 36 V \u2192 48 V");
    f.PollTick();  // "Load Success": the controller now holds the stored set
    dialogs.answers = {false};
    Press(f.Command1);
    EXPECT_EQ(dialogs.questionDetails.back(),
              controller + "The set is the one last read from the controller.");
    EXPECT_EQ(f.Label16->text(), "") << "the cancelled store leaves no older outcome";
    // The reserved bytes are not part of the store report: no change to list.
    f.record().Set(11, 7);
    dialogs.answers = {false};
    Press(f.Command1);
    EXPECT_EQ(dialogs.questionDetails.back(),
              controller + "The set is the one last read from the controller.");
    // Enter in a current box that holds a refused 0: the question shows the 1 it sends.
    f.show();
    Type(f.Text1, "0");
    QString shownWhenAsked;
    dialogs.onQuestion = [&] { shownWhenAsked = f.Text1->text(); };
    dialogs.answers = {false};
    QTest::keyClick(f.Text1, Qt::Key_Return);
    dialogs.onQuestion = nullptr;
    EXPECT_EQ(shownWhenAsked, "1");
    // After a factory reset the editors still show the set from before: the question says so.
    Press(f.Command6);
    f.PollTick();
    dialogs.answers = {false};
    Press(f.Command1);
    EXPECT_NE(dialogs.questionDetails.back().find("reset to its factory settings"),
              std::string::npos)
        << dialogs.questionDetails.back();
    // Stored since: the controller holds what was stored, and the reset is no longer news.
    dialogs.answers = {true};
    Press(f.Command1);
    f.PollTick();
    dialogs.answers = {false};
    Press(f.Command1);
    EXPECT_EQ(dialogs.questionDetails.back(),
              controller + "The set is the one last read from the controller.");
}

TEST_F(Form1BenchTest, TheWheelTurnsOnlyAFocusedScrollBar) {
    Form1& f = ShownAfterGetConfig();
    auto wheel = [](QScrollBar* bar) {
        const QPointF at(bar->width() / 2.0, bar->height() / 2.0);
        QWheelEvent event(at, bar->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &event);
    };
    f.Text1->setFocus();
    wheel(f.HScroll3);
    EXPECT_EQ(f.record().Get(ConfigRecord::kBrake), 110) << "a passing wheel changes nothing";
    f.HScroll3->setFocus();
    wheel(f.HScroll3);
    EXPECT_NE(f.record().Get(ConfigRecord::kBrake), 110);
}

TEST_F(Form1BenchTest, ScreenReadersAndToolTipsNameEachControlsOwnSetting) {
    Form1& f = ShownAfterGetConfig();
    auto* frame = QAccessible::queryAccessibleInterface(f.Frame2);
    EXPECT_EQ(frame->text(QAccessible::Name), "Max Current");
    auto* bar = QAccessible::queryAccessibleInterface(f.HScroll2);
    ASSERT_NE(bar->valueInterface(), nullptr);
    EXPECT_EQ(bar->valueInterface()->currentValue().toInt(), 50);
    EXPECT_EQ(bar->text(QAccessible::Value), "50%");
    auto* status = QAccessible::queryAccessibleInterface(f.Label16);
    EXPECT_EQ(status->role(), QAccessible::StatusBar);
    EXPECT_EQ(status->text(QAccessible::Name), "GetConfig Success");
    EXPECT_EQ(f.HScroll3->toolTip(),
              "Regenerative brake: 0 to 220 (0% to 100%); writes the position into byte 3");
    EXPECT_EQ(f.Option1[1]->toolTip(), "Motor voltage: 36 V; writes 135 into byte 2");
    EXPECT_EQ(f.Text4->toolTip(), "Peak current: 1 to 50 A; writes the number into byte 1");
}

TEST_F(Form1BenchTest, TheHistoryKeepsWhatWasReadAndStoredAndNeverStandsInTheWay) {
    const auto firstTime = [] {
        return HistoryTime{"20261207-142033-100", "2026-12-07T14:20:33+0000"};
    };
    History history(Path("history"), "vt350-config", firstTime);
    platform = std::make_unique<VirtualHidPlatform>(controller, true);
    // What goes on to a shared record: called off the window's thread once an entry is kept.
    std::atomic<std::size_t> sentOn{0};
    form = std::make_unique<Form1>(
        Form1Services{dialogs, *platform, *platform, tone, autosave, &history, "",
                      [&sentOn](History& kept) { sentOn = kept.Entries().size(); }});
    Form1& f = *form;
    f.Load();
    f.show();
    Press(f.Command5);
    f.PollTick();
    Press(f.Command5);  // the same set again: one entry
    f.PollTick();
    // Kept off the window's thread: there within a moment.
    const auto kept = [&](std::size_t n) {
        return QTest::qWaitFor([&] { return history.Entries().size() == n; }, 20000);
    };
    ASSERT_TRUE(kept(1));
    EXPECT_TRUE(QTest::qWaitFor([&] { return sentOn == 1; }, 20000)) << "the entry went on";
    EXPECT_EQ(history.Entries()[0].event, "read");
    EXPECT_EQ(*history.Entries()[0].set, VirtualController::FactoryRecord());
    dialogs.answers = {false};
    Press(f.Command1);
    f.PollTick();
    EXPECT_EQ(history.Entries().size(), 1u) << "a cancelled store keeps nothing";
    QTest::mouseClick(f.Option1[2], Qt::LeftButton);
    dialogs.answers = {true};
    Press(f.Command1);
    f.PollTick();
    ASSERT_TRUE(kept(2));
    EXPECT_EQ(history.Entries()[0].event, "stored");
    EXPECT_EQ(history.Entries()[0].set->Get(ConfigRecord::kVoltageCode), 176);
    // Another program on the same controller (every program holding it open sees every
    // answer): its store and its read are shown, never kept as the window's own.
    const HidHandle shell = platform->OpenWrite(VirtualHidPlatform::kPath).handle;
    CommandReport theirs;
    theirs.BuildStoreReport(RecordOf({25, 45, 135, 100, 30, 1, 0, 0, 1, 0, 128}));
    platform->Write(shell, theirs.data());
    f.PollTick();
    EXPECT_EQ(f.Label16->text(), "Stored by another program");
    theirs.BuildBareCommand(CommandReport::kGetConfig);
    platform->Write(shell, theirs.data());
    f.PollTick();
    EXPECT_EQ(f.record().Get(0), 25) << "their answer is on the screen";
    EXPECT_EQ(f.Label16->text(), "Stored by another program") << "their read-back says no less";
    platform->Close(shell);
    EXPECT_EQ(history.Entries().size(), 2u) << "but not in the window's history";
    // A history that cannot be written: the store goes on as before.
    PutFileBytes(Path("blocked"), "x");
    const auto laterTime = [] {
        return HistoryTime{"20261207-142034-100", "2026-12-07T14:20:34+0000"};
    };
    History blocked(Path("blocked") + "/history", "vt350-config", laterTime);
    form.reset();
    form = std::make_unique<Form1>(
        Form1Services{dialogs, *platform, *platform, tone, autosave, &blocked, ""});
    form->Load();
    dialogs.answers = {true};
    testing::internal::CaptureStderr();
    Press(form->Command1);
    form->PollTick();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(form->Label16->text(), "Load Success");
    form.reset();  // before the history it keeps
}
