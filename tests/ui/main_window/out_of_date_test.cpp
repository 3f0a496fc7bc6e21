// Figures that no longer belong to the inputs on screen say so, until the
// next Calculate or Clear; and Edit > Copy Figures takes them away as text.

#include "window_test_support.h"

#include "ui/main_window/control_table.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <functional>

namespace quillet::test {
namespace {

const QString out_of_date = QStringLiteral("Out of date: press Calculate");

class OutOfDate : public testing::Test {
protected:
    void calculate_an_example() {
        h.type("txt_end_price", QStringLiteral("40"));
        h.type("txt_item_cost", QStringLiteral("10"));
        h.press_enter();
        ASSERT_EQ(h.text("txt_profit"), QStringLiteral("26.57"));
    }

    // Each result field's figure, and whether it is marked: in italic, and
    // described so to a screen reader.
    QStringList figures() const {
        QStringList out;
        for (const ui::ResultRow& row : ui::results)
            out << (h.window().controls().*row.widget)->text();
        return out;
    }
    int marked() const {
        int count = 0;
        for (const ui::ResultRow& row : ui::results) {
            QLineEdit* field = h.window().controls().*row.widget;
            QString description =
                QAccessible::queryAccessibleInterface(field)->text(QAccessible::Description);
            // An uncounted PayPal fee says so first (figure_notes_test.cpp).
            description.remove(QStringLiteral("Not counted: the PayPal box is unticked. "));
            description.remove(QStringLiteral("Not counted: the PayPal box is unticked"));
            EXPECT_EQ(field->font().italic(), description == out_of_date)
                << field->objectName().toStdString();
            count += description == out_of_date ? 1 : 0;
            if (!description.isEmpty()) {
                EXPECT_EQ(description, out_of_date);
            }
        }
        return count;
    }

    WindowHarness h;
};

TEST_F(OutOfDate, AChangeInAnyKindOfInputMarksEveryFigureUntilCalculateOrClear) {
    const std::pair<const char*, std::function<void(WindowHarness&)>> changes[] = {
        {"price field", [](WindowHarness& h) { h.type("txt_item_cost", QStringLiteral("45")); }},
        {"band selector",
         [](WindowHarness& h) { h.type("cmb_start_price", QStringLiteral("$1 - $9.99")); }},
        {"picture count", [](WindowHarness& h) { h.type("combo_num_pics", QStringLiteral("3")); }},
        {"option box", [](WindowHarness& h) { h.click("chk_bold"); }},
        {"PayPal box", [](WindowHarness& h) { h.click("chk_paypal"); }},
    };
    EXPECT_EQ(marked(), 0) << "nothing to mark before a calculation";
    h.type("txt_reserve", QStringLiteral("5"));
    EXPECT_EQ(marked(), 0);
    for (const auto& [kind, change] : changes) {
        SCOPED_TRACE(kind);
        h.click("cmd_clear");
        calculate_an_example();
        EXPECT_EQ(marked(), 0);
        const QStringList before = figures();
        change(h);
        EXPECT_EQ(marked(), 9);
        EXPECT_EQ(figures(), before) << "the texts stay";
        h.click("cmd_calc");
        EXPECT_EQ(marked(), 0);
        change(h);
        h.click("cmd_clear");
        EXPECT_EQ(marked(), 0);
    }
    EXPECT_TRUE(h.take_boxes().isEmpty());
}

TEST_F(OutOfDate, ARunAFieldsCheckStopsLeavesThemMarked) {
    calculate_an_example();
    h.type("txt_item_cost", QStringLiteral("-45"));
    h.press_enter();
    EXPECT_EQ(h.take_boxes().size(), 1);
    EXPECT_EQ(marked(), 9);
    EXPECT_EQ(h.text("txt_profit"), QStringLiteral("26.57"));
    h.type("txt_item_cost", QStringLiteral("45"));
    h.press_enter();
    EXPECT_EQ(marked(), 0);
    EXPECT_EQ(h.text("txt_profit"), QStringLiteral("-8.43"));
}

// Nine "caption<TAB>figure" lines in the window's reading order, column by
// column, with a first line while the figures are out of date. Ctrl+Shift+C
// reaches it from a price field.
TEST_F(OutOfDate, CopyFiguresPutsCaptionsAndFiguresOnTheClipboard) {
    calculate_an_example();
    h.trigger("CopyFigures");
    const QString current = QStringLiteral("Listing Fees ($)\t0.25\n"
                                           "Final Value Fees ($)\t1.72\n"
                                           "Total eBaY Fees ($)\t1.97\n"
                                           "Paypal Fees ($)\t1.46\n"
                                           "Total Fees ($)\t3.43\n"
                                           "Total Received ($)\t40.00\n"
                                           "Total Spent ($)\t13.43\n"
                                           "Profit ($)\t26.57\n"
                                           "Profit Margin %\t66.42\n");
    EXPECT_EQ(QApplication::clipboard()->text(), current);

    h.type("txt_item_cost", QStringLiteral("45"));
    QApplication::clipboard()->clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C,
                    Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              "Out of date: the inputs changed after these figures were calculated\n" + current);
}

} // namespace
} // namespace quillet::test
