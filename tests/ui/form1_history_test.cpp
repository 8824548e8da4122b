// The history in the window: which set a controller held before the last store, what
// changed, and the way back, without a terminal.
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "form1_bench_fixture.h"
#include "ui/history_view.h"
#include "ui/qt_user_dialogs.h"

namespace {

class Form1HistoryTest : public Form1SeveralTest {
  protected:
    void SetUp() override {
        Form1SeveralTest::SetUp();
        history = &windowHistory;
    }
    // The history as `program` keeps it, at one moment and an ever later name.
    History Kept(const char* program) {
        return History(tmp / "history", program, [this] {
            return HistoryTime{"20261207-142033-" + std::to_string(100 + ++moments),
                               "2026-12-07T14:20:33+0000"};
        });
    }
    // A view's line clicked as a person clicks it, with Ctrl for a second one.
    void ClickEntry(HistoryView& view, std::int64_t id, Qt::KeyboardModifiers mods = {}) {
        auto* list = view.findChild<QTreeWidget*>("entries");
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            QTreeWidgetItem* item = list->topLevelItem(row);
            if (item->data(0, Qt::UserRole).toLongLong() != id) continue;
            list->scrollToItem(item);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, mods,
                              list->visualItemRect(item).center());
            return;
        }
        ADD_FAILURE() << "entry @" << id << " is not listed";
    }
    static void Click(HistoryView& view, const char* name) {
        auto* widget = view.findChild<QAbstractButton*>(name);
        ASSERT_NE(widget, nullptr) << name;
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
    }
    // The plug-in of the controller in `port`, as the system gives it now.
    std::string PlugInOf(const std::string& port) {
        std::vector<HidInterfaceInfo> found;
        platform->Enumerate(found);
        for (const HidInterfaceInfo& info : found) {
            if (info.port == port) return info.instance;
        }
        return "";
    }
    static QString LineOf(HistoryView& view, std::int64_t id, int column) {
        auto* list = view.findChild<QTreeWidget*>("entries");
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            QTreeWidgetItem* item = list->topLevelItem(row);
            if (item->data(0, Qt::UserRole).toLongLong() == id) return item->text(column);
        }
        return {};
    }

    int moments = 0;
    History windowHistory = Kept("vt350-config");
};

}  // namespace

// Three controllers' sets: the window reads and stores into demo-2, vt350ctl reads demo-1 and
// demo-3, demo-2 is pulled and plugged in again. From the window alone the person finds
// demo-2's set before the store, sees what the store changed, and puts that set into demo-1;
// the store question names where the set came from, where it goes and what it changes there.
TEST_F(Form1HistoryTest, ThePersonFindsASetBeforeAStoreComparesAndStoresItIntoAnother) {
    Form1& f = Start("demo-2");
    EXPECT_EQ(Read(), 21);  // @1
    f.Text1->setText("30");
    Store();  // @2
    EXPECT_EQ(f.Label16->text(), "Load Success");
    ASSERT_TRUE(HistoryHolds(2));
    {
        History shell = Kept("vt350ctl");
        shell.Record(HistoryEvent::kRead, {"virtual", "demo-1", "0001", PlugInOf("demo-1")},
                     &controller.stored);  // @3
        shell.Record(HistoryEvent::kRead, {"virtual", "demo-3", "0001", PlugInOf("demo-3")},
                     &third.stored);  // @4
    }
    platform->UnplugUnit(1);
    f.PollTick();
    if (f.chooser() != nullptr) f.chooser()->reject();
    platform->PlugUnit(1);
    f.PollTick();
    EXPECT_EQ(Read(), 30);  // @5, a new plug-in
    ASSERT_TRUE(HistoryHolds(5));

    QTest::keyClick(f.Text1, Qt::Key_H, Qt::ControlModifier);
    ASSERT_NE(f.historyView(), nullptr);
    HistoryView& view = *f.historyView();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    EXPECT_EQ(view.listedIds(), (std::vector<std::int64_t>{5, 2, 1})) << "demo-2's, newest first";
    EXPECT_EQ(LineOf(view, 2, 6), "Continuous current 21 A \u2192 30 A");
    EXPECT_EQ(LineOf(view, 5, 6), "plugged in anew: the first set since");
    Click(view, "allControllers");
    EXPECT_EQ(view.listedIds(), (std::vector<std::int64_t>{5, 4, 3, 2, 1}));
    EXPECT_EQ(LineOf(view, 4, 2), "vt350ctl");
    EXPECT_EQ(LineOf(view, 4, 3), "demo-3");
    // The two entries of the store compared; then the first against what demo-2 holds.
    ClickEntry(view, 1);
    ClickEntry(view, 2, Qt::ControlModifier);
    Click(view, "compareTwo");
    EXPECT_EQ(view.comparison().toStdString(),
              "From entry @1: read 2026-12-07 14:20:33, port demo-2, serial 0001\n"
              "to entry @2: stored 2026-12-07 14:20:33, port demo-2, serial 0001:\n"
              "Continuous current 21 A \u2192 30 A");
    ClickEntry(view, 1);
    Click(view, "compareWithLastRead");
    EXPECT_NE(view.comparison().indexOf("Continuous current 30 A \u2192 21 A"), -1)
        << view.comparison().toStdString();
    Click(view, "takeIntoEditors");
    EXPECT_EQ(f.historyView(), nullptr);
    EXPECT_EQ(f.Text1->text(), "21");
    EXPECT_EQ(f.Label16->text(), "From the history: read 2026-12-07 14:20:33, port demo-2");

    // Into demo-1, chosen by keyboard: the question names both and compares with demo-1's
    // own last read, which vt350ctl made.
    QTest::keyClick(f.Command1, Qt::Key_D, Qt::ControlModifier);
    ChooseByKeys({Qt::Key_Up, Qt::Key_Return});
    EXPECT_EQ(f.Label16->text(),
              "The editors keep the set from the history; GetConfig shows what port demo-1, "
              "serial 0001 holds");
    f.PollTick();
    EXPECT_EQ(f.Text1->text(), "21") << "the set taken in goes with the switch";
    Store();
    EXPECT_EQ(dialogs.questionDetails.back(),
              "Controller: port demo-1, serial 0001\n"
              "The set in the editors comes from the history, entry @1: read 2026-12-07 "
              "14:20:33, port demo-2, serial 0001.\n"
              "Changes to the set the history last kept of this controller (entry @3: read "
              "2026-12-07 14:20:33, port demo-1, serial 0001):\n"
              "Continuous current 15 A \u2192 21 A");
    EXPECT_EQ(StoredCurrents(controller), std::vector<int>{21});
    EXPECT_EQ(StoredCurrents(second), std::vector<int>{30});
}

// A controller's own entries are its own query: 3,000 newer entries of another port (a
// morning of the workshop line beside it) crowd nothing out; "All controllers" says how
// many it does not list; a sort keeps each port newest first; entries another program keeps
// appear while the view is open; a row another tool wrote with a short time breaks nothing.
TEST_F(Form1HistoryTest, AControllersEntriesAreFoundAmongThousandsOfAnotherPortsAndNewOnesAppear) {
    History shell = Kept("vt350ctl");
    const HistoryDevice demo2{"virtual", "demo-2", "0001", "an earlier plug-in"};
    shell.Record(HistoryEvent::kRead, demo2, &second.stored);   // @1
    shell.Record(HistoryEvent::kStored, demo2, &third.stored);  // @2
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((tmp / "history/history.db").c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db,
                           "BEGIN; WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                           "WHERE i < 3000) INSERT INTO entries(time, event, program, port, "
                           "serial, record) SELECT '2026-12-08T0' || (i % 10) || ':00:00+0000', "
                           "'read', 'vt350ctl', 'demo-1', '0001', zeroblob(15) FROM n; "
                           "INSERT INTO entries(time, event, program, port, serial) VALUES "
                           "('2026', 'reset', 'other', 'demo-3', '0001'); COMMIT;",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    Form1& f = Start("demo-2");
    QTest::keyClick(f.Text1, Qt::Key_H, Qt::ControlModifier);
    ASSERT_NE(f.historyView(), nullptr);
    HistoryView& view = *f.historyView();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    EXPECT_EQ(view.listedIds(), (std::vector<std::int64_t>{2, 1}));
    auto* heading = view.findChild<QLabel*>();
    Click(view, "allControllers");
    EXPECT_EQ(view.listedIds().size(), 2000u);
    EXPECT_NE(heading->text().indexOf("Only the newest 2000 of 3003 entries are listed"), -1)
        << heading->text().toStdString();
    // Sorted by port, one way and the other: each port's entries stay newest first.
    auto* list = view.findChild<QTreeWidget*>("entries");
    QHeaderView* header = list->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(3) + 5, header->height() / 2));
    const auto byPort = view.listedIds();
    EXPECT_EQ(std::vector<std::int64_t>(byPort.begin(), byPort.begin() + 2),
              (std::vector<std::int64_t>{3002, 3001}))
        << "demo-1 first, its newest first";
    EXPECT_EQ(byPort.back(), 3003) << "demo-3 last";
    EXPECT_NE(heading->text().indexOf("Sorted by Port; newest first within each."), -1)
        << heading->text().toStdString();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(3) + 5, header->height() / 2));
    const auto descending = view.listedIds();
    EXPECT_EQ(std::vector<std::int64_t>(descending.begin(), descending.begin() + 3),
              (std::vector<std::int64_t>{3003, 3002, 3001}));
    // Another program keeps an entry of demo-2: it appears without a key pressed.
    Click(view, "allControllers");
    shell.Record(HistoryEvent::kRead, demo2, &second.stored);  // @3004
    EXPECT_TRUE(QTest::qWaitFor([&] { return view.listedIds().size() == 3; }, 20000));
    view.reject();
    // The list of controllers reads what is known of each, the short time included.
    QTest::keyClick(f.Text1, Qt::Key_D, Qt::ControlModifier);
    ASSERT_NE(f.chooser(), nullptr);
    EXPECT_EQ(f.chooser()->places().size(), 3u);
}

// Another program holds the history (a long transaction, a backup): a lock that keeps
// readers out leaves the start and the view quick, the view saying it could not read; under
// a write lock the window reads and stores at once, the entries wait, counted in the title,
// and are kept in order with their own moments once the database is free.
TEST_F(Form1HistoryTest, AHistoryAnotherProgramHoldsNeverHoldsTheWindow) {
    ASSERT_TRUE(Kept("vt350ctl").Prepare());
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open((tmp / "history/history.db").c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other,
                           "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; "
                           "SELECT count(*) FROM entries;",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    const auto begun = std::chrono::steady_clock::now();
    Form1& f = Start("demo-2");
    QTest::keyClick(f.Text1, Qt::Key_H, Qt::ControlModifier);
    ASSERT_NE(f.historyView(), nullptr);
    // The history's own wait is 10 s: the window waited for none of it.
    EXPECT_LT(std::chrono::steady_clock::now() - begun, std::chrono::seconds(8));
    auto* heading = f.historyView()->findChild<QLabel*>();
    EXPECT_NE(heading->text().indexOf("could not be read whole"), -1)
        << heading->text().toStdString();
    sqlite3_close(other);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return heading->text().indexOf("Nothing has been kept yet.") != -1; }, 20000))
        << "read once it can be";
    f.historyView()->reject();

    ASSERT_EQ(sqlite3_open((tmp / "history/history.db").c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    const auto asked = std::chrono::steady_clock::now();
    EXPECT_EQ(Read(), 21);
    f.Text1->setText("30");
    Store();
    EXPECT_EQ(f.Label16->text(), "Load Success");
    EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::seconds(8));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return Title().find("history entries waiting: 2") != std::string::npos; }, 20000))
        << Title();
    ASSERT_EQ(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(other);
    ASSERT_TRUE(QTest::qWaitFor([&] { return windowHistory.Entries().size() == 2; }, 20000));
    const auto kept = windowHistory.Entries();
    EXPECT_EQ(kept[0].event, "stored");
    EXPECT_EQ(kept[1].event, "read");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return Title().find("waiting") == std::string::npos; }, 20000));
}

// The person gives the window's controller its unit (a scanner types it with a carriage
// return and Enter): it stands in the title and the store question and goes with every entry
// of that controller; the view lists the unit's entries from every bench; the controller
// plugged in anew has none until it is given one.
TEST_F(Form1HistoryTest, AUnitGoesWithTheControllersEntriesUntilItIsPluggedInAnew) {
    {
        History otherBench = Kept("vt350ctl");
        otherBench.SetBench("bench-B");
        otherBench.Record(HistoryEvent::kStored, {"virtual", "1-4", "0001", "x", "BIKE-42"},
                          &third.stored);  // @1
        otherBench.Record(HistoryEvent::kRead, {"virtual", "1-5", "0001", "y"}, &third.stored);
    }
    Form1& f = Start("demo-2");
    dialogs.fileNames = {" BIKE-42\r"};
    QTest::keyClick(f.Text1, Qt::Key_B, Qt::ControlModifier);
    EXPECT_NE(Title().find("serial 0001, unit BIKE-42"), std::string::npos) << Title();
    EXPECT_EQ(Read(), 21);  // @3
    f.Text1->setText("30");
    Store();  // @4
    EXPECT_NE(dialogs.questionDetails.back().find("Unit: BIKE-42\n"), std::string::npos)
        << dialogs.questionDetails.back();
    ASSERT_TRUE(HistoryHolds(4));
    for (const HistoryEntry& e : windowHistory.Entries(2)) EXPECT_EQ(e.unit, "BIKE-42") << e.id;

    QTest::keyClick(f.Text1, Qt::Key_H, Qt::ControlModifier);
    ASSERT_NE(f.historyView(), nullptr);
    HistoryView& view = *f.historyView();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    EXPECT_EQ(view.listedIds(), (std::vector<std::int64_t>{4, 3}));
    Click(view, "unitOnly");
    EXPECT_EQ(view.listedIds(), (std::vector<std::int64_t>{4, 3, 1})) << "bench-B's too";
    view.reject();

    platform->UnplugUnit(1);
    f.PollTick();
    if (f.chooser() != nullptr) f.chooser()->reject();
    platform->PlugUnit(1);
    f.PollTick();
    EXPECT_EQ(Title().find("unit"), std::string::npos) << Title();
    EXPECT_EQ(Read(), 30);  // @5
    ASSERT_TRUE(HistoryHolds(5));
    EXPECT_EQ(windowHistory.Entries()[0].unit, "");
}

// Another bench stored into BIKE-42 before this one read it: with a shared record the view's
// "Unit" lists the unit's entries of every bench, the one this bench has not sent yet among
// them, each against the unit's set before it (whichever bench kept that); another bench's
// entry is taken in under its bench's name. A record that cannot be read is said, and the
// bench's own entries stay listed.
TEST_F(Form1HistoryTest, AUnitsEntriesOfEveryBenchComeFromTheSharedRecord) {
    windowHistory.SetBench("bench-A");
    std::vector<HistoryEntry> onServer;
    {
        History otherBench(tmp / "other", "vt350ctl", [] {
            return HistoryTime{"20261207-100000-100", "2026-12-07T10:00:00+0000"};
        });
        otherBench.SetBench("bench-B");
        ConfigRecord ten = third.stored;
        ten.Set(0, 10);
        otherBench.Record(HistoryEvent::kRead, {"virtual", "1-4", "0001", "w", "BIKE-7"}, &ten);
        otherBench.Record(HistoryEvent::kStored, {"virtual", "1-4", "0001", "x", "BIKE-42"}, &ten);
        onServer = otherBench.Entries();  // bench-B's @2 and @1
    }
    std::atomic<bool> reachable{true};
    sharedUnit = [&](const std::string& unit, std::string& error) {
        std::optional<std::vector<HistoryEntry>> out;
        if (!reachable) {
            error = "connection refused";
            return out;
        }
        out.emplace();
        for (const HistoryEntry& e : onServer)
            if (e.unit == unit) out->push_back(e);
        return out;
    };
    Form1& f = Start("demo-2");
    dialogs.fileNames = {"BIKE-42"};
    QTest::keyClick(f.Text1, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(Read(), 21);  // bench-A's @1, sent
    ASSERT_TRUE(HistoryHolds(1));
    onServer.insert(onServer.begin(), windowHistory.Entries().front());
    f.Text1->setText("30");
    Store();  // bench-A's @2, not sent yet
    ASSERT_TRUE(HistoryHolds(2));

    QTest::keyClick(f.Text1, Qt::Key_H, Qt::ControlModifier);
    ASSERT_NE(f.historyView(), nullptr);
    HistoryView& view = *f.historyView();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    auto* heading = view.findChild<QLabel*>();
    Click(view, "unitOnly");
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return heading->text().contains("from every bench"); }, 20000))
        << heading->text().toStdString();
    EXPECT_EQ(view.listedIds(), (std::vector<std::int64_t>{3, 2, 1}));
    EXPECT_EQ(LineOf(view, 3, 5), "bench-A");
    EXPECT_EQ(LineOf(view, 3, 6), "Continuous current 21 A \u2192 30 A");
    EXPECT_EQ(LineOf(view, 2, 6), "Continuous current 10 A \u2192 21 A")
        << "against bench-B's store into the unit";
    EXPECT_EQ(LineOf(view, 1, 5), "bench-B");
    EXPECT_EQ(LineOf(view, 1, 6), "the first set kept of this unit");
    ClickEntry(view, 1);
    Click(view, "takeIntoEditors");
    EXPECT_EQ(f.Text1->text(), "10");
    Store();
    ASSERT_TRUE(HistoryHolds(3));
    EXPECT_NE(dialogs.questionDetails.back().find(
                  "comes from the history, entry @2: stored 2026-12-07 10:00:00, port 1-4, "
                  "serial 0001, bench bench-B."),
              std::string::npos)
        << dialogs.questionDetails.back();

    reachable = false;
    QTest::keyClick(f.Text1, Qt::Key_H, Qt::ControlModifier);
    ASSERT_NE(f.historyView(), nullptr);
    HistoryView& again = *f.historyView();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    heading = again.findChild<QLabel*>();
    Click(again, "unitOnly");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return heading->text().contains(
                "The shared record cannot be read (connection "
                "refused)");
        },
        20000))
        << heading->text().toStdString();
    EXPECT_EQ(again.listedIds(), (std::vector<std::int64_t>{3, 2, 1})) << "this bench's own";
    EXPECT_EQ(LineOf(again, 1, 5), "bench-A");
}

// The view opens on the window's own port and serial: another unit's serial in that port waits
// for "All controllers"; a factory reset's entry has no set to compare or take; after the
// reset, "With the last read" no longer compares with the read before it.
TEST_F(Form1HistoryTest, TheViewIsOfItsOwnPortAndSerialAndAResetEndsTheLastRead) {
    Kept("vt350ctl")
        .Record(HistoryEvent::kRead, {"virtual", "demo-2", "0009", "earlier"},
                &third.stored);  // @1
    Form1& f = Start("demo-2");
    EXPECT_EQ(Read(), 21);  // @2
    Press(f.Command6);      // @3
    f.PollTick();
    ASSERT_TRUE(HistoryHolds(3));
    QTest::keyClick(f.Text1, Qt::Key_H, Qt::ControlModifier);
    ASSERT_NE(f.historyView(), nullptr);
    HistoryView& view = *f.historyView();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    EXPECT_EQ(view.listedIds(), (std::vector<std::int64_t>{3, 2}));
    EXPECT_EQ(LineOf(view, 2, 4), "0001");
    ClickEntry(view, 3);
    for (const char* button : {"takeIntoEditors", "compareWithEditors", "compareWithLastRead"}) {
        EXPECT_FALSE(view.findChild<QPushButton*>(button)->isEnabled()) << button;
    }
    ClickEntry(view, 2);
    Click(view, "compareWithLastRead");
    EXPECT_EQ(view.comparison(),
              "Nothing has been read from the window's controller since it was plugged in.");
    Click(view, "allControllers");
    EXPECT_EQ(view.listedIds(), (std::vector<std::int64_t>{3, 2, 1}));
    EXPECT_EQ(LineOf(view, 1, 4), "0009");
}

// Started with demo-2 alone, the window is bound to demo-2's port: a controller plugged in
// beside it, demo-2 pulled and plugged back, reads and stores still reach demo-2. Another unit
// seated in its port between two looks (removal and arrival both lost) is a new plug-in: the
// question never compares it with what the history kept of the unit before, the window reads
// it, and the others' removals leave the comparison with its own last read.
TEST_F(Form1HistoryTest, ABoundWindowStaysWithItsPortAndSeesEachPlugInThroughLostEvents) {
    Form1& f = Start("", {false, true, false});
    EXPECT_EQ(f.chooser(), nullptr);
    EXPECT_EQ(Read(), 21);
    platform->PlugUnit(0);
    f.PollTick();
    EXPECT_EQ(f.chooser(), nullptr) << "nothing opens by itself";
    EXPECT_EQ(Read(), 21);
    platform->UnplugUnit(1);
    f.PollTick();
    platform->PlugUnit(1);
    f.PollTick();
    EXPECT_EQ(Read(), 21);
    f.Text1->setText("30");
    Store();
    EXPECT_EQ(StoredCurrents(second), std::vector<int>{30});
    EXPECT_TRUE(StoredCurrents(controller).empty());
    ASSERT_TRUE(HistoryHolds(3));

    platform->UnplugUnit(1, false);
    second.stored.Set(0, 9);
    platform->PlugUnit(1, false);
    platform->LoseEvents();
    f.PollTick();
    dialogs.answers = {false};
    Press(f.Command1);
    EXPECT_EQ(dialogs.questionDetails.back(),
              "Controller: port demo-2, serial 0001\nThe set in the editors was read from the "
              "controller plugged into this port before.\nNothing has been read from this "
              "controller since it was plugged in: what it holds is not known. GetConfig shows "
              "it.");
    dialogs.answers = {true};
    EXPECT_EQ(Read(), 9);
    platform->UnplugUnit(0);
    f.PollTick();
    dialogs.answers = {false};
    Press(f.Command1);
    EXPECT_EQ(dialogs.questionDetails.back(),
              "Controller: port demo-2, serial 0001\nThe set is the one last read from the "
              "controller.");
}

// The window's keys act with Ctrl alone: a plain D, H or B typed into an editor opens
// nothing; Ctrl+H or Ctrl+D pressed inside the history view, the list of controllers or a
// file dialog does nothing to the window behind it (no second view, no list on top of it).
TEST_F(Form1HistoryTest, WindowKeysActOnlyWithCtrlAndOnlyOnTheWindow) {
    Form1& f = Start("demo-2");
    for (Qt::Key key : {Qt::Key_D, Qt::Key_H, Qt::Key_B}) QTest::keyClick(f.Text1, key);
    EXPECT_EQ(f.chooser(), nullptr);
    EXPECT_EQ(f.historyView(), nullptr);
    EXPECT_TRUE(dialogs.textLabels.empty()) << "no unit asked";
    // Qt's own Open dialog (on every system), a window of the main window's: a name typed
    // there may hold any letter, and the window's keys reach no further than the window.
    QtUserDialogs real(&f);
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        QWidget* name = dialog->focusWidget() != nullptr ? dialog->focusWidget() : dialog;
        for (Qt::Key key : {Qt::Key_D, Qt::Key_H, Qt::Key_B}) {
            QTest::keyClick(name, key, Qt::ControlModifier);
        }
        EXPECT_EQ(QApplication::activeModalWidget(), dialog) << "nothing opened over it";
        QTest::keyClick(name, Qt::Key_Escape);
    });
    EXPECT_EQ(real.OpenFileName("Open"), std::nullopt);
    EXPECT_EQ(f.chooser(), nullptr);
    EXPECT_EQ(f.historyView(), nullptr);
    EXPECT_TRUE(dialogs.textLabels.empty()) << "no unit asked";
    QTest::keyClick(f.Text1, Qt::Key_D, Qt::ControlModifier);
    ASSERT_NE(f.chooser(), nullptr);
    QTest::keyClick(f.chooser()->findChild<QListWidget*>(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(f.historyView(), nullptr) << "no view behind the list";
    f.chooser()->reject();
    QTest::keyClick(f.Text1, Qt::Key_H, Qt::ControlModifier);
    HistoryView* view = f.historyView();
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    auto* list = view->findChild<QTreeWidget*>("entries");
    QTest::keyClick(list, Qt::Key_H, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(f.historyView(), view) << "the same view";
    EXPECT_EQ(f.chooser(), nullptr) << "no list on top of the view";
    view->reject();
}

// The list of controllers names the window's own line alone as its own, and each line says
// what the history knew of that port and serial, not of another serial in the port.
TEST_F(Form1HistoryTest, EachLineOfTheListSaysWhatTheHistoryKnewOfItsOwnController) {
    {
        History shell = Kept("vt350ctl");
        shell.Record(HistoryEvent::kStored, {"virtual", "demo-1", "0001", "x"}, &third.stored);
        shell.Record(HistoryEvent::kRead, {"virtual", "demo-3", "0099", "y"}, &third.stored);
    }
    Form1& f = Start("demo-2");
    QTest::keyClick(f.Text1, Qt::Key_D, Qt::ControlModifier);
    ASSERT_NE(f.chooser(), nullptr);
    auto* list = f.chooser()->findChild<QListWidget*>();
    ASSERT_EQ(list->count(), 3);
    std::vector<std::string> lines;
    for (int i = 0; i < list->count(); ++i) lines.push_back(list->item(i)->text().toStdString());
    int own = 0;
    for (const std::string& line : lines) own += line.find("(this window's)") != std::string::npos;
    EXPECT_EQ(own, 1);
    EXPECT_NE(lines[1].find("port demo-2, serial 0001 (this window's)"), std::string::npos)
        << lines[1];
    EXPECT_NE(lines[0].find("\n    stored "), std::string::npos) << lines[0];
    EXPECT_EQ(lines[2].find('\n'), std::string::npos) << "serial 0099 is another controller";
    f.chooser()->reject();
}
