// The list of controllers as a person uses it: the line the person chose stays chosen while
// the list follows plug-ins; nothing is chosen for the person; the button, a double click
// or Enter take only a chosen line.
#include "ui/controller_chooser.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/held_keys.h"

namespace {

using Lines = std::vector<ControllerChooser::Line>;

Lines LinesOf(const std::vector<std::string>& places) {
    Lines out;
    for (const std::string& p : places) out.push_back({p, QString::fromStdString("port " + p)});
    return out;
}

// "Work with this controller", the box's button that accepts.
QAbstractButton* TakeButton(ControllerChooser& chooser) {
    auto* box = chooser.findChild<QDialogButtonBox*>();
    for (QAbstractButton* b : box->buttons()) {
        if (box->buttonRole(b) == QDialogButtonBox::AcceptRole) return b;
    }
    return nullptr;
}

void ClickLine(QListWidget* list, int row, bool twice = false) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    // A double click is a click and then the second press, as the system delivers it.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    if (twice) QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace

TEST(ControllerChooserTest, OnlyALineThePersonChoseIsTakenAndItStaysChosen) {
    ControllerChooser chooser(nullptr);
    QSignalSpy chosen(&chooser, &ControllerChooser::chosen);
    chooser.SetLines("Choose.", LinesOf({"1-1", "1-2"}), "");  // the window's own is not there
    chooser.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chooser));
    ASSERT_TRUE(QTest::qWaitFor([&] { return KeysSettled(&chooser); }, 10000));
    auto* list = chooser.findChild<QListWidget*>();
    EXPECT_TRUE(list->selectedItems().isEmpty()) << "nothing chosen for the person";
    EXPECT_FALSE(TakeButton(chooser)->isEnabled());
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(chosen.count(), 0) << "Enter on no choice takes nothing";

    ClickLine(list, 1);
    // 1-3 plugged in before it, 1-2 moves down: the choice stays on 1-2.
    chooser.SetLines("Choose.", LinesOf({"1-1", "1-3", "1-2"}), "1-1");
    ASSERT_EQ(list->selectedItems().size(), 1);
    EXPECT_EQ(list->selectedItems().first()->text(), "port 1-2");
    QTest::mouseClick(TakeButton(chooser), Qt::LeftButton);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.takeFirst().first().toString(), "1-2");
}

TEST(ControllerChooserTest, AListOfOneIsTakenWithItsButtonAndALineByADoubleClick) {
    ControllerChooser one(nullptr);
    QSignalSpy chosenOne(&one, &ControllerChooser::chosen);
    one.SetLines("Choose.", LinesOf({"1-4"}), "1-4");  // the window's own, chosen
    one.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&one));
    QTest::mouseClick(TakeButton(one), Qt::LeftButton);
    ASSERT_EQ(chosenOne.count(), 1);
    EXPECT_EQ(chosenOne.takeFirst().first().toString(), "1-4");

    ControllerChooser two(nullptr);
    QSignalSpy chosenTwo(&two, &ControllerChooser::chosen);
    two.SetLines("Choose.", LinesOf({"1-1", "1-2"}), "1-1");
    two.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&two));
    ClickLine(two.findChild<QListWidget*>(), 1, true);
    ASSERT_EQ(chosenTwo.count(), 1);
    EXPECT_EQ(chosenTwo.takeFirst().first().toString(), "1-2");
}
