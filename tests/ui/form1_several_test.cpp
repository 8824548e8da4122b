// The window at a bench of three controllers of one make (one serial): it stays with its
// own through the others' comings and goings, never moves to another by itself, names its
// controller in the title and the store question, and lets the person choose and switch.
#include <QMessageBox>
#include <QTimer>

#include <string>
#include <vector>

#include "form1_bench_fixture.h"
#include "ui/controller_chooser.h"
#include "ui/held_keys.h"
#include "ui/qt_user_dialogs.h"

TEST_F(Form1SeveralTest, OthersComingAndGoingLeaveTheWindowWithItsOwn) {
    Form1& f = Start("demo-2");
    EXPECT_EQ(f.chooser(), nullptr) << "a port named at start is the person's choice";
    EXPECT_EQ(Read(), 21);
    EXPECT_NE(Title().find("port demo-2, serial 0001"), std::string::npos) << Title();
    // The others are pulled and plugged back in; between each step the window reads and
    // stores, and each goes to demo-2.
    for (std::size_t unit : {0u, 2u}) {
        platform->UnplugUnit(unit);
        f.PollTick();
        EXPECT_EQ(Read(), 21) << "after unit " << unit << " was pulled";
        platform->PlugUnit(unit);
        f.PollTick();
        EXPECT_EQ(Read(), 21) << "after unit " << unit << " came back";
    }
    f.Text1->setText("30");
    Store();
    EXPECT_EQ(f.Label16->text(), "Load Success");
    EXPECT_EQ(StoredCurrents(second), std::vector<int>{30});
    EXPECT_TRUE(StoredCurrents(controller).empty());
    EXPECT_TRUE(StoredCurrents(third).empty());
    EXPECT_TRUE(dialogs.errors.empty()) << dialogs.errors.front();
}

TEST_F(Form1SeveralTest, ItsOwnLeavingNeverMovesItAndItsPortTakesTheNextPlugIn) {
    Form1& f = Start("demo-2");
    EXPECT_EQ(Read(), 21);
    QTest::mouseClick(f.Option1[2], Qt::LeftButton);  // 48 V, the person's change
    f.Text1->setFocus();
    // Pulled: the window says so in the status line and the title, and waits; no list
    // takes the focus or the next Enter.
    platform->UnplugUnit(1);
    f.PollTick();
    EXPECT_EQ(f.Label16->text(), "Unplugged (Ctrl+D: another controller)");
    EXPECT_NE(Title().find("port demo-2, unplugged"), std::string::npos) << Title();
    EXPECT_EQ(f.chooser(), nullptr) << "nothing opens by itself";
    EXPECT_EQ(QApplication::focusWidget(), f.Text1);
    // A click on the status line lists the others, none of them chosen: Return takes none.
    QTest::mouseClick(f.Label16, Qt::LeftButton);
    ChooseByKeys({Qt::Key_Return});
    ASSERT_NE(f.chooser(), nullptr) << "Return with no line chosen takes nothing";
    EXPECT_EQ(f.chooser()->places(), (std::vector<std::string>{"demo-1", "demo-3"}));
    f.chooser()->reject();
    Store();
    EXPECT_EQ(f.Label16->text(), "No controller");
    EXPECT_EQ(dialogs.questionDetails.back(),
              "No controller is linked to this window: OK sends nothing.");
    EXPECT_TRUE(StoredCurrents(controller).empty());
    EXPECT_TRUE(StoredCurrents(third).empty());
    // Another unit seated in its port: a new plug-in, taken and said; nothing read from it
    // yet. Its interface comes some searches after its arrival, as on Windows.
    second.stored.Set(0, 9);
    second.serial = "0002";
    platform->interfaceLag = 3;
    platform->PlugUnit(1);
    for (int i = 0; i < 5; ++i) f.PollTick();
    EXPECT_EQ(f.Label16->text(), "Another unit (serial 0002): nothing read yet");
    dialogs.answers = {false};
    Press(f.Command1);
    EXPECT_EQ(dialogs.questionDetails.back(),
              "Controller: port demo-2, serial 0002\nThe set in the editors was read from the "
              "controller plugged into this port before.\nNothing has been read from this "
              "controller since it was plugged in: what it holds is not known. GetConfig shows "
              "it.");
    dialogs.answers = {false, true};
    EXPECT_EQ(Read(), -1) << "GetConfig over the changes not stored asks, Cancel keeps them";
    EXPECT_TRUE(f.Option1[2]->isChecked());
    EXPECT_EQ(Read(), 9);
}

TEST_F(Form1SeveralTest, ASwitchShowsTheChosenControllersSetAndKeepsTheChangesLeftBehind) {
    Form1& f = Start();
    // Several at start: the window works with the first and asks which one.
    ASSERT_NE(f.chooser(), nullptr);
    EXPECT_EQ(f.chooser()->places(), (std::vector<std::string>{"demo-1", "demo-2", "demo-3"}));
    ChooseByKeys({Qt::Key_Down, Qt::Key_Return});
    EXPECT_EQ(f.chooser(), nullptr);
    EXPECT_NE(Title().find("port demo-2"), std::string::npos) << Title();
    // Read at once: the editors never show demo-1's set under demo-2's name.
    EXPECT_EQ(f.Label16->text(), "Reading the set of port demo-2, serial 0001...");
    f.PollTick();
    EXPECT_EQ(f.Text1->text(), "21");
    EXPECT_EQ(f.Label16->text(), "The editors show the set of port demo-2, serial 0001");
    // Changed for demo-2, then switched with Ctrl+D from the text box, whose own Ctrl+D
    // deletes a character: demo-3's set comes, the change waits.
    Type(f.Text1, "25");
    QTest::keyClick(f.Text1, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(f.Text1->text(), "25");
    ChooseByKeys({Qt::Key_Down, Qt::Key_Return});
    EXPECT_NE(Title().find("port demo-3"), std::string::npos) << Title();
    f.PollTick();
    EXPECT_EQ(f.Text1->text(), "22");
    dialogs.answers = {false};
    Press(f.Command1);
    EXPECT_EQ(dialogs.questionDetails.back(),
              "Controller: port demo-3, serial 0001\nThe set is the one last read from the "
              "controller.");
    // Back to demo-2: the change is back, without a read, and the question compares with
    // demo-2's own last read.
    const auto asked = second.received.size();
    QTest::keyClick(f.Command1, Qt::Key_D, Qt::ControlModifier);
    ChooseByKeys({Qt::Key_Up, Qt::Key_Return});
    EXPECT_EQ(f.Text1->text(), "25");
    EXPECT_EQ(f.Label16->text(),
              "Your changes for port demo-2, serial 0001, not stored yet, are back in the "
              "editors");
    EXPECT_EQ(second.received.size(), asked);
    dialogs.answers = {false};
    Press(f.Command1);
    EXPECT_EQ(dialogs.questionDetails.back(),
              "Controller: port demo-2, serial 0001\nChanges to the set last read from the "
              "controller:\nContinuous current 21 A \u2192 25 A");
}

TEST_F(Form1SeveralTest, RepliesTheWindowDidNotAskForDoNotPoseAsItsOwn) {
    Form1& f = Start("demo-1");
    EXPECT_EQ(Read(), 15);
    const HidHandle shell = platform->OpenWrite(platform->PathOf(0)).handle;
    CommandReport theirs;
    // Another program reads while the person has changed the editors: they stay.
    f.Text1->setText("18");
    theirs.BuildBareCommand(CommandReport::kGetConfig);
    platform->Write(shell, theirs.data());
    f.PollTick();
    EXPECT_EQ(f.Label16->text(), "Read by another program; your changes stay in the editors");
    EXPECT_EQ(f.Text1->text(), "18");
    // Another program stores: said as such, and the question knows.
    theirs.BuildStoreReport(RecordOf({25, 45, 135, 100, 30, 1, 0, 0, 1, 0, 128}));
    platform->Write(shell, theirs.data());
    f.PollTick();
    EXPECT_EQ(f.Label16->text(), "Stored by another program");
    dialogs.answers = {false};
    Press(f.Command1);
    EXPECT_NE(dialogs.questionDetails.back().find("Another program changed this controller's "
                                                  "set since the window last read it"),
              std::string::npos)
        << dialogs.questionDetails.back();
    platform->Close(shell);
}

namespace {

// A key as the display server sends it: with its scan code and the server's time.
void SendServerKey(QWidget* to, QEvent::Type type, Qt::Key key, unsigned long time,
                   bool flagged = false, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent event(type, key, modifiers, 36, 0, 0, QString(), flagged);
    event.setTimestamp(time);
    QApplication::sendEvent(to, &event);
}

}  // namespace

TEST_F(Form1SeveralTest, AHeldKeyNeverConfirmsTheQuestionNorAsksItAgain) {
    QtUserDialogs real;
    bool stillOpen = false;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        QWidget* focus = box->focusWidget() != nullptr ? box->focusWidget() : box;
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Enter}) {
            // Repeats flagged as such, and X11's release-and-press pairs that come too late
            // to be flagged.
            SendServerKey(focus, QEvent::KeyPress, key, 1000, true);
            SendServerKey(focus, QEvent::KeyRelease, key, 1040);
            SendServerKey(focus, QEvent::KeyPress, key, 1040);
        }
        // A new press the moment the box appears is a key meant for the window below.
        QTest::keyClick(focus, Qt::Key_Return);
        stillOpen = box->isVisible();
        ASSERT_TRUE(QTest::qWaitFor([&] { return KeysSettled(box); }, 10000));
        SendServerKey(focus, QEvent::KeyRelease, Qt::Key_Return, 1400);
        SendServerKey(focus, QEvent::KeyPress, Qt::Key_Return, 1900);  // a new press answers
    });
    EXPECT_TRUE(real.AskOkCancel("Would you decide to store or save?", ""));
    EXPECT_TRUE(stillOpen);
    // In the window: Enter in a box asks once; confirmed by that key, which stays down, it
    // asks nothing more until it was released.
    Form1& f = Start("demo-2");
    EXPECT_EQ(Read(), 21);
    f.Text1->setFocus();
    dialogs.answers = {true, false};
    SendServerKey(f.Text1, QEvent::KeyPress, Qt::Key_Return, 5000);
    ASSERT_EQ(dialogs.questions.size(), 1u);
    QTest::keyPress(f.Command1, Qt::Key_Return);  // no release seen since the store
    SendServerKey(f.Command1, QEvent::KeyRelease, Qt::Key_Return, 5660);
    SendServerKey(f.Command1, QEvent::KeyPress, Qt::Key_Return, 5660);
    EXPECT_EQ(dialogs.questions.size(), 1u);
    SendServerKey(f.Command1, QEvent::KeyRelease, Qt::Key_Return, 6200);
    SendServerKey(f.Command1, QEvent::KeyPress, Qt::Key_Return, 6500);
    EXPECT_EQ(dialogs.questions.size(), 2u) << "a new press asks again";
    f.PollTick();
    EXPECT_EQ(StoredCurrents(second).size(), 1u);
}

// The list of controllers: an Enter held from before it appeared, its repeats and X11's late
// release-and-press pairs, takes no line; a new press does. A held Ctrl+B asks for the unit
// once.
TEST_F(Form1SeveralTest, AHeldKeyNeverTakesAControllerAndAWindowKeyActsOnce) {
    Form1& f = Start();
    ASSERT_NE(f.chooser(), nullptr);
    ChooseByKeys({Qt::Key_Down});
    QWidget* list = QApplication::focusWidget();
    SendServerKey(list, QEvent::KeyPress, Qt::Key_Return, 1000, true);
    SendServerKey(list, QEvent::KeyRelease, Qt::Key_Return, 1040);
    SendServerKey(list, QEvent::KeyPress, Qt::Key_Return, 1040);
    ASSERT_NE(f.chooser(), nullptr) << "a held Enter took a controller";
    SendServerKey(list, QEvent::KeyRelease, Qt::Key_Return, 1400);
    SendServerKey(list, QEvent::KeyPress, Qt::Key_Return, 1900);
    EXPECT_EQ(f.chooser(), nullptr);
    EXPECT_NE(Title().find("port demo-2"), std::string::npos) << Title();

    dialogs.fileNames = {"BIKE-1", "BIKE-2", "BIKE-3"};
    f.Text1->setFocus();
    SendServerKey(f.Text1, QEvent::KeyPress, Qt::Key_B, 3000, false, Qt::ControlModifier);
    SendServerKey(f.Text1, QEvent::KeyPress, Qt::Key_B, 3500, true, Qt::ControlModifier);
    SendServerKey(f.Text1, QEvent::KeyRelease, Qt::Key_B, 3540, false, Qt::ControlModifier);
    SendServerKey(f.Text1, QEvent::KeyPress, Qt::Key_B, 3540, false, Qt::ControlModifier);
    EXPECT_EQ(dialogs.textLabels.size(), 1u);
    EXPECT_NE(Title().find("unit BIKE-1"), std::string::npos) << Title();
}

TEST_F(Form1SeveralTest, APortWithNothingInItSaysWhereTheControllersAre) {
    Form1& f = Start("demo-9");
    EXPECT_EQ(dialogs.notes,
              std::vector<std::string>{"No controller is plugged into port demo-9. Controllers "
                                       "are plugged into demo-1, demo-2, demo-3; Ctrl+D chooses "
                                       "one."});
    EXPECT_NE(Title().find("port demo-9, unplugged"), std::string::npos) << Title();
    EXPECT_EQ(Read(), -1);
    EXPECT_EQ(f.Label16->text(), "No controller");
}

TEST_F(Form1SeveralTest, AControllerWhoseArrivalsAreNotRecognisedIsSaidOnceAndFollowed) {
    third.serial =
        "\x1b]0;OK\x07"
        "0007";  // and one that would retitle a terminal
    Form1& f = Start("demo-3");
    EXPECT_EQ(Read(), 22);
    ASSERT_EQ(dialogs.notes.size(), 1u);
    EXPECT_NE(dialogs.notes[0].find("has serial \\x1b]0;OK\\x070007"), std::string::npos)
        << dialogs.notes[0];
    EXPECT_NE(Title().find("serial \\x1b]0;OK\\x070007"), std::string::npos) << Title();
    // Replugged: its records match no key, yet the window follows it.
    platform->UnplugUnit(2);
    f.PollTick();
    EXPECT_EQ(Read(), -1);
    third.stored.Set(0, 23);
    platform->PlugUnit(2);
    f.PollTick();
    EXPECT_EQ(Read(), 23);
    EXPECT_TRUE(dialogs.errors.empty()) << dialogs.errors.front();
    EXPECT_EQ(dialogs.notes.size(), 1u) << "said once";
}

// A controller whose system gives no serial has nothing to recognise it by: it is not said to
// be unrecognised.
TEST_F(Form1SeveralTest, AControllerWithoutASerialIsNotCalledUnrecognised) {
    third.serial = "";
    Start("demo-3");
    EXPECT_EQ(Read(), 22);
    EXPECT_TRUE(dialogs.notes.empty()) << dialogs.notes.front();
}
