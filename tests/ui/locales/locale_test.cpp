// The window under the locale the process environment sets, as a user has it
// (LANG, LC_ALL or LC_NUMERIC alone): prices typed as Qt writes them there,
// Target Price answering in the user's form, and Copy Figures read back by
// the same locale. Qt's own writing and reading of numbers is the oracle.

#include "../main_window/window_test_support.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace quillet::test {
namespace {

[[maybe_unused]] const bool system_locale = (keep_system_locale(), true);

// The worked example of the README at the ending price given, every other
// amount as the locale writes it.
void enter_the_example(WindowHarness& h, const QString& end_price) {
    const QLocale here;
    h.type("cmb_start_price", QStringLiteral("$1 - $9.99"));
    h.type("txt_end_price", end_price);
    h.type("txt_ship_charged", here.toString(5.0, 'f', 2));
    h.type("txt_item_cost", here.toString(4.0, 'f', 2));
    h.type("txt_ship_cost", here.toString(3.0, 'f', 2));
    h.type("txt_other_costs", here.toString(1.0, 'f', 2));
}

bool groups_with_a_space() {
    const QString separator = QLocale().groupSeparator();
    return separator.size() == 1 && separator.at(0).isSpace();
}

TEST(Locale, PricesAsTheUserWritesThemAndTheWindowsOwnFigures) {
    const QString qt_form = QLocale().toString(123456.0, 'f', 2); // "1,23,456.00" in India
    QStringList forms{qt_form, QStringLiteral("123456.00")};
    if (groups_with_a_space())
        forms << QString(qt_form).replace(QLocale().groupSeparator(), QStringLiteral(" "));
    for (const QString& form : forms) {
        SCOPED_TRACE(form.toStdString());
        WindowHarness h;
        enter_the_example(h, form);
        h.tab();
        h.click("cmd_calc");
        EXPECT_TRUE(h.take_boxes().isEmpty());
        EXPECT_EQ(h.text("txt_profit"), QStringLiteral("118007.02"));

        // The window's own figure, pasted back, is what it says.
        h.type("txt_other_costs", h.text("txt_total_fee"));
        h.tab();
        h.click("cmd_calc");
        EXPECT_TRUE(h.take_boxes().isEmpty());
        EXPECT_EQ(h.text("txt_profit"), QStringLiteral("112561.04"));
    }
}

TEST(Locale, TargetPriceFindsAndUsesThePriceInTheUsersForm) {
    const QLocale here;
    WindowHarness h;
    enter_the_example(h, QStringLiteral("None"));
    h.trigger("TargetPrice");
    h.control<QComboBox>("cmb_goal")->setCurrentIndex(1);
    EXPECT_EQ(h.text("txt_target"), here.toString(0.0, 'f', 2));
    h.type("txt_target", here.toString(20.0, 'f', 2));
    h.click("cmd_find");
    EXPECT_EQ(h.text("txt_lowest"), here.toString(25.88, 'f', 2)); // "25,88" in Germany
    EXPECT_TRUE(
        h.control<QLabel>("lbl_outcome")
            ->text()
            .startsWith(QStringLiteral("At %1 the profit is %2 ")
                            .arg(here.toString(25.88, 'f', 2), here.toString(20.0, 'f', 2))));
    h.control<QPushButton>("cmd_use")->click();
    h.settle();
    EXPECT_EQ(h.text("txt_end_price"), here.toString(25.88, 'f', 2));
    EXPECT_EQ(h.text("txt_profit"), QStringLiteral("20.00"));

    h.trigger("TargetPrice");
    h.control<QComboBox>("cmb_goal")->setCurrentIndex(1);
    h.type("txt_target", QStringLiteral("twenty"));
    h.click("cmd_find");
    const QList<Message> boxes = h.take_boxes();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes.front().text.endsWith(here.toString(20.0, 'f', 2) + u'.'));
}

// A spreadsheet set to the user's locale reads every copied figure as the
// number the window shows; a loss shows the minus sign.
TEST(Locale, CopyFiguresReadBackAsNumbersByTheSameLocale) {
    WindowHarness h;
    enter_the_example(h, QStringLiteral("1"));
    h.type("txt_item_cost", QLocale().toString(1234.0, 'f', 2));
    h.click("cmd_calc");
    h.trigger("CopyFigures");
    const QStringList lines = QApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    const QList<QLineEdit*> figures = result_fields(h.window());
    ASSERT_EQ(lines.size(), figures.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i].toStdString());
        const QString copied = lines[i].section(u'\t', 1);
        bool read = false;
        EXPECT_EQ(QLocale().toDouble(copied, &read), QLocale::c().toDouble(figures[i]->text()));
        EXPECT_TRUE(read);
    }
    EXPECT_EQ(h.text("txt_profit"), QStringLiteral("-1232.87"));
}

} // namespace
} // namespace quillet::test
