#include "engine/fee_schedule.h"

#include "calculation_run.h"
#include "printers.h"

#include <gtest/gtest.h>

#include <functional>

namespace quillet {
namespace {

using testing_support::calculate_with;

constexpr CheckState on = CheckState::ticked;

struct ListingRow {
    const char* name;
    std::function<void(WindowState&)> set;
    const char* fee;
};

class ListingFee : public testing::TestWithParam<ListingRow> {};

TEST_P(ListingFee, ShowsFeeRoundedOnceAfterDoubling) {
    WindowState state; // "$0.01 - $0.99", no reserve, no Buy-It-Now, one picture
    GetParam().set(state);
    const auto run = calculate_with(state);
    EXPECT_TRUE(run.outcome.ok());
    EXPECT_TRUE(run.notices.empty());
    EXPECT_EQ(run.state.txt_list_fee, GetParam().fee);
}

void start(WindowState& s, const char* label) {
    s.cmb_start_price = label;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ListingFee,
    testing::Values(
        ListingRow{"nothing_else", [](WindowState&) {}, "0.25"},
        ListingRow{"bold_and_gallery",
                   [](WindowState& s) {
                       start(s, "$10 - $24.99");
                       s.chk_bold = s.chk_gallery = on;
                   },
                   "1.95"},
        ListingRow{"all_ten_upgrades",
                   [](WindowState& s) {
                       start(s, "$500 or more");
                       for (const Upgrade& u : upgrades)
                           s.*u.box = on;
                   },
                   "95.15"},
        ListingRow{"greyed_counts_nothing",
                   [](WindowState& s) {
                       s.chk_bold = s.chk_doublecat = s.chk_pic_pack = CheckState::greyed;
                   },
                   "0.25"},
        ListingRow{"bin_band",
                   [](WindowState& s) {
                       start(s, "$1 - $9.99");
                       s.cmb_bin = "$25 - $49.99";
                   },
                   "0.55"},
        ListingRow{"bin_lowest", [](WindowState& s) { s.cmb_bin = "$0.01 - $9.99"; }, "0.30"},
        ListingRow{"bin_unknown_text_takes_top", [](WindowState& s) { s.cmb_bin = "junk"; },
                   "0.50"},
        ListingRow{"bin_none_lower_case",
                   [](WindowState& s) {
                       start(s, "$1 - $9.99");
                       s.cmb_bin = "none";
                   },
                   "0.35"},
        ListingRow{"reserve_tier_replaces_lower_start",
                   [](WindowState& s) {
                       start(s, "$1 - $9.99");
                       s.txt_reserve = "30";
                   },
                   "2.20"},
        ListingRow{"reserve_tier_replaces_higher_start",
                   [](WindowState& s) {
                       start(s, "$50 - $199.99");
                       s.txt_reserve = "30";
                   },
                   "2.20"},
        ListingRow{"reserve_0_99", [](WindowState& s) { s.txt_reserve = "0.99"; }, "1.25"},
        ListingRow{"reserve_1", [](WindowState& s) { s.txt_reserve = "1"; }, "1.35"},
        ListingRow{"reserve_10", [](WindowState& s) { s.txt_reserve = "10"; }, "1.60"},
        ListingRow{"reserve_24_99", [](WindowState& s) { s.txt_reserve = "24.99"; }, "1.60"},
        ListingRow{"reserve_49_99", [](WindowState& s) { s.txt_reserve = "49.99"; }, "2.20"},
        ListingRow{"reserve_50", [](WindowState& s) { s.txt_reserve = "50"; }, "4.40"},
        ListingRow{"reserve_199_99", [](WindowState& s) { s.txt_reserve = "199.99"; }, "4.40"},
        ListingRow{"reserve_200", [](WindowState& s) { s.txt_reserve = "200"; }, "5.60"},
        ListingRow{"reserve_200_50_half_even", [](WindowState& s) { s.txt_reserve = "200.50"; },
                   "5.60"},
        ListingRow{"reserve_212_35", [](WindowState& s) { s.txt_reserve = "212.35"; }, "5.72"},
        ListingRow{"reserve_212_35_doubled",
                   [](WindowState& s) {
                       s.txt_reserve = "212.35";
                       s.chk_doublecat = on;
                   },
                   "11.45"},
        ListingRow{"reserve_499_99", [](WindowState& s) { s.txt_reserve = "499.99"; }, "8.60"},
        ListingRow{"reserve_500", [](WindowState& s) { s.txt_reserve = "500"; }, "9.80"},
        ListingRow{"reserve_10000", [](WindowState& s) { s.txt_reserve = "10000"; }, "104.80"},
        ListingRow{"reserve_grouped_dollars", [](WindowState& s) { s.txt_reserve = "$1,000"; },
                   "14.80"},
        ListingRow{"reserve_none_lower", [](WindowState& s) { s.txt_reserve = "none"; }, "0.25"},
        ListingRow{"reserve_none_capitals", [](WindowState& s) { s.txt_reserve = "NONE"; }, "0.25"},
        // 0 means no reserve, as the field's help says; so does a negative amount.
        ListingRow{"reserve_zero_is_none",
                   [](WindowState& s) {
                       start(s, "$10 - $24.99");
                       s.txt_reserve = "0";
                   },
                   "0.60"},
        ListingRow{"reserve_negative_is_none", [](WindowState& s) { s.txt_reserve = "-5"; },
                   "0.25"},
        ListingRow{"twelve_pictures", [](WindowState& s) { s.combo_num_pics = "12"; }, "1.90"},
        ListingRow{"twelve_pictures_pack",
                   [](WindowState& s) {
                       s.combo_num_pics = "12";
                       s.chk_pic_pack = on;
                   },
                   "1.75"},
        ListingRow{"six_pictures_pack",
                   [](WindowState& s) {
                       s.combo_num_pics = "6";
                       s.chk_pic_pack = on;
                   },
                   "1.25"},
        ListingRow{"seven_pictures_pack",
                   [](WindowState& s) {
                       s.combo_num_pics = "7";
                       s.chk_pic_pack = on;
                   },
                   "1.75"},
        ListingRow{"three_pictures_show_supersize",
                   [](WindowState& s) {
                       s.combo_num_pics = "3";
                       s.chk_pic_show = s.chk_supersize = on;
                   },
                   "1.55"},
        ListingRow{"typed_twenty_pictures", [](WindowState& s) { s.combo_num_pics = "20"; },
                   "3.10"},
        ListingRow{"typed_twenty_pictures_pack",
                   [](WindowState& s) {
                       s.combo_num_pics = "20";
                       s.chk_pic_pack = on;
                   },
                   "1.75"},
        ListingRow{"no_picture_count_pack",
                   [](WindowState& s) {
                       s.combo_num_pics = "many";
                       s.chk_pic_pack = on;
                   },
                   "1.25"},
        ListingRow{"fractional_picture_count", [](WindowState& s) { s.combo_num_pics = "2.5"; },
                   "0.48"},
        // 2.0113 + 0.09375 is rounded once: 2.10505 ties to 2.1050, so 5.7050 shows 5.70.
        ListingRow{"picture_charge_rounded_with_its_sum",
                   [](WindowState& s) {
                       s.txt_reserve = "201.13";
                       s.combo_num_pics = "1.625";
                   },
                   "5.70"},
        ListingRow{"gallery_doubled",
                   [](WindowState& s) {
                       start(s, "$25 - $49.99");
                       s.chk_gallery = s.chk_doublecat = on;
                   },
                   "3.10"}),
    [](const auto& info) { return info.param.name; });

TEST(ListingFee, UnknownStartLabelNotifiesAndGoesOnWithoutInsertionFee) {
    WindowState state;
    state.cmb_start_price = "$0.01 - $0.99 "; // a blank the selector's check never saw
    state.chk_bold = on;
    state.txt_end_price = "10";
    const auto run = calculate_with(state);
    ASSERT_EQ(run.notices.size(), 1u);
    EXPECT_EQ(run.notices[0], Notice::invalid_start_price_range);
    EXPECT_EQ(run.state.txt_list_fee, "1.00");
    EXPECT_EQ(run.state.txt_profit_margin, "78.90"); // the run went on
}

TEST(ListingFee, ReserveReplacesUnknownStartLabelWithoutNotice) {
    WindowState state;
    state.cmb_start_price = "typed";
    state.txt_reserve = "5";
    const auto run = calculate_with(state);
    EXPECT_TRUE(run.notices.empty());
    EXPECT_EQ(run.state.txt_list_fee, "1.35");
}

TEST(ListingFee, WritesFormLevelFeesOnlyWhenUsed) {
    WindowState state;
    state.cost_bin = "9"_usd;
    state.cost_reserve = "9"_usd;
    auto run = calculate_with(state);
    EXPECT_EQ(run.state.cost_bin, "9"_usd); // untouched and not added
    EXPECT_EQ(run.state.txt_list_fee, "0.25");
    state.cmb_bin = "$10 - $24.99";
    state.txt_reserve = "212.35";
    run = calculate_with(state);
    EXPECT_EQ(run.state.cost_bin, "0.10"_usd);
    EXPECT_EQ(run.state.cost_reserve, "2.1235"_usd);
}

} // namespace
} // namespace quillet
