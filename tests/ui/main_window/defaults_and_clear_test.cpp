// The starting state, its lists, and "Clear".

#include "window_test_support.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace quillet::test {
namespace {

const QStringList option_boxes{"chk_sub",       "chk_pic_show", "chk_supersize", "chk_pic_pack",
                               "chk_gallery",   "chk_bold",     "chk_10day",     "chk_border",
                               "chk_highlight", "chk_gift",     "chk_doublecat", "chk_gfeatured",
                               "chk_fplus",     "chk_hfeatured"};
const QStringList result_fields{"txt_list_fee",    "txt_fvf",       "Txt_ebay_fees",
                                "txt_paypal_fee",  "txt_total_fee", "txt_total_recv",
                                "txt_total_spent", "txt_profit",    "txt_profit_margin"};

QStringList items(QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

class Defaults : public testing::Test {
protected:
    // Everything the start state and "Clear" fix, checked as one.
    void expect_start_state() {
        EXPECT_EQ(h.text("txt_item_cost"), QStringLiteral("Free"));
        for (const char* field : {"txt_reserve", "txt_end_price", "txt_ship_charged",
                                  "txt_ship_cost", "txt_other_costs"})
            EXPECT_EQ(h.text(field), QStringLiteral("None")) << field;
        EXPECT_EQ(h.text("cmb_start_price"), QStringLiteral("$0.01 - $0.99"));
        EXPECT_EQ(h.text("cmb_bin"), QStringLiteral("None"));
        EXPECT_EQ(h.text("combo_num_pics"), QStringLiteral("1"));
        EXPECT_EQ(h.control<QCheckBox>("chk_paypal")->checkState(), Qt::Checked);
        for (const QString& name : option_boxes) {
            auto* box = h.control<QCheckBox>(name.toLatin1().constData());
            EXPECT_EQ(box->checkState(), Qt::Unchecked) << name.toStdString();
            EXPECT_TRUE(box->isEnabled()) << name.toStdString();
        }
        for (const QString& name : result_fields) {
            auto* field = h.control<QLineEdit>(name.toLatin1().constData());
            EXPECT_TRUE(field->text().isEmpty()) << name.toStdString();
        }
        EXPECT_TRUE(h.text("lbl_help").isEmpty());
        expect_lists();
    }

    void expect_lists() {
        EXPECT_EQ(items(h.control<QComboBox>("cmb_start_price")),
                  (QStringList{"$0.01 - $0.99", "$1 - $9.99", "$10 - $24.99", "$25 - $49.99",
                               "$50 - $199.99", "$200 - $499.99", "$500 or more"}));
        EXPECT_EQ(
            items(h.control<QComboBox>("cmb_bin")),
            (QStringList{"None", "$0.01 - $9.99", "$10 - $24.99", "$25 - $49.99", "$50 or more"}));
        EXPECT_EQ(items(h.control<QComboBox>("combo_num_pics")),
                  (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}));
    }

    // Moves every input and result away from its start state.
    void change_everything() {
        h.type("txt_item_cost", QStringLiteral("4"));
        h.type("cmb_start_price", QStringLiteral("$10 - $24.99"));
        h.type("cmb_bin", QStringLiteral("$50 or more"));
        h.type("txt_reserve", QStringLiteral("30"));
        h.type("txt_end_price", QStringLiteral("100"));
        h.type("txt_ship_charged", QStringLiteral("5"));
        h.type("txt_ship_cost", QStringLiteral("3"));
        h.type("txt_other_costs", QStringLiteral("1"));
        h.type("combo_num_pics", QStringLiteral("7"));
        for (const QString& name : option_boxes)
            h.control<QCheckBox>(name.toLatin1().constData())->setCheckState(Qt::Checked);
        h.control<QCheckBox>("chk_paypal")->setCheckState(Qt::Unchecked);
        h.click("cmd_calc");
        h.hover("chk_bold");
        ASSERT_TRUE(h.take_boxes().isEmpty());
        ASSERT_FALSE(h.text("txt_profit").isEmpty());
        ASSERT_FALSE(h.text("lbl_help").isEmpty());
    }

    WindowHarness h;
};

TEST_F(Defaults, StartState) {
    expect_start_state();
}

// The program sets the boxes by their texts alone: at start, and after Clear
// although the user had picked items, each list opens with nothing marked.
TEST_F(Defaults, ListsSelectNoPosition) {
    const auto expect_none_marked = [this](const char* when) {
        for (const char* name : {"cmb_start_price", "cmb_bin", "combo_num_pics"}) {
            auto* box = h.control<QComboBox>(name);
            EXPECT_EQ(box->currentIndex(), -1) << name << when;
            box->showPopup();
            WindowHarness::settle();
            EXPECT_FALSE(box->view()->selectionModel()->hasSelection()) << name << when;
            box->hidePopup();
            WindowHarness::settle();
        }
    };
    expect_none_marked(" at start");
    for (const char* name : {"cmb_start_price", "cmb_bin", "combo_num_pics"})
        h.control<QComboBox>(name)->setCurrentIndex(2);
    h.click("cmd_clear");
    expect_none_marked(" after Clear");
}

TEST_F(Defaults, ClearRestoresTheStartState) {
    change_everything();
    h.click("cmd_clear");
    expect_start_state();
    EXPECT_TRUE(h.take_boxes().isEmpty());
}

TEST_F(Defaults, ClearTwiceAppendsNothing) {
    h.click("cmd_clear");
    h.click("cmd_clear");
    expect_lists();
}

TEST_F(Defaults, ClearEnablesTheInterlockedBoxes) {
    h.click("chk_gallery");
    h.click("chk_pic_pack");
    ASSERT_FALSE(h.enabled("chk_gfeatured"));
    ASSERT_FALSE(h.enabled("chk_pic_show"));
    h.click("cmd_clear");
    for (const char* name :
         {"chk_gallery", "chk_gfeatured", "chk_pic_pack", "chk_pic_show", "chk_supersize"}) {
        EXPECT_FALSE(h.ticked(name)) << name;
        EXPECT_TRUE(h.enabled(name)) << name;
    }
}

TEST_F(Defaults, ClearEnablesGalleryAfterGalleryFeatured) {
    h.click("chk_gfeatured");
    ASSERT_FALSE(h.enabled("chk_gallery"));
    h.click("cmd_clear");
    EXPECT_TRUE(h.enabled("chk_gallery"));
    EXPECT_TRUE(h.enabled("chk_gfeatured"));
}

TEST_F(Defaults, ClearRestoresATypedStartingPrice) {
    h.type("cmb_start_price", QStringLiteral("$500 or more"));
    h.click("cmd_clear");
    EXPECT_EQ(h.text("cmb_start_price"), QStringLiteral("$0.01 - $0.99"));
}

TEST_F(Defaults, ClearMovesNoFocusAndDoesNotCalculate) {
    h.focus("txt_reserve");
    h.control<QPushButton>("cmd_clear")->click(); // a click that moves no focus
    WindowHarness::settle();
    EXPECT_EQ(h.focused(), QStringLiteral("txt_reserve"));
    EXPECT_TRUE(h.text("txt_list_fee").isEmpty());
}

TEST_F(Defaults, EnterOnAFocusedClearClearsInsteadOfCalculating) {
    h.type("txt_reserve", QStringLiteral("30"));
    h.focus("cmd_clear");
    h.press_enter();
    EXPECT_EQ(h.text("txt_reserve"), QStringLiteral("None"));
    EXPECT_TRUE(h.text("txt_list_fee").isEmpty());
}

} // namespace
} // namespace quillet::test
