#pragma once

// A bench of three controllers of one make (one serial) on the virtual hub, and a window.
#include <QApplication>

#include <array>
#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "config/history.h"
#include "form1_fixture.h"
#include "ui/controller_chooser.h"
#include "ui/held_keys.h"

// The store reports a controller received, by their continuous current (byte 0 of the set).
inline std::vector<int> StoredCurrents(const VirtualController& c) {
    std::vector<int> out;
    for (const auto& report : c.received) {
        if (report[1] == 1) out.push_back(report[2]);
    }
    return out;
}

class Form1SeveralTest : public Form1Test {
  protected:
    // Three controllers on demo-1, demo-2, demo-3, holding 15, 21 and 22 A, those of
    // `plugged` plugged in; the window started with `port` ("" for none), shown and active.
    Form1& Start(const std::string& port = "", std::array<bool, 3> plugged = {true, true, true}) {
        second.stored.Set(0, 21);
        third.stored.Set(0, 22);
        platform = std::make_unique<VirtualHidPlatform>(controller, plugged[0]);
        platform->AddController(second, plugged[1]);
        platform->AddController(third, plugged[2]);
        form = std::make_unique<Form1>(Form1Services{
            dialogs, *platform, *platform, tone, autosave, history, port, {}, sharedUnit});
        form->Load();
        form->show();
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->PollTick();
        return *form;
    }
    // GetConfig pressed and answered: the continuous current the editors then show; -1
    // when it was not answered.
    int Read() {
        Press(form->Command5);
        form->PollTick();
        return form->Label16->text() == "GetConfig Success" ? form->record().Get(0) : -1;
    }
    // Store/Save pressed and confirmed.
    void Store() {
        dialogs.answers = {true};
        Press(form->Command1);
        form->PollTick();
    }
    // Keys to the chooser, as a person types them there.
    void ChooseByKeys(std::initializer_list<Qt::Key> keys) {
        ControllerChooser* chooser = form->chooser();
        ASSERT_NE(chooser, nullptr) << "the chooser is open";
        ASSERT_TRUE(QTest::qWaitForWindowExposed(chooser));
        // A list ignores Return for a moment after it appeared, as a person's hand needs.
        ASSERT_TRUE(QTest::qWaitFor([&] { return KeysSettled(chooser); }, 10000));
        for (Qt::Key key : keys) QTest::keyClick(QApplication::focusWidget(), key);
    }
    std::string Title() const { return form->windowTitle().toStdString(); }
    // Until the window's history holds `n` entries: the window keeps them on a thread of
    // their own, so they are there a moment after the screen says so.
    [[nodiscard]] bool HistoryHolds(std::size_t n) const {
        return QTest::qWaitFor([&] { return history->Count() == n; }, 20000);
    }

    VirtualController second, third;
    History* history = nullptr;  // the window's history, if it keeps one
    ReadSharedUnit sharedUnit;   // the shared record, where the test gives one
};
