// The Target Price dialog through the main window: opened from the menu, it
// answers on the window's inputs and follows their changes, refuses a target
// it cannot read, and its price, used, makes the window's figures meet the
// goal.

#include "../main_window/window_test_support.h"

#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace quillet::test {
namespace {

class TargetPrice : public testing::Test {
protected:
    // The worked example of the README, and the dialog opened from the menu.
    QDialog* open_on_the_example() {
        h.type_the_worked_example(QStringLiteral("None"));
        h.trigger("TargetPrice");
        return h.control<QDialog>("TargetPrice");
    }

    void choose(int goal, const char* target) {
        h.control<QComboBox>("cmb_goal")->setCurrentIndex(goal);
        h.type("txt_target", QString::fromUtf8(target));
    }

    QString outcome() const { return h.control<QLabel>("lbl_outcome")->text(); }

    WindowHarness h;
};

TEST_F(TargetPrice, FindThenUseThisPriceMeetsTheGoalInTheWindow) {
    QDialog* dialog = open_on_the_example();
    ASSERT_TRUE(dialog && dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Target Price"));
    EXPECT_FALSE(dialog->isModal());
    choose(1, "20.00");
    h.click("cmd_find");
    EXPECT_EQ(h.text("txt_lowest"), QStringLiteral("25.88"));
    EXPECT_EQ(h.focused(), QStringLiteral("txt_lowest"));
    EXPECT_EQ(outcome(), QStringLiteral("At 25.88 the profit is 20.00 and the margin 64.77 %. The "
                                        "listing fee of 0.35 is paid even if the item does not "
                                        "sell."));
    h.control<QPushButton>("cmd_use")->click();
    h.settle();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(h.text("txt_end_price"), QStringLiteral("25.88"));
    EXPECT_EQ(h.text("txt_profit"), QStringLiteral("20.00"));
    EXPECT_TRUE(h.take_boxes().isEmpty());

    // The answer follows the window's inputs, without Find; closed and opened
    // again, the dialog keeps its goal and target.
    h.control<QLineEdit>("txt_item_cost")->setText(QStringLiteral("10.00"));
    h.settle();
    EXPECT_EQ(h.text("txt_lowest"), QStringLiteral("32.24"));
    dialog->close();
    h.trigger("TargetPrice");
    EXPECT_EQ(h.control<QComboBox>("cmb_goal")->currentIndex(), 1);
    EXPECT_EQ(h.text("txt_target"), QStringLiteral("20.00"));
}

// The start state, the names a screen reader announces, and the keyboard:
// Enter finds, Escape closes.
TEST_F(TargetPrice, OpensOnBreakEvenAndWorksFromTheKeyboard) {
    QDialog* dialog = open_on_the_example();
    ASSERT_TRUE(dialog);
    const auto* goal = h.control<QComboBox>("cmb_goal");
    EXPECT_FALSE(goal->isEditable());
    EXPECT_EQ(goal->currentText(), QStringLiteral("Break even"));
    EXPECT_FALSE(h.enabled("txt_target"));
    EXPECT_EQ(h.text("txt_target"), QString());
    QStringList names;
    for (const char* name :
         {"cmb_goal", "txt_target", "cmd_find", "cmd_use", "cmd_close", "txt_lowest"})
        names << h.control(name)->accessibleName();
    EXPECT_EQ(names, (QStringList{"Goal", "Target", "Find", "Use This Price", "Close",
                                  "Lowest Ending Price"}));

    h.control<QComboBox>("cmb_goal")->setCurrentIndex(2);
    EXPECT_TRUE(h.enabled("txt_target"));
    EXPECT_EQ(h.text("txt_target"), QStringLiteral("0.00"));
    h.control<QComboBox>("cmb_goal")->setCurrentIndex(0);
    h.focus("cmb_goal");
    h.press_enter();
    EXPECT_EQ(h.focused(), QStringLiteral("txt_lowest"));
    EXPECT_EQ(h.text("txt_lowest"), QStringLiteral("4.13"));
    EXPECT_TRUE(h.control<QLineEdit>("txt_lowest")->isReadOnly());
    // The outcome line is read by its text, not hidden behind a name.
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(h.control("lbl_outcome"))->text(QAccessible::Name),
        outcome());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    h.settle();
    EXPECT_FALSE(h.control<QDialog>("TargetPrice")->isVisible());
    EXPECT_EQ(h.text("txt_end_price"), QStringLiteral("None"));
}

// A refused target or input leaves the last answer marked out of date, with
// the reason as the outcome and Use This Price off; Find shows the box too.
// The goal can be changed whatever Target holds. A margin no price reaches
// has no answer, and says why.
TEST_F(TargetPrice, SaysWhatToMendOrWhyNoPriceWorks) {
    ASSERT_TRUE(open_on_the_example());
    h.click("cmd_find");
    ASSERT_EQ(h.text("txt_lowest"), QStringLiteral("4.13"));
    const Message margin_box{QStringLiteral("Please enter a margin below 100, such as 25."),
                             QStringLiteral("Incorrect Target Entered")};
    const Message profit_box{QStringLiteral("Please enter a valid profit, such as 20.00."),
                             QStringLiteral("Incorrect Target Entered")};
    const QString no_margin = QStringLiteral(
        "No price reaches a margin of 97.00 %: the fees alone take more than that at every "
        "price.");
    const struct {
        const char* name;
        int goal;
        const char* target;
        QList<Message> boxes;
        QString outcome;
        const char* lowest;
    } cases[] = {
        {"not a number", 1, "12abc", {profit_box}, profit_box.text, "4.13"},
        {"a margin of 100", 2, "100", {margin_box}, margin_box.text, "4.13"},
        {"97 %", 2, "97", {}, no_margin, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        choose(c.goal, c.target);
        h.settle();
        EXPECT_TRUE(h.take_boxes().isEmpty()); // typing brings no box
        EXPECT_EQ(outcome(), c.outcome);
        h.click("cmd_find");
        EXPECT_EQ(h.take_boxes(), c.boxes);
        EXPECT_EQ(h.text("txt_lowest"), QString::fromUtf8(c.lowest));
        EXPECT_EQ(h.control<QLineEdit>("txt_lowest")->font().italic(), !c.boxes.isEmpty());
        EXPECT_FALSE(h.enabled("cmd_use"));
    }

    choose(1, "five");
    h.tab(); // leaving the field is free
    EXPECT_TRUE(h.take_boxes().isEmpty());
    h.control<QComboBox>("cmb_goal")->setCurrentIndex(0);
    h.settle();
    EXPECT_EQ(h.text("txt_lowest"), QStringLiteral("4.13"));
    EXPECT_TRUE(h.enabled("cmd_use"));

    h.control<QLineEdit>("txt_item_cost")->setText(QStringLiteral("four"));
    h.settle();
    EXPECT_EQ(outcome(), QStringLiteral("Item Cost does not pass its check. Mend it in the main "
                                        "window, then Find again."));
    EXPECT_EQ(h.text("txt_lowest"), QStringLiteral("4.13"));
    EXPECT_TRUE(h.control<QLineEdit>("txt_lowest")->font().italic());
    EXPECT_FALSE(h.enabled("cmd_use"));
}

} // namespace
} // namespace quillet::test
