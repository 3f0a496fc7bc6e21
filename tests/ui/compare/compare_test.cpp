// Compare through the main window: Keep for Comparison adds the inputs and
// figures as a column, marks what differs and the best profit, and Restore
// brings a column's inputs back and calculates them.

#include "../main_window/window_test_support.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

#include <gtest/gtest.h>

namespace quillet::test {
namespace {

class Compare : public testing::Test {
protected:
    // The worked example of the README, calculated.
    void calculate_the_example() {
        h.type_the_worked_example();
        h.click("cmd_calc");
    }

    bool can_keep() const { return h.control<QAction>("KeepForComparison")->isEnabled(); }

    QTableView& table() const { return *h.control<QTableView>("tbl_compare"); }
    const QAbstractItemModel& model() const { return *table().model(); }

    int row_of(const char* caption) const {
        for (int row = 0; row < model().rowCount(); ++row)
            if (model().headerData(row, Qt::Vertical).toString() == QString::fromUtf8(caption))
                return row;
        ADD_FAILURE() << "no row " << caption;
        return 0;
    }
    QString cell(const char* caption, int column) const {
        return model().index(row_of(caption), column).data().toString();
    }
    // The cell's mark, checked to be both bold and described; "" for none.
    QString mark(int row, int column) const {
        const QModelIndex index = model().index(row, column);
        const QString described = index.data(Qt::AccessibleDescriptionRole).toString();
        EXPECT_EQ(index.data(Qt::FontRole).value<QFont>().bold(), !described.isEmpty())
            << row << ", " << column;
        return described;
    }
    QString mark(const char* caption, int column) const { return mark(row_of(caption), column); }

    WindowHarness h;
};

TEST_F(Compare, KeepsListingsMarksTheirDifferencesAndRestoresOne) {
    EXPECT_FALSE(can_keep());
    calculate_the_example();
    ASSERT_TRUE(can_keep());
    h.trigger("KeepForComparison");
    QWidget* window = h.control("Compare");
    ASSERT_TRUE(window && window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Compare"));
    EXPECT_FALSE(window->isModal());

    // Figures out of date are not kept.
    h.type("txt_end_price", QStringLiteral("20.00"));
    EXPECT_FALSE(can_keep());
    h.click("cmd_calc");
    h.trigger("KeepForComparison");

    ASSERT_EQ(model().columnCount(), 2);
    EXPECT_EQ(model().headerData(0, Qt::Horizontal).toString(), QStringLiteral("Listing 1"));
    EXPECT_EQ(model().headerData(1, Qt::Horizontal).toString(), QStringLiteral("Listing 2"));
    EXPECT_EQ(cell("Ending Price", 0), QStringLiteral("10.00"));
    EXPECT_EQ(cell("Ending Price", 1), QStringLiteral("20.00"));
    EXPECT_EQ(cell("Profit ($)", 0), QStringLiteral("5.39"));
    EXPECT_EQ(cell("Profit ($)", 1), QStringLiteral("14.58"));
    EXPECT_EQ(cell("Return on Cost %", 0), QStringLiteral("56.09"));
    EXPECT_EQ(cell("Fees Share of Received %", 1), QStringLiteral("13.68"));

    // Only the Ending Price differs, and the second listing's profit is the best.
    const int end_price = row_of("Ending Price");
    const int profit = row_of("Profit ($)");
    for (int row = 0; row < model().rowCount(); ++row)
        for (int column = 0; column < 2; ++column) {
            const QString expected = row == end_price               ? QStringLiteral("differs")
                                     : row == profit && column == 1 ? QStringLiteral("best profit")
                                                                    : QString();
            EXPECT_EQ(mark(row, column), expected)
                << model().headerData(row, Qt::Vertical).toString().toStdString() << ", " << column;
        }

    table().setCurrentIndex(model().index(0, 0));
    h.control<QPushButton>("cmd_restore")->click();
    h.settle();
    EXPECT_EQ(h.text("txt_end_price"), QStringLiteral("10.00"));
    EXPECT_EQ(h.text("txt_profit"), QStringLiteral("5.39"));
    EXPECT_TRUE(can_keep());

    h.click("cmd_clear");
    EXPECT_FALSE(can_keep());
}

// The table copies as Copy Figures' lines, a column per listing; a ninth Keep
// is refused in the window.
TEST_F(Compare, CopiesItsTableAndKeepsAtMostEight) {
    calculate_the_example();
    for (int i = 0; i < 9; ++i)
        h.trigger("KeepForComparison");
    EXPECT_EQ(model().columnCount(), 8);
    EXPECT_FALSE(h.control<QLabel>("lbl_compare_note")->text().isEmpty());

    h.control<QPushButton>("cmd_remove")->click();
    EXPECT_EQ(model().columnCount(), 7);
    h.trigger("KeepForComparison");
    EXPECT_EQ(model().columnCount(), 8);
    EXPECT_EQ(model().headerData(7, Qt::Horizontal).toString(), QStringLiteral("Listing 9"));
    EXPECT_TRUE(h.control<QLabel>("lbl_compare_note")->text().isEmpty());

    h.trigger("Compare");
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.control("Compare")));
    h.trigger("CopyFigures");
    const QStringList lines = QApplication::clipboard()->text().split(u'\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("\tListing 1\tListing 2")));
    EXPECT_TRUE(
        lines.contains(QStringLiteral("Profit ($)") + QStringLiteral("\t5.39").repeated(8)));
    EXPECT_TRUE(
        lines.contains(QStringLiteral("Ending Price") + QStringLiteral("\t10.00").repeated(8)));
}

} // namespace
} // namespace quillet::test
