// The help line follows the mouse, and the keyboard focus.

#include "window_test_support.h"

#include "ui/main_window/control_table.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace quillet::test {
namespace {

struct Help {
    const char* name; // the control's
    const char* text;
};

class HelpText : public testing::TestWithParam<Help> {
protected:
    WindowHarness h;
};

TEST_P(HelpText, ShowsWhileThePointerIsOverItsControl) {
    h.hover(GetParam().name);
    EXPECT_EQ(h.text("lbl_help"), QString::fromUtf8(GetParam().text));
    h.hover(GetParam().name, QPoint(5, 6)); // each move writes it again
    EXPECT_EQ(h.text("lbl_help"), QString::fromUtf8(GetParam().text));
}

// A few rows as the user reads them; every row's line is checked below.
INSTANTIATE_TEST_SUITE_P(
    Controls, HelpText,
    testing::Values(
        Help{"chk_doublecat", "Updates the cost if you plan to list in 2 catergories. All "
                              "listing costs are doubled."},
        Help{"chk_hfeatured", "Features your item on the eBaY hompepage, cost is $39.95"},
        Help{"chk_paypal", "Uncheck to not count paypal fees as part of your cost. Useful if "
                           "you receive payment in Cash or Check"},
        Help{"txt_end_price", "Enter your estimated end price for your item. Used to "
                              "calculate final value fees e.t.c"}),
    RowName());

class Emptying : public testing::TestWithParam<const char*> {
protected:
    WindowHarness h;
};

// Over a frame's own background (its caption area here) the line empties.
TEST_P(Emptying, FrameBackgroundEmptiesTheLine) {
    h.hover("chk_bold");
    ASSERT_FALSE(h.text("lbl_help").isEmpty());
    h.hover(GetParam(), QPoint(3, 3));
    EXPECT_TRUE(h.text("lbl_help").isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Frames, Emptying,
                         testing::Values("quick_help", "fr_cost", "fr_start_price", "Frame2",
                                         "Frame1", "fr_end_price", "fr_ship_charged",
                                         "fr_ship_cost", "fr_other_costs", "fr_pic_options",
                                         "fr_options", "fr_costs"));

class Keeping : public testing::TestWithParam<const char*> {
protected:
    WindowHarness h;
};

// A label, a drop-down, a button and "Sub Title" have no help of their own.
TEST_P(Keeping, ControlWithoutHelpKeepsTheLine) {
    h.hover("txt_reserve");
    const QString before = h.text("lbl_help");
    ASSERT_FALSE(before.isEmpty());
    h.hover(GetParam(), QPoint(4, 4));
    EXPECT_EQ(h.text("lbl_help"), before);
}

INSTANTIATE_TEST_SUITE_P(Controls, Keeping,
                         testing::Values("chk_sub", "Label1", "Label8", "lbl_list_fee", "lbl_help",
                                         "cmb_start_price", "cmb_bin", "combo_num_pics", "cmd_calc",
                                         "cmd_clear"));

class QuickHelp : public testing::Test {
protected:
    WindowHarness h;
};

// The line is one row high: every text shows in full, in the label's own font
// where it fits and in a just smaller one where the font is too wide for it.
void expect_every_text_fits(WindowHarness& h) {
    auto* line = h.control<QLabel>("lbl_help");
    const QFont base = line->font();
    const qreal room = line->contentsRect().width();
    const ui::Controls& c = h.window().controls();
    std::vector<std::pair<QWidget*, std::string_view>> helped;
    for (const ui::PriceFieldRow& row : ui::price_fields)
        helped.emplace_back(c.*row.widget, row.help);
    for (const ui::OptionRow& row : ui::options)
        if (!row.help.empty())
            helped.emplace_back(c.*row.widget, row.help);
    for (const auto& [control, text] : helped) {
        const std::string name = control->objectName().toStdString();
        h.hover(name.c_str());
        ASSERT_EQ(line->text(), QString::fromUtf8(text.data(), text.size()));
        EXPECT_LE(QFontMetricsF(line->font()).horizontalAdvance(line->text()), room) << name;
        if (QFontMetricsF(base).horizontalAdvance(line->text()) <= room) {
            EXPECT_EQ(line->font(), base) << name << " keeps the full size";
        }
    }
}

TEST_F(QuickHelp, EveryTextFitsTheLine) {
    expect_every_text_fits(h);
}

TEST_F(QuickHelp, AWiderFontStepsDownOnlyForTheTextsThatNeedIt) {
    auto* line = h.control<QLabel>("lbl_help");
    QFont wide = line->font();
    wide.setPointSizeF(13); // wide enough that the longest lines overrun
    line->setFont(wide);
    expect_every_text_fits(h);
    h.hover("chk_pic_pack");
    EXPECT_LT(line->font().pointSizeF(), 13);
}

TEST_F(QuickHelp, StartsEmpty) {
    EXPECT_TRUE(h.text("lbl_help").isEmpty());
}

TEST_F(QuickHelp, FromGalleryOverSubTitleToTheGapBetweenTheBoxes) {
    h.hover("chk_gallery");
    h.hover("chk_sub");
    EXPECT_EQ(h.text("lbl_help"),
              QStringLiteral("Gallery displays a picture next to your listing, cost is 35 cents."));
    // Between "Gallery" (ends at 1455 twips) and the first line (2160).
    h.hover("fr_options", QPoint(1800 / 15, 400 / 15));
    EXPECT_TRUE(h.text("lbl_help").isEmpty());
}

TEST_F(QuickHelp, ADisabledOptionCountsAsItsFrame) {
    h.click("chk_gallery");
    h.hover("chk_gfeatured");
    EXPECT_TRUE(h.text("lbl_help").isEmpty());
    h.click("chk_gallery");
    ASSERT_TRUE(h.enabled("chk_gfeatured"));
    h.hover("chk_gfeatured", QPoint(7, 4));
    EXPECT_EQ(h.text("lbl_help"),
              QStringLiteral("Features your item in the gallery featured section. Cost is $19.95"));
}

TEST_F(QuickHelp, ResultFieldsAndLinesCountAsTheirFrame) {
    for (const char* name : {"txt_list_fee", "txt_paypal_fee", "txt_profit", "Line1", "Line4"}) {
        h.hover("txt_end_price");
        h.hover(name, QPoint(0, 10));
        EXPECT_TRUE(h.text("lbl_help").isEmpty()) << name;
    }
}

// Between the frames and the buttons, and beyond the form in a larger window.
TEST_F(QuickHelp, WindowBackgroundEmptiesTheLine) {
    const QWidget* form = h.window().controls().surface;
    h.window().resize(h.window().size() + QSize(100, 100));
    WindowHarness::settle();
    for (const QPoint at : {QPoint(60, 7100 / 15), QPoint(form->width() + 50, 100)}) {
        h.hover("txt_end_price");
        h.hover_surface(at);
        EXPECT_TRUE(h.text("lbl_help").isEmpty()) << at.x() << ", " << at.y();
    }
}

// Tab reaches the same lines as the mouse; a control without one keeps the
// line, and the mouse still has its way.
TEST_F(QuickHelp, TheLineFollowsTheKeyboardFocusToo) {
    h.focus("txt_other_costs");
    EXPECT_EQ(h.text("lbl_help"), QStringLiteral("Enter other costs associated with your sale (e.g "
                                                 "handling, 3rd party fees e.t.c)."));
    h.tab(); // the picture count has no line
    EXPECT_EQ(h.text("lbl_help"), QStringLiteral("Enter other costs associated with your sale (e.g "
                                                 "handling, 3rd party fees e.t.c)."));
    h.tab();
    EXPECT_EQ(h.text("lbl_help"),
              QStringLiteral("Picture show displays your pictures at the top of "
                             "your listing, Cost is 25 cents."));
    h.hover("chk_bold");
    EXPECT_EQ(h.text("lbl_help"),
              QStringLiteral("Displays your listing in bold type, cost is $1."));
    h.hover_surface(QPoint(60, 7100 / 15));
    EXPECT_TRUE(h.text("lbl_help").isEmpty());
}

TEST_F(QuickHelp, CalculatingLeavesTheLineAndClearEmptiesIt) {
    h.hover("chk_bold");
    h.control<QPushButton>("cmd_calc")->click();
    EXPECT_FALSE(h.text("lbl_help").isEmpty());
    h.control<QPushButton>("cmd_clear")->click();
    EXPECT_TRUE(h.text("lbl_help").isEmpty());
}

} // namespace
} // namespace quillet::test
