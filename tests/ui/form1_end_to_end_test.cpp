// The whole tool against the virtual controller: buttons, poll ticks, status line, files,
// start and end.
#include <QApplication>
#include <QTest>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "config/config_file.h"
#include "config/os_error.h"
#include "config/parameter_view.h"

#include "form1_fixture.h"
#include "forwarding_hid_platform.h"

namespace {

using Wire = std::array<std::uint8_t, 15>;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

TEST_F(Form1Test, GetConfigFillsEveryEditor) {
    Form1& f = MakeLoaded();
    Press(f.Command5);
    EXPECT_EQ(controller.received.back(), (Wire{0, 2, 4, 4}));
    EXPECT_TRUE(f.Command5->isEnabled());
    f.PollTick();
    EXPECT_EQ(f.record(), VirtualController::FactoryRecord());
    EXPECT_EQ(f.Text1->text(), "15");
    EXPECT_EQ(f.Text4->text(), "30");
    EXPECT_TRUE(f.Option1[1]->isChecked());
    EXPECT_TRUE(f.Option2[1]->isChecked());
    EXPECT_TRUE(f.Option3[1]->isChecked());
    EXPECT_TRUE(f.Option4[1]->isChecked());
    EXPECT_TRUE(f.Option5[0]->isChecked());
    EXPECT_TRUE(f.Option6[0]->isChecked());
    EXPECT_TRUE(f.Option7[0]->isChecked());
    EXPECT_EQ(f.HScroll1->value(), 256);
    EXPECT_EQ(f.HScroll2->value(), 128);
    EXPECT_EQ(f.HScroll3->value(), 110);
    EXPECT_EQ(f.Label16->text(), "GetConfig Success");
    EXPECT_EQ(tone.beeps, std::vector<std::string>{"3900/150"});
    EXPECT_EQ(f.Timer1->interval(), 200);
    EXPECT_EQ(f.inputBuffer().Bytes(), (std::array<std::uint8_t, 19>{}));
}

TEST_F(Form1Test, StoreSendsTheRecordWithCheckBytes) {
    Form1& f = MakeLoaded();
    f.record() = VirtualController::FactoryRecord();
    f.record().Set(0, 25);
    f.record().Set(12, 0x77);
    dialogs.answers = {true};
    Press(f.Command1);
    EXPECT_EQ(dialogs.questions, std::vector<std::string>{"Would you decide to store or save?"});
    EXPECT_EQ(controller.received.back(),
              (Wire{0, 1, 25, 30, 135, 110, 25, 1, 0, 0, 1, 0, 128,
                    static_cast<std::uint8_t>(1 ^ 25 ^ 30 ^ 135 ^ 110 ^ 25),
                    static_cast<std::uint8_t>(1 ^ 0 ^ 0 ^ 1 ^ 0 ^ 128)}));
    f.PollTick();
    EXPECT_EQ(f.Label16->text(), "Load Success");
    EXPECT_EQ(controller.stored.Get(0), 25);
    // The next bare command carries the store report's tail.
    Press(f.Command3);
    Wire expected = controller.received[controller.received.size() - 2];
    expected[1] = 2;
    expected[2] = expected[3] = 1;
    EXPECT_EQ(controller.received.back(), expected);
}

TEST_F(Form1Test, CancelAtTheStoreQuestionWritesNothing) {
    Form1& f = MakeLoaded();
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    dialogs.answers = {false};
    Press(f.Command1);
    EXPECT_TRUE(controller.received.empty());
    EXPECT_TRUE(f.Command1->isEnabled());
    EXPECT_TRUE(f.Command1->hasFocus());
    // The cancelled store report still fills the buffer that bare commands go out in.
    EXPECT_EQ(f.outputBuffer().Bytes()[1], 1);
}

TEST_F(Form1Test, ErrorReplyBlinksUntilAnAcknowledgement) {
    Form1& f = MakeLoaded();
    f.show();
    controller.behaviour.errorReplies = true;
    Press(f.Command5);
    f.PollTick();
    EXPECT_EQ(f.Label16->text(), "GetConfig Error");
    EXPECT_TRUE(f.Timer2->isActive());
    f.BlinkTick();
    EXPECT_FALSE(f.Label16->isVisible());
    // A store the controller refuses blinks too.
    f.record() = VirtualController::FactoryRecord();
    f.RefreshControls();
    f.Timer2->stop();
    f.Label16->setVisible(true);
    dialogs.answers = {true};
    Press(f.Command1);
    f.PollTick();
    EXPECT_EQ(f.Label16->text(), "Load Error");
    EXPECT_TRUE(f.Timer2->isActive());
    controller.behaviour.errorReplies = false;
    Press(f.Command3);
    f.PollTick();
    EXPECT_EQ(f.Label16->text(), "Connect Success");
    EXPECT_FALSE(f.Timer2->isActive());
    EXPECT_TRUE(f.Label16->isVisible());
    EXPECT_EQ(tone.beeps, (std::vector<std::string>{"3000/200", "3000/200", "2000/250"}));
}

TEST_F(Form1Test, BadCheckBytesChangeNothingAndClearTheBuffer) {
    Form1& f = MakeLoaded();
    f.record().Set(0, 7);
    controller.behaviour.badCheckBytes = true;
    Press(f.Command5);
    f.PollTick();
    EXPECT_EQ(f.record().Get(0), 7);
    EXPECT_TRUE(f.Label16->text().isEmpty());
    EXPECT_TRUE(tone.beeps.empty());
    EXPECT_EQ(f.inputBuffer().Bytes(), (std::array<std::uint8_t, 19>{}));
}

TEST_F(Form1Test, UnplugAndReplug) {
    Form1& f = MakeLoaded();
    ASSERT_NE(f.link().readHandle(), -1);
    platform->Unplug();
    EXPECT_FALSE(f.link().present());
    Press(f.Command3);
    EXPECT_TRUE(controller.received.empty());
    EXPECT_TRUE(dialogs.errors.empty());
    f.PollTick();
    EXPECT_EQ(f.link().readHandle(), -1);
    EXPECT_EQ(f.link().writeHandle(), -1);
    EXPECT_EQ(platform->openHandles(), 0);
    platform->Plug();
    f.PollTick();
    EXPECT_NE(f.link().readHandle(), -1);
    Press(f.Command3);
    EXPECT_EQ(controller.received.size(), 1u);
}

TEST_F(Form1Test, StartWithoutTheControllerIsQuietUntilItArrives) {
    Form1& f = MakeLoaded(false);
    for (int i = 0; i < 3; ++i) f.PollTick();
    Press(f.Command3);
    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_TRUE(controller.received.empty());
    platform->Plug();
    f.PollTick();
    Press(f.Command3);
    EXPECT_EQ(controller.received.size(), 1u);
}

TEST_F(Form1Test, FailedWritesAreReportedPerPress) {
    Form1& f = MakeLoaded();
    f.record() = VirtualController::FactoryRecord();
    controller.behaviour.failWrites = true;
    Press(f.Command4);
    dialogs.answers = {true};
    Press(f.Command1);
    EXPECT_EQ(dialogs.errors, (std::vector<std::string>{"Send Command Error", "Send Data Error"}));
    EXPECT_TRUE(f.Command4->isEnabled());
    EXPECT_TRUE(f.Command1->isEnabled());
}

TEST_F(Form1Test, TicksWaitWhileAMessageOfAnEarlierTickIsOpen) {
    // A controller that cannot be opened raises a message inside the tick; the ticks that
    // fall while that box is open must not run.
    controller.behaviour.refuseOpens = true;
    Form1& f = MakeLoaded(false);
    int searchesWhileOpen = -1;
    dialogs.onError = [&] {
        const int before = platform->enumerateCount;
        f.PollTick();
        f.PollTick();
        searchesWhileOpen = platform->enumerateCount - before;
    };
    platform->Plug();
    f.PollTick();
    EXPECT_EQ(dialogs.errors, std::vector<std::string>{"Could not open HID device"});
    EXPECT_EQ(searchesWhileOpen, 0);
    f.PollTick();
    EXPECT_EQ(dialogs.errors.size(), 1u) << "reported once per arrival";
}

TEST_F(Form1Test, ExitWritesTheAutosaveAndTheNextStartRestoresIt) {
    std::uint8_t bytes[15] = {20, 40, 176, 55, 30, 0, 1, 1, 0x81, 64, 32, 0xA1, 0xB2, 0xC3, 0xD4};
    {
        Form1& f = MakeLoaded(false);
        f.record().ReplaceAll(bytes);
        Press(f.Command2);  // Exit
    }
    EXPECT_EQ(ReadFile(autosave), std::string(reinterpret_cast<char*>(bytes), 15));
    form.reset();
    Form1& next = MakeLoaded(false);
    EXPECT_EQ(std::vector<std::uint8_t>(next.record().Bytes().begin(), next.record().Bytes().end()),
              std::vector<std::uint8_t>(bytes, bytes + 15));
    EXPECT_EQ(next.Text1->text(), "20");
    EXPECT_TRUE(next.Option1[2]->isChecked());
    EXPECT_EQ(next.HScroll1->value(), 64);
}

// Exit keeps the set the window had, changed or not, but never the blank set of a first
// start that met no file, reply or edit: every later start would name its zeros as errors.
TEST_F(Form1Test, ExitKeepsTheSetItHadButNeverABlankOneFromNowhere) {
    MakeLoaded(false).close();
    EXPECT_FALSE(std::filesystem::exists(autosave));
    form.reset();
    MakeLoaded(false);
    EXPECT_TRUE(dialogs.errors.empty()) << dialogs.errors.front();
    form.reset();
    ASSERT_TRUE(SaveRecord(autosave, VirtualController::FactoryRecord()).ok());
    Form1& f = MakeLoaded(false);
    std::filesystem::remove(autosave);
    f.close();
    EXPECT_EQ(ReadFile(autosave).size(), 15u) << "written back though nothing changed";
}

TEST_F(Form1Test, AShortOrUnreadableAutosaveDoesNotStopTheStart) {
    std::ofstream(autosave, std::ios::binary) << "\x05\x06";
    Form1& f = MakeLoaded(false);
    EXPECT_EQ(f.record().Get(0), 5);
    EXPECT_EQ(f.record().Get(1), 6);
    EXPECT_TRUE(dialogs.errors.empty());
    form.reset();
    std::filesystem::remove(autosave);
    std::filesystem::create_directory(autosave);  // a folder where the file should be
    dialogs.errors.clear();
    MakeLoaded(false);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_NE(dialogs.errors[0].find("Data.qkf"), std::string::npos);
    form.reset();  // nothing changed: what could not be read is not replaced
    EXPECT_EQ(dialogs.errors.size(), 1u);
}

// A kept set with values no editor shows: one message naming each of them, once the window
// is on the screen (not the current box's own check, alone, before the window).
TEST_F(Form1Test, AnOddKeptSetIsNamedWholeOnceTheWindowShows) {
    const std::uint8_t kept[15] = {45, 30, 100, 110, 25, 1, 0, 0, 1, 0, 128};
    std::ofstream(autosave, std::ios::binary).write(reinterpret_cast<const char*>(kept), 15);
    Form1& f = MakeLoaded();
    bool shownFirst = false;
    dialogs.onError = [&] { shownFirst = f.isVisible(); };
    EXPECT_TRUE(dialogs.errors.empty()) << "nothing before the window shows";
    f.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialogs.errors.empty(); }, 20000));
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_TRUE(shownFirst);
    EXPECT_NE(dialogs.errors[0].find("Continuous current"), std::string::npos) << dialogs.errors[0];
    EXPECT_NE(dialogs.errors[0].find("Motor voltage"), std::string::npos) << dialogs.errors[0];
}

TEST_F(Form1Test, SaveAsThenOpenRoundTripsAll15Bytes) {
    Form1& f = MakeLoaded(false);
    std::uint8_t bytes[15] = {11, 22, 85, 33, 20, 1, 1, 0, 0x80, 5, 6, 7, 8, 9, 10};
    f.record().ReplaceAll(bytes);
    const std::string path = Path("set.qkf");
    dialogs.fileNames = {path};
    Press(f.Command8);
    EXPECT_EQ(dialogs.titles, std::vector<std::string>{"Save As"});
    EXPECT_TRUE(dialogs.questions.empty()) << "a new file needs no question";
    f.record() = ConfigRecord{};
    dialogs.fileNames = {path};
    Press(f.Command7);
    EXPECT_EQ(dialogs.titles.back(), "Open");
    EXPECT_EQ(std::vector<std::uint8_t>(f.record().Bytes().begin(), f.record().Bytes().end()),
              std::vector<std::uint8_t>(bytes, bytes + 15));
    EXPECT_EQ(f.Text1->text(), "11");
}

TEST_F(Form1Test, SaveAsOverAnExistingFileAsksFirst) {
    Form1& f = MakeLoaded(false);
    const std::string path = Path("long.qkf");
    std::ofstream(path, std::ios::binary) << std::string(20, 'z');
    dialogs.fileNames = {path};
    dialogs.answers = {false};
    Press(f.Command8);
    EXPECT_EQ(dialogs.questions,
              std::vector<std::string>{"The file already exists. Would you overwrite it?"});
    EXPECT_EQ(ReadFile(path), std::string(20, 'z'));
    dialogs.fileNames = {path};
    dialogs.answers = {true};
    Press(f.Command8);
    const std::string written = ReadFile(path);
    EXPECT_EQ(written.size(), 20u);
    EXPECT_EQ(written.substr(15), "zzzzz");
    EXPECT_EQ(written[0], 1) << "the record as refreshed at load: an empty current is 1";
}

TEST_F(Form1Test, OpenRefusesShortFilesAndIgnoresCancelAndMissingNames) {
    Form1& f = MakeLoaded(false);
    f.record().Set(0, 9);
    dialogs.fileNames = {std::nullopt, Path("missing.qkf")};
    Press(f.Command7);
    Press(f.Command7);
    EXPECT_TRUE(dialogs.errors.empty());
    const std::string path = Path("short.qkf");
    std::ofstream(path, std::ios::binary) << "\x01\x02\x03";
    dialogs.fileNames = {path};
    Press(f.Command7);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_NE(dialogs.errors[0].find("short.qkf"), std::string::npos);
    EXPECT_EQ(f.record().Get(0), 9);
}

TEST_F(Form1Test, SaveAsCancelledWritesNothing) {
    Form1& f = MakeLoaded(false);
    dialogs.fileNames = {std::nullopt};
    Press(f.Command8);
    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 0);
}

TEST_F(Form1Test, FailedNotificationRegistrationIsReported) {
    NoDeviceChanges refusing;
    refusing.registers = false;
    platform = std::make_unique<VirtualHidPlatform>(controller, true);
    form = std::make_unique<Form1>(
        Form1Services{dialogs, *platform, refusing, tone, autosave, nullptr, ""});
    form->Load();
    EXPECT_EQ(dialogs.errors, std::vector<std::string>{"RegisterDeviceNotification failed"});
    EXPECT_NE(form->link().readHandle(), -1) << "the load goes on";
    form.reset();  // before `refusing` goes
}

TEST_F(Form1Test, TimersDriveThePollWhenTheEventLoopRuns) {
    Form1& f = MakeLoaded();
    Press(f.Command5);
    // Only the window's own timers can read the answer here: nothing else ticks the poll.
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.Label16->text() == "GetConfig Success"; }, 20000))
        << f.Label16->text().toStdString();
    EXPECT_EQ(f.Timer1->interval(), 200);
}

// Every button, pressed twice on the shown window, does its own job each time: a pair of
// swapped handlers, a button left unwired or left disabled after its first press fails here.
TEST_F(Form1Test, EachButtonDoesItsOwnJobEveryTime) {
    Form1& f = MakeLoaded();
    f.record() = VirtualController::FactoryRecord();
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    const std::pair<QPushButton*, std::uint8_t> bare[] = {
        {f.Command3, 1}, {f.Command4, 2}, {f.Command5, 4}, {f.Command6, 3}};
    dialogs.answers = {true, true};  // GetConfig drops the set put into the editors
    for (const auto& [button, code] : bare) {
        for (int press = 0; press < 2; ++press) {
            controller.received.clear();
            Press(button);
            ASSERT_EQ(controller.received.size(), 1u) << button->objectName().toStdString();
            EXPECT_EQ(controller.received.back(), (Wire{0, 2, code, code}))
                << button->objectName().toStdString() << " press " << press;
            EXPECT_TRUE(button->isEnabled());
        }
    }
    for (int press = 0; press < 2; ++press) {
        controller.received.clear();
        dialogs.answers = {true};
        Press(f.Command1);
        ASSERT_EQ(controller.received.size(), 1u) << "Store/Save press " << press;
        EXPECT_EQ(controller.received.back()[1], 1);
    }
    Press(f.Command7);
    Press(f.Command8);
    EXPECT_EQ(dialogs.titles, (std::vector<std::string>{"Open", "Save As"}));
    Press(f.Command2);
    EXPECT_FALSE(f.isVisible()) << "Exit closes the window";
}

// The editors and the command line read one parameter table: the limits an editor takes
// are the limits the JSON form takes, for every setting typed or chosen in the window.
TEST_F(Form1Test, EditorsAndTheJsonFormFollowTheParameterTable) {
    Form1& f = MakeLoaded();
    f.show();
    Press(f.Command5);
    f.PollTick();
    ASSERT_EQ(f.record(), VirtualController::FactoryRecord());
    for (auto [box, id] : {std::pair{f.Text1, ParameterId::kContinuousCurrent},
                           std::pair{f.Text4, ParameterId::kPeakCurrent}}) {
        const ParameterRow& param = Parameter(id);
        box->clear();
        QTest::keyClicks(box, QString::number(param.high));
        EXPECT_EQ(f.record().Get(param.byte), param.high) << param.label;
        EXPECT_TRUE(dialogs.errors.empty());
        ConfigRecord imported;
        std::vector<std::string> errors;
        EXPECT_TRUE(RecordFromJson(RecordToJson(f.record()), imported, errors)) << param.label;
        QTest::keyClick(box, Qt::Key_End);
        QTest::keyClicks(box, "0");  // ten times the limit
        EXPECT_EQ(dialogs.errors.size(), 1u) << param.label << " above its limit";
        dialogs.errors.clear();
        ConfigRecord over = f.record();
        over.Set(param.byte, static_cast<std::uint8_t>(param.high + 1));
        EXPECT_FALSE(RecordFromJson(RecordToJson(over), imported, errors)) << param.label;
    }
    const std::pair<std::vector<QRadioButton*>, ParameterId> groups[] = {
        {{f.Option1.begin(), f.Option1.end()}, ParameterId::kMotorVoltage},
        {{f.Option2.begin(), f.Option2.end()}, ParameterId::kPasLevel},
        {{f.Option3.begin(), f.Option3.end()}, ParameterId::kPasDirection},
        {{f.Option5.begin(), f.Option5.end()}, ParameterId::kMotorType},
        {{f.Option6.begin(), f.Option6.end()}, ParameterId::kReversion}};
    for (const auto& [group, id] : groups) {
        const ParameterRow& param = Parameter(id);
        ASSERT_EQ(group.size(), param.choices.size());
        for (std::size_t i = 0; i < group.size(); ++i) {
            QTest::mouseClick(group[i], Qt::LeftButton);
            EXPECT_EQ(ChoiceIndex(param, f.record()), static_cast<int>(i)) << param.label;
            EXPECT_NE(DescribeRecord(f.record()).find(param.choices[i].text), std::string::npos);
        }
    }
}

// Arrival and removal lost in an overflowing event queue: the window looks at what is
// present and recovers by itself, without another unplug.
TEST_F(Form1Test, LostDeviceEventsAreMadeGoodByLookingAgain) {
    Form1& f = MakeLoaded();
    ASSERT_NE(f.link().readHandle(), -1);
    platform->Unplug(false);
    platform->Plug(false);
    Press(f.Command5);
    EXPECT_EQ(dialogs.errors, std::vector<std::string>{"Send Command Error"})
        << "the handle still points at the node that went away";
    dialogs.errors.clear();
    platform->LoseEvents();
    f.PollTick();
    controller.received.clear();
    Press(f.Command5);
    f.PollTick();
    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_EQ(controller.received.size(), 1u);
    EXPECT_EQ(f.Label16->text(), "GetConfig Success");
    // Lost while away: the flag falls and the link stays closed.
    platform->Unplug(false);
    platform->LoseEvents();
    EXPECT_FALSE(f.link().present());
    f.PollTick();
    EXPECT_EQ(f.link().readHandle(), -1);
}

namespace {

// The store reports a controller received, by their parameters (bytes 2 to 12).
std::vector<ConfigRecord> StoresReceived(const VirtualController& c) {
    std::vector<ConfigRecord> stores;
    for (const auto& report : c.received) {
        if (report[1] != 1) continue;
        std::uint8_t bytes[ConfigRecord::kSize] = {};
        std::copy(report.begin() + 2, report.begin() + 13, bytes);
        ConfigRecord r;
        r.ReplaceAll(bytes);
        stores.push_back(r);
    }
    return stores;
}

}  // namespace

// What the store question shows is what goes out, to the controller it names: a reply or
// another controller that comes while it is open stops the store, and says why.
TEST_F(Form1Test, TheStoreSendsTheSetItsQuestionShowedToTheControllerItNamed) {
    controller.behaviour.lateBy = 15;  // the answer comes while the person is being asked
    Form1& f = Make();
    VirtualController other;
    other.stored = RecordOf({25, 45, 176, 100, 30, 1, 0, 0, 1, 0, 128});
    platform->AddController(other, false);
    f.Load();
    f.record() = VirtualController::FactoryRecord();  // as a kept set would have it
    f.RefreshControls();
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    dialogs.answers = {true};                         // the kept set is not the person's
    Press(f.Command5);                                // GetConfig, answered late
    QTest::mouseClick(f.Option1[2], Qt::LeftButton);  // 48 V
    dialogs.onQuestion = [&] {
        for (int i = 0; i < 20; ++i) f.PollTick();
    };
    dialogs.answers = {true};
    Press(f.Command1);
    EXPECT_EQ(f.record().Get(ConfigRecord::kVoltageCode), 135) << "the reply's 36 V on screen";
    EXPECT_TRUE(StoresReceived(controller).empty()) << "nothing sent";
    ASSERT_EQ(dialogs.notes.size(), 1u);
    EXPECT_EQ(dialogs.notes[0],
              "The controller's set changed while you were asked; nothing was sent.");
    // Pressed again, the set on screen goes out, as the question listed it.
    controller.behaviour.lateBy = 0;
    dialogs.onQuestion = nullptr;
    QTest::mouseClick(f.Option1[2], Qt::LeftButton);
    dialogs.answers = {true};
    Press(f.Command1);
    EXPECT_NE(dialogs.questionDetails.back().find("Motor voltage 36 V \u2192 48 V"),
              std::string::npos)
        << dialogs.questionDetails.back();
    ASSERT_EQ(StoresReceived(controller).size(), 1u);
    EXPECT_EQ(StoresReceived(controller)[0].Get(ConfigRecord::kVoltageCode), 176);

    // The controller is swapped for another in its port while the question is open.
    dialogs.onQuestion = [&] {
        platform->UnplugUnit(0);
        platform->PlugUnit(0);
        f.PollTick();
    };
    dialogs.answers = {true};
    QTest::mouseClick(f.Option1[0], Qt::LeftButton);  // 24 V
    Press(f.Command1);
    EXPECT_EQ(StoresReceived(controller).size(), 1u) << "nothing more was sent";
    EXPECT_TRUE(StoresReceived(other).empty());
    EXPECT_EQ(dialogs.notes.back(),
              "Another controller was plugged in while you were asked; nothing was sent.");
}

// A removal and an arrival that both fall while a tick's own message box is open: the
// window works with the controller that came, not with the handles of the one that left.
TEST_F(Form1Test, AControllerPluggedInAgainWhileATickShowsAMessageIsReachedAfterIt) {
    controller.stored.Set(ConfigRecord::kBrake, 250);  // no editor shows it: a box in the tick
    Form1& f = MakeLoaded();
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    dialogs.onError = [&] {
        platform->Unplug();
        platform->Plug();
    };
    Press(f.Command5);
    f.PollTick();
    ASSERT_EQ(dialogs.errors.size(), 1u);
    dialogs.onError = nullptr;
    controller.stored = VirtualController::FactoryRecord();
    f.PollTick();  // the next tick, as the timer gives it
    Press(f.Command5);
    f.PollTick();
    EXPECT_EQ(dialogs.errors.size(), 1u) << dialogs.errors.back();
    EXPECT_EQ(f.Label16->text(), "GetConfig Success");
}

// A link whose write handle could not be opened has no controller to send to: the status
// line says so, and no send is tried.
TEST_F(Form1Test, AControllerWithoutAWriteHandleIsNoControllerNotAFailedSend) {
    class NoWriting : public ForwardingHidPlatform {
      public:
        using ForwardingHidPlatform::ForwardingHidPlatform;
        HidOpenResult OpenWrite(const std::string&) override {
            return {kInvalidHandle, SystemErrorCode(EACCES)};
        }
    };
    platform = std::make_unique<VirtualHidPlatform>(controller, true);
    NoWriting hid(*platform);
    form = std::make_unique<Form1>(
        Form1Services{dialogs, hid, *platform, tone, autosave, nullptr, ""});
    form->Load();
    dialogs.errors.clear();
    ASSERT_NE(form->link().readHandle(), kInvalidHandle);
    Press(form->Command5);
    EXPECT_EQ(form->Label16->text(), "No controller");
    EXPECT_TRUE(dialogs.errors.empty()) << dialogs.errors.front();
    form.reset();
}
