// "Calculate" through the window: the controls go into the engine's record,
// the nine results come back, and the engine's notices and failures become
// warning boxes with the focus on the field at fault.

#include "window_test_support.h"

#include "engine/driver.h"
#include "ui/main_window/control_table.h"
#include "ui/main_window/number_conventions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace quillet::test {
namespace {

class Calculate : public testing::Test {
protected:
    QStringList results() const {
        QStringList out;
        for (const QLineEdit* field : result_fields(h.window()))
            out << field->text();
        return out;
    }

    WindowHarness h;
};

// In the window's reading order: the listing fee, the final value fee and the
// eBaY total, then the PayPal fee and the totals.
TEST_F(Calculate, WorkedExampleWithPayPalCountedAndNot) {
    h.type_the_worked_example();
    h.click("cmd_calc");
    EXPECT_EQ(results(), (QStringList{"0.35", "0.52", "0.88", "0.74", "2.61", "15.00", "9.61",
                                      "5.39", "35.93"}));
    EXPECT_TRUE(h.take_boxes().isEmpty());
    h.click("chk_paypal");
    h.click("cmd_calc");
    EXPECT_EQ(results(), (QStringList{"0.35", "0.52", "0.88", "0.74", "1.87", "15.00", "8.87",
                                      "6.13", "40.87"}));
}

TEST_F(Calculate, AGreyedPayPalBoxDoesNotCount) {
    h.type_the_worked_example();
    auto* paypal = h.control<QCheckBox>("chk_paypal");
    paypal->setTristate(true);
    paypal->setCheckState(Qt::PartiallyChecked);
    h.click("cmd_calc");
    EXPECT_EQ(h.text("txt_total_fee"), QStringLiteral("1.87"));
}

// Whatever the inputs, the window shows the engine's figures for them: every
// option, a reserve and a Buy-It-Now band, then no end price after a sale.
TEST_F(Calculate, TheWindowShowsTheEnginesFiguresForItsInputs) {
    const ui::Controls& c = h.window().controls();
    for (const ui::OptionRow& row : ui::options)
        (c.*row.widget)->setCheckState(Qt::Checked);
    h.type("cmb_start_price", QStringLiteral("$25 - $49.99"));
    h.type("cmb_bin", QStringLiteral("$25 - $49.99"));
    h.type("combo_num_pics", QStringLiteral("12"));
    h.type("txt_reserve", QStringLiteral("212.35"));
    h.type("txt_end_price", QStringLiteral("$1,250.00"));
    h.type("txt_ship_charged", QStringLiteral("12.34"));
    h.type("txt_item_cost", QStringLiteral("400"));
    h.type("txt_ship_cost", QStringLiteral("9.99"));
    h.type("txt_other_costs", QStringLiteral("0.5"));
    WindowState expected;
    for (const char* end_price : {"$1,250.00", "None"}) {
        h.type("txt_end_price", QString::fromLatin1(end_price));
        read_controls_into(expected, h.window());
        quillet::calculate(expected, ui::number_conventions(), [](Notice) {});
        h.press_enter();
        EXPECT_TRUE(h.take_boxes().isEmpty());
        for (const ui::ResultRow& row : ui::results)
            EXPECT_EQ((c.*row.widget)->text(), QString::fromStdString(expected.*row.text))
                << (c.*row.widget)->objectName().toStdString() << " at " << end_price;
    }
    EXPECT_FALSE(h.text("txt_list_fee").isEmpty());
    EXPECT_TRUE(h.text("txt_profit").isEmpty());
}

TEST_F(Calculate, EnterInAFieldCalculatesWithoutLeavingIt) {
    h.type("txt_end_price", QStringLiteral("100"));
    h.press_enter();
    EXPECT_EQ(h.focused(), QStringLiteral("txt_end_price"));
    EXPECT_EQ(h.text("txt_list_fee"), QStringLiteral("0.25"));
    EXPECT_EQ(h.text("txt_fvf"), QStringLiteral("3.37"));
    EXPECT_TRUE(h.take_boxes().isEmpty());
}

TEST_F(Calculate, EnterOnACheckBoxOrADropDownCalculatesToo) {
    h.focus("chk_bold");
    h.press_enter();
    EXPECT_EQ(h.text("txt_list_fee"), QStringLiteral("0.25"));
    h.click("chk_bold");
    h.focus("combo_num_pics");
    h.press_enter();
    EXPECT_EQ(h.text("txt_list_fee"), QStringLiteral("1.25"));
}

TEST_F(Calculate, AStartLabelOutsideTheScheduleIsReportedAndTheRunGoesOn) {
    h.click("chk_bold");
    h.type("cmb_start_price", QStringLiteral("cheap"));
    h.type("txt_end_price", QStringLiteral("10")); // the selector's own check speaks first
    EXPECT_EQ(h.take_boxes(), QList<Message>{error_box("Invalid Start price range entered")});
    ASSERT_EQ(h.focused(), QStringLiteral("cmb_start_price"));
    h.press_enter(); // Enter leaves the focus where it is: no check, the engine's notice
    EXPECT_EQ(h.take_boxes(), QList<Message>{error_box("Invalid Start price range entered")});
    EXPECT_EQ(h.text("txt_list_fee"), QStringLiteral("1.00"));
}

TEST_F(Calculate, ATooLargeReserveIsNamedByItsFrame) {
    h.type("txt_reserve", QStringLiteral("99999999999999999999"));
    h.click("cmd_calc");
    EXPECT_EQ(h.take_boxes(),
              QList<Message>{error_box("The amount in Reserve is too large to calculate with.")});
    EXPECT_EQ(h.focused(), QStringLiteral("txt_reserve"));
    EXPECT_EQ(h.selected_text(), QStringLiteral("99999999999999999999"));
    EXPECT_TRUE(h.text("txt_list_fee").isEmpty());
}

TEST_F(Calculate, ATooLargePictureCountIsNamedAsAScreenReaderNamesIt) {
    h.type("combo_num_pics", QStringLiteral("99999999999999999999"));
    h.click("cmd_calc");
    EXPECT_EQ(h.take_boxes(),
              QList<Message>{
                  error_box("The amount in Number of Pictures is too large to calculate with.")});
    EXPECT_EQ(h.focused(), QStringLiteral("combo_num_pics"));
    EXPECT_EQ(h.selected_text(), QStringLiteral("99999999999999999999"));
}

TEST_F(Calculate, ATooLargeEndPriceIsNamedByItsFrame) {
    h.type("txt_end_price", QStringLiteral("1e20"));
    h.type("txt_other_costs", QStringLiteral("2"));
    h.click("cmd_calc");
    EXPECT_EQ(h.take_boxes(), QList<Message>{error_box(
                                  "The amount in Ending Price is too large to calculate with.")});
    EXPECT_EQ(h.focused(), QStringLiteral("txt_end_price"));
}

// The field's check passed it, but the strict reading of the payment fee
// cannot: "1e400" is a number too large for any amount.
TEST_F(Calculate, AnEndPriceBeyondAnyAmountIsNamedByItsFrame) {
    h.type("txt_end_price", QStringLiteral("1e400"));
    h.press_enter();
    EXPECT_EQ(h.take_boxes(), QList<Message>{error_box(
                                  "The amount in Ending Price is too large to calculate with.")});
    EXPECT_EQ(h.focused(), QStringLiteral("txt_end_price"));
    EXPECT_EQ(h.selected_text(), QStringLiteral("1e400"));
    EXPECT_EQ(h.text("txt_list_fee"), QStringLiteral("0.25"));
    EXPECT_TRUE(h.text("txt_paypal_fee").isEmpty());
}

// A text no check has seen, because the field kept the focus, reaches the
// engine only through a selector: Enter in a price field checks it first.
TEST_F(Calculate, AnUnreadableReserveReachingTheEngineGetsTheFieldsOwnPrompt) {
    h.control<QLineEdit>("txt_reserve")->setText(QStringLiteral("Free"));
    h.focus("chk_bold");
    h.press_enter();
    EXPECT_EQ(h.take_boxes(),
              QList<Message>{price_box(
                  "Please enter a valid amount. You can also enter none or 0 for no reserve")});
    EXPECT_EQ(h.focused(), QStringLiteral("txt_reserve"));
    EXPECT_TRUE(h.text("txt_list_fee").isEmpty());
}

TEST_F(Calculate, FiguresTooLargeTogetherLeaveTheFocusWhereItIs) {
    h.type("txt_end_price", QStringLiteral("500000000000000"));
    h.type("txt_ship_charged", QStringLiteral("500000000000000"));
    h.press_enter();
    EXPECT_EQ(h.take_boxes(),
              QList<Message>{error_box("The figures are too large to calculate with.")});
    EXPECT_EQ(h.focused(), QStringLiteral("txt_ship_charged"));
    EXPECT_EQ(h.text("txt_list_fee"), QStringLiteral("0.25"));
    EXPECT_TRUE(h.text("txt_paypal_fee").isEmpty());
}

TEST_F(Calculate, TheRunReadsNumbersTheLocalesWay) {
    {
        const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
        h.type("txt_reserve", QStringLiteral("1.000"));
        h.click("cmd_calc");
    }
    EXPECT_TRUE(h.take_boxes().isEmpty());
    EXPECT_EQ(h.text("txt_list_fee"), QStringLiteral("14.80")); // 4.80 + 1 % of 1000
}

} // namespace
} // namespace quillet::test
