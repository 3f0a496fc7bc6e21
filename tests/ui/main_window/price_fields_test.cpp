// The six price fields select their text on entry and check it when the focus
// leaves them for another control.

#include "window_test_support.h"

#include "ui/main_window/control_table.h"

#include <QLineEdit>

#include <gtest/gtest.h>

namespace quillet::test {
namespace {

// A price field by its row of the product's table.
class PriceField : public testing::TestWithParam<std::size_t> {
protected:
    void SetUp() override {
        const ui::Controls& c = h.window().controls();
        const ui::PriceFieldRow& row = ui::price_fields[GetParam()];
        field = c.*row.widget;
        name_ = field->objectName().toStdString();
        name = name_.c_str();
        box = ui::message(row.prompt);
        keyword = field->text(); // as the start state writes it
        for (const ui::PriceFieldRow& other : ui::price_fields)
            if (other.field.keyword != row.field.keyword)
                other_keyword = (c.*other.widget)->text();
    }

    // Types into the field and moves on with Tab.
    void leave_with(const QString& text) {
        h.type(name, text);
        h.tab();
    }

    WindowHarness h;
    QLineEdit* field = nullptr;
    const char* name = nullptr;
    Message box;
    QString keyword;
    QString other_keyword; // the keyword of other fields, rejected here

private:
    std::string name_;
};

TEST_P(PriceField, RejectedTextBringsTheBoxAndTheFocusBack) {
    leave_with(QStringLiteral("12abc"));
    EXPECT_EQ(h.take_boxes(), QList<Message>{box});
    EXPECT_EQ(h.focused(), QString::fromLatin1(name));
    EXPECT_EQ(h.text(name), QStringLiteral("12abc"));
    EXPECT_EQ(h.selected_text(), QStringLiteral("12abc"));
}

TEST_P(PriceField, RejectsUntilTheTextPasses) {
    leave_with(QStringLiteral("1.2.3"));
    h.tab();
    EXPECT_EQ(h.take_boxes(), (QList<Message>{box, box}));
    EXPECT_EQ(h.focused(), QString::fromLatin1(name));
    leave_with(QStringLiteral("7"));
    EXPECT_TRUE(h.take_boxes().isEmpty());
    EXPECT_NE(h.focused(), QString::fromLatin1(name));
}

TEST_P(PriceField, EmptyTextIsRejected) {
    leave_with(QString());
    EXPECT_EQ(h.take_boxes(), QList<Message>{box});
}

TEST_P(PriceField, KeywordPassesInAnyLetterCaseButNotWithBlanks) {
    for (const QString& text : {keyword, keyword.toLower(), keyword.toUpper()}) {
        leave_with(text);
        EXPECT_TRUE(h.take_boxes().isEmpty()) << text.toStdString();
        EXPECT_EQ(h.text(name), text) << "the check changes no text";
    }
    for (const QString& text : {QLatin1Char(' ') + keyword, keyword + QLatin1Char(' ')}) {
        leave_with(text);
        EXPECT_EQ(h.take_boxes().size(), 1) << '"' << text.toStdString() << '"';
    }
}

TEST_P(PriceField, TheOtherKeywordIsRejected) {
    ASSERT_FALSE(other_keyword.isEmpty());
    leave_with(other_keyword);
    EXPECT_EQ(h.take_boxes(), QList<Message>{box});
}

TEST_P(PriceField, NumbersPassExactlyAsTyped) {
    for (const char* typed : {"0", "-0", "  12  ", "$5", "1,000.50", "12.5"}) {
        leave_with(QString::fromLatin1(typed));
        EXPECT_TRUE(h.take_boxes().isEmpty()) << typed;
        EXPECT_EQ(h.text(name), QString::fromLatin1(typed));
    }
}

// No price is below 0: Tab and Enter refuse a negative amount however it is
// written, with the field's own box, and keep it.
TEST_P(PriceField, NegativeAmountsAreRefused) {
    for (const char* typed : {"-10", "$-5", "-$5", "-0.01", "-1e400"}) {
        leave_with(QString::fromLatin1(typed));
        EXPECT_EQ(h.take_boxes(), QList<Message>{box}) << typed;
        EXPECT_EQ(h.focused(), QString::fromLatin1(name));
        EXPECT_EQ(h.text(name), QString::fromLatin1(typed));
        h.press_enter();
        EXPECT_EQ(h.take_boxes(), QList<Message>{box}) << typed;
        EXPECT_TRUE(h.text("txt_list_fee").isEmpty()) << "no run";
    }
}

TEST_P(PriceField, SelectsTheWholeTextOnEntry) {
    h.control<QLineEdit>(name)->setText(QStringLiteral("42.00"));
    h.focus("chk_paypal");
    h.focus(name);
    EXPECT_EQ(h.selected_text(), QStringLiteral("42.00"));
}

TEST_P(PriceField, ClickingCalculateAwayFromARejectedTextDropsTheClick) {
    for (const bool slow : {false, true}) {
        h.type(name, QStringLiteral("abc"));
        slow ? h.click_slowly("cmd_calc") : h.click("cmd_calc");
        EXPECT_EQ(h.take_boxes(), QList<Message>{box});
        EXPECT_EQ(h.focused(), QString::fromLatin1(name));
        EXPECT_EQ(h.selected_text(), QStringLiteral("abc"));
        EXPECT_TRUE(h.text("txt_list_fee").isEmpty()) << "Calculate did not run";
    }
}

TEST_P(PriceField, ClickingClearAwayFromARejectedTextStillClears) {
    for (const bool slow : {false, true}) {
        h.click("chk_bold");
        h.type(name, QStringLiteral("abc"));
        slow ? h.click_slowly("cmd_clear") : h.click("cmd_clear");
        EXPECT_EQ(h.take_boxes(), QList<Message>{box});
        EXPECT_EQ(h.text(name), keyword);
        EXPECT_FALSE(h.ticked("chk_bold")) << "Clear ran once, fully";
        EXPECT_EQ(h.focused(), QString::fromLatin1(name));
    }
}

TEST_P(PriceField, ClickingACheckBoxAwayFromARejectedTextDoesNotTickIt) {
    for (const bool slow : {false, true}) {
        h.type(name, QStringLiteral("abc"));
        slow ? h.click_slowly("chk_bold") : h.click("chk_bold");
        EXPECT_EQ(h.take_boxes().size(), 1);
        EXPECT_EQ(h.focused(), QString::fromLatin1(name));
        EXPECT_FALSE(h.ticked("chk_bold"));
    }
}

TEST_P(PriceField, EnterOnARejectedTextShowsItsBoxAndCalculatesNothing) {
    h.type(name, QStringLiteral("12abc"));
    h.press_enter();
    EXPECT_EQ(h.take_boxes(), QList<Message>{box});
    EXPECT_EQ(h.focused(), QString::fromLatin1(name));
    EXPECT_EQ(h.selected_text(), QStringLiteral("12abc"));
    EXPECT_TRUE(h.text("txt_list_fee").isEmpty());
}

TEST_P(PriceField, OpeningAMenuOrAnotherWindowIsNoLostFocus) {
    h.type(name, QStringLiteral("abc"));
    h.trigger("About");
    EXPECT_TRUE(h.take_boxes().isEmpty());
    h.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&h.window()));
    WindowHarness::settle();
    EXPECT_TRUE(h.take_boxes().isEmpty());
    EXPECT_EQ(h.focused(), QString::fromLatin1(name));
}

TEST_P(PriceField, ComingBackFromAnotherWindowOntoAnotherControlChecks) {
    h.type(name, QStringLiteral("abc"));
    h.trigger("About");
    // On X the activation moves when the server says so, not at once.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !h.window().isActiveWindow(); }));
    h.control("chk_paypal")->setFocus(Qt::MouseFocusReason); // the click that reactivates
    h.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&h.window()));
    WindowHarness::settle();
    EXPECT_EQ(h.take_boxes(), QList<Message>{box});
    EXPECT_EQ(h.focused(), QString::fromLatin1(name));
}

INSTANTIATE_TEST_SUITE_P(Fields, PriceField,
                         testing::Range<std::size_t>(0, ui::price_fields.size()));

class PriceFields : public testing::Test {
protected:
    WindowHarness h;
};

// Every amount is in dollars: a locale's own currency sign is no price.
TEST_F(PriceFields, OnlyTheDollarIsACurrencySignUnderEveryLocale) {
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    for (const char* typed : {"\u20ac5", "5 \u20ac", "1.000,50 \u20ac"}) {
        h.focus("txt_end_price"); // pasted: the test keyboard types ASCII only
        h.control<QLineEdit>("txt_end_price")->setText(QString::fromUtf8(typed));
        h.tab();
        EXPECT_EQ(h.take_boxes().size(), 1) << typed;
    }
    h.type("txt_end_price", QStringLiteral("$5"));
    h.tab();
    EXPECT_TRUE(h.take_boxes().isEmpty());
}

TEST_F(PriceFields, ALocaleWithOtherSeparatorsChecksByItsOwnRules) {
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    h.type("txt_reserve", QStringLiteral("1.000,50"));
    h.tab();
    EXPECT_TRUE(h.take_boxes().isEmpty());
    h.type("txt_reserve", QStringLiteral("1,000.50"));
    h.tab();
    EXPECT_EQ(h.take_boxes().size(), 1);
}

TEST_F(PriceFields, MovingBetweenTwoValidFieldsShowsNothing) {
    for (int i = 0; i < 30; ++i)
        h.tab();
    EXPECT_TRUE(h.take_boxes().isEmpty());
}

} // namespace
} // namespace quillet::test
