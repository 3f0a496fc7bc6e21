// Fee Details through the main window: opened from the menu or Ctrl+D on the
// last calculation, it follows the next one and the out-of-date marking, and
// Copy Figures copies its rows while it is the active window.

#include "../main_window/window_test_support.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QTableView>

#include <gtest/gtest.h>

namespace quillet::test {
namespace {

class FeeDetails : public testing::Test {
protected:
    // The worked example of the README, calculated.
    void calculate_the_example() {
        h.type_the_worked_example();
        h.click("cmd_calc");
    }

    QWidget* details() const { return h.control("FeeDetails"); }
    const QAbstractItemModel& model() const {
        return *h.control<QTableView>("tbl_details")->model();
    }

    // The amount on the row of that caption; "missing" without one.
    QString amount(const char* what) const {
        for (int row = 0; row < model().rowCount(); ++row)
            if (model().index(row, 0).data().toString() == QString::fromUtf8(what))
                return model().index(row, 1).data().toString();
        return QStringLiteral("missing");
    }

    // Every cell italic and described as out of date, or none.
    int marked_cells() const {
        int marked = 0;
        for (int row = 0; row < model().rowCount(); ++row)
            for (int column = 0; column < 2; ++column) {
                const QModelIndex cell = model().index(row, column);
                const bool italic = cell.data(Qt::FontRole).value<QFont>().italic();
                const bool described = cell.data(Qt::AccessibleDescriptionRole).toString() ==
                                       QStringLiteral("Out of date: press Calculate");
                EXPECT_EQ(italic, described) << row << ", " << column;
                marked += italic;
            }
        return marked;
    }

    WindowHarness h;
};

TEST_F(FeeDetails, ShowsTheLastCalculationAndFollowsTheNext) {
    calculate_the_example();
    h.trigger("FeeDetails");
    QWidget* window = details();
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Fee Details"));
    EXPECT_FALSE(window->isModal());
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(model().columnCount(), 2);
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(h.control("tbl_details"))->text(QAccessible::Name),
        QStringLiteral("Fee Details"));

    const struct {
        const char* what;
        const char* example; // 10.00 with 5.00 shipping, as in the README
        const char* at_20;   // the Ending Price 20.00
    } rows[] = {
        {"Insertion fee, starting band $1 - $9.99", "0.35", "0.35"},
        {"Listing Fees", "0.35", "0.35"},
        {"Final value fee, first tier: 5.25 % of 10.00", "0.525", "missing"},
        {"Final value fee, first tier: 5.25 % of 20.00", "missing", "1.05"},
        {"Return on Cost %", "56.09", "139.92"},
        {"Fees Share of Received %", "17.40", "13.68"},
        {"Sold at the Ending Price", "5.39", "14.58"},
        {"Sold at the lowest price it can sell for: 1.00, the starting band's lowest", "-2.87",
         "-2.87"},
        {"Not sold", "-0.35", "-0.35"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(amount(row.what), QString::fromUtf8(row.example)) << row.what;
    EXPECT_EQ(amount("Sold at the Ending Price"), h.text("txt_profit"));

    h.type("txt_end_price", QStringLiteral("20.00"));
    EXPECT_EQ(marked_cells(), 2 * model().rowCount());
    EXPECT_EQ(h.control("tbl_details")->accessibleDescription(),
              QStringLiteral("Out of date: press Calculate"));
    h.click("cmd_calc");
    EXPECT_EQ(marked_cells(), 0);
    for (const auto& row : rows)
        EXPECT_EQ(amount(row.what), QString::fromUtf8(row.at_20)) << row.what;
    EXPECT_EQ(amount("Sold at the Ending Price"), h.text("txt_profit"));

    // Clear leaves nothing to explain.
    h.click("cmd_clear");
    EXPECT_EQ(amount("Listing Fees"), QStringLiteral("missing"));
    EXPECT_EQ(amount("Sold at the Ending Price"), QString());
}

// Ctrl+D from a price field opens it on the figures already shown, marked as
// they are; Ctrl+Shift+C there copies its rows, and the main window's figures
// again once it is closed.
TEST_F(FeeDetails, OpensFromTheKeyboardAndCopiesItsRows) {
    calculate_the_example();
    h.type("txt_item_cost", QStringLiteral("5.00"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::ControlModifier);
    h.settle();
    QWidget* window = details();
    ASSERT_TRUE(window && window->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(marked_cells(), 2 * model().rowCount());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C,
                    Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lines = QApplication::clipboard()->text().split(u'\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral(
                            "Out of date: the inputs changed after these figures were calculated"));
    EXPECT_EQ(lines[1], QStringLiteral("Insertion fee, starting band $1 - $9.99\t0.35"));
    EXPECT_TRUE(
        lines.contains(QStringLiteral("Final value fee, first tier: 5.25 % of 10.00\t0.525")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Not sold\t-0.35")));

    window->close();
    h.window().activateWindow();
    h.settle();
    h.trigger("CopyFigures");
    EXPECT_TRUE(QApplication::clipboard()->text().contains(QStringLiteral("Profit ($)\t5.39")));
}

} // namespace
} // namespace quillet::test
