#pragma once

#include <gtest/gtest.h>
#include <unistd.h>
#include <QTest>

#include <filesystem>
#include <memory>

#include "platform/virtual/virtual_hid_platform.h"
#include "test_support.h"
#include "ui/form1.h"
#include "ui_doubles.h"

// A window wired to the virtual controller and to scripted dialogs, with an autosave file
// in a folder of its own.
class Form1Test : public ::testing::Test {
  protected:
    void SetUp() override { autosave = (dir / "Data.qkf").string(); }
    void TearDown() override { form.reset(); }
    Form1& Make(bool plugged = true) {
        platform = std::make_unique<VirtualHidPlatform>(controller, plugged);
        form = std::make_unique<Form1>(
            Form1Services{dialogs, *platform, *platform, tone, autosave, nullptr, ""});
        return *form;
    }
    Form1& MakeLoaded(bool plugged = true) {
        Make(plugged).Load();
        return *form;
    }
    // A shown, active window that has read the factory set from the controller.
    Form1& ShownAfterGetConfig() {
        Form1& f = MakeLoaded();
        f.show();
        f.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
        Press(f.Command5);
        f.PollTick();
        return f;
    }
    std::string Path(const std::string& name) const { return tmp / name; }
    // A left click in the middle of a button, as a person gives it: a disabled or hidden
    // button does nothing.
    static void Press(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    // A box's text replaced as a person types it.
    static void Type(QLineEdit* box, const char* text) {
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, text);
    }

    VirtualController controller;
    std::unique_ptr<VirtualHidPlatform> platform;
    ScriptedDialogs dialogs;
    RecordingTone tone;
    TempDir tmp{"vt350-ui"};
    const std::filesystem::path& dir = tmp.path();
    std::string autosave;
    std::unique_ptr<Form1> form;
};
