#include "engine/driver.h"
#include "engine/price_reading.h"

#include "calculation_run.h"

#include "printers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillet {
namespace {

using testing_support::calculate_with;

// The result texts, in the order the stages write them.
std::vector<std::string> results(const WindowState& s) {
    std::vector<std::string> texts;
    for (const StageEntry& stage : stages)
        for (ResultField field : stage.results)
            texts.push_back(s.*field);
    return texts;
}

WindowState full_run_inputs() {
    WindowState s;
    s.cmb_start_price = "$1 - $9.99"; // listing fee 0.35
    s.txt_end_price = "10.00";
    s.txt_ship_charged = "5.00";
    s.txt_item_cost = "4.00";
    s.txt_ship_cost = "3.00";
    s.txt_other_costs = "1.00";
    return s;
}

TEST(Driver, FullRunWithPaypalTickedUntickedAndGreyed) {
    auto run = calculate_with(full_run_inputs());
    EXPECT_TRUE(run.outcome.ok());
    EXPECT_EQ(results(run.state), (std::vector<std::string>{"0.35", "0.74", "0.52", "0.88", "2.61",
                                                            "15.00", "9.61", "5.39", "35.93"}));
    for (CheckState paypal : {CheckState::unticked, CheckState::greyed}) {
        auto inputs = full_run_inputs();
        inputs.chk_paypal = paypal;
        run = calculate_with(inputs);
        EXPECT_EQ(results(run.state),
                  (std::vector<std::string>{"0.35", "0.74", "0.52", "0.88", "1.87", "15.00", "8.87",
                                            "6.13", "40.87"}));
    }
}

// A price the field check accepts means what the user typed in every stage:
// each form gives the nine figures of the same amount typed plainly.
TEST(Driver, EveryPriceFieldReadsItsTextAsTyped) {
    const struct {
        const char* typed;
        const char* plain;
    } forms[] = {{"1,000.00", "1000"}, {"$1,250.00", "1250"}, {"$-5", "-5"}, {"-$5", "-5"},
                 {"2.5E2", "250"},     {"0.00005", "0"},      {"none", "0"}};
    for (const PriceField& price : prices::sale) {
        for (const auto& form : forms) {
            SCOPED_TRACE(std::string(form.typed) + " in prices::sale[" +
                         std::to_string(&price - prices::sale.data()) + "]");
            WindowState typed = full_run_inputs();
            typed.*price.text = form.typed;
            WindowState plain = full_run_inputs();
            plain.*price.text = form.plain;
            EXPECT_EQ(results(calculate_with(typed).state), results(calculate_with(plain).state));
        }
    }
}

TEST(Driver, GroupedEndPriceGivesTheFiguresOfItsAmount) {
    WindowState s;
    s.txt_end_price = "$1,250.00";
    EXPECT_EQ(results(calculate_with(s).state),
              (std::vector<std::string>{"0.25", "36.55", "31.87", "32.12", "68.67", "1250.00",
                                        "68.67", "1181.33", "94.51"}));
}

struct GateRow {
    const char* name;
    const char* end_price;
    bool runs;
};

class Gate : public testing::TestWithParam<GateRow> {};

TEST_P(Gate, DecidesWhetherSaleStagesRun) {
    WindowState s;
    s.txt_end_price = GetParam().end_price;
    s.txt_paypal_fee = "stale";
    const auto run = calculate_with(s);
    EXPECT_EQ(sale_stages_run(s, {}), GetParam().runs);
    // A sale stage ran: it wrote its figure, or failed ("0.5abc" is no amount).
    const bool sale_stage_ran = !run.state.txt_paypal_fee.empty() || !run.outcome.ok();
    EXPECT_EQ(sale_stage_ran, GetParam().runs);
    EXPECT_EQ(run.state.txt_list_fee, "0.25"); // the listing fee always runs
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Gate,
    testing::Values(GateRow{"keyword", "None", false}, GateRow{"lower_keyword", "none", false},
                    GateRow{"capital_keyword", "NONE", false}, GateRow{"zero", "0", false},
                    GateRow{"zero_cents", "0.00", false}, GateRow{"minus_zero", "-0", false},
                    GateRow{"dollar", "$5", true}, GateRow{"dollar_grouped", "$1,250.00", true},
                    GateRow{"grouped", "1,000", true}, GateRow{"tiny", "0.001", true},
                    GateRow{"below_a_count", "0.00005", false}, // a tie, to the even count 0
                    GateRow{"negative", "-5", true}, GateRow{"leading_blank", " 25", true},
                    GateRow{"empty", "", false}, GateRow{"trailing_letters", "0abc", false},
                    GateRow{"trailing_letters_nonzero", "0.5abc", true}),
    [](const auto& info) { return info.param.name; });

// After a full run, a shut gate empties the eight sale figures, as Clear
// does, rather than leave them beside a new listing fee.
TEST(Driver, ShutGateEmptiesTheSaleFiguresOfAnEarlierRun) {
    auto first = full_run_inputs();
    first.txt_end_price = "100";
    const auto before = calculate_with(first).state;
    ASSERT_FALSE(results(before).back().empty());
    for (const char* end_price : {"None", "0", "0.00"}) {
        SCOPED_TRACE(end_price);
        WindowState second = before;
        second.txt_end_price = end_price;
        second.chk_bold = CheckState::ticked;
        const auto after = calculate_with(second);
        EXPECT_TRUE(after.outcome.ok());
        EXPECT_EQ(results(after.state),
                  (std::vector<std::string>{"1.35", "", "", "", "", "", "", "", ""}));
    }
}

TEST(Driver, TinyEndPriceGivesZeroMarginAndNegativeProfit) {
    WindowState s;
    s.txt_end_price = "0.001";
    const auto run = calculate_with(s);
    EXPECT_EQ(run.state.txt_total_recv, "0.00");
    EXPECT_EQ(run.state.txt_profit_margin, "0.00");
    EXPECT_EQ(run.state.txt_profit, "-" + run.state.txt_total_spent);
}

TEST(Driver, ShippingCancellingEndPriceGivesZeroMargin) {
    WindowState s;
    s.txt_end_price = "5.00";
    s.txt_ship_charged = "-5.00";
    const auto run = calculate_with(s);
    EXPECT_EQ(run.state.txt_total_recv, "0.00");
    EXPECT_EQ(run.state.txt_profit_margin, "0.00");
}

// A failure stops the run at its stage and empties that stage's results and
// every later one, whether the gate is open or not; earlier results stand.
struct FailureRow {
    const char* name;
    void (*set)(WindowState&);
    Failure failure;
    Stage stage;
    InputField field;
};

class Failures : public testing::TestWithParam<FailureRow> {};

TEST_P(Failures, StopAndEmptyFromFailingStage) {
    const FailureRow& row = GetParam();
    WindowState s = full_run_inputs();
    for (const StageEntry& stage : stages)
        for (ResultField field : stage.results)
            s.*field = "stale";
    row.set(s);
    const auto run = calculate_with(s);
    EXPECT_EQ(run.outcome.failure, row.failure);
    EXPECT_EQ(run.outcome.stage, row.stage);
    EXPECT_EQ(run.outcome.field, row.field);
    bool failed = false;
    for (const StageEntry& stage : stages) {
        failed = failed || stage.stage == row.stage;
        SCOPED_TRACE("stage " + std::to_string(static_cast<int>(stage.stage)));
        for (ResultField field : stage.results) {
            if (failed) {
                EXPECT_EQ(run.state.*field, "");
            } else {
                EXPECT_NE(run.state.*field, "") << "earlier results stand";
                EXPECT_NE(run.state.*field, "stale");
            }
        }
    }
}

constexpr auto range = Failure::out_of_range;

INSTANTIATE_TEST_SUITE_P(
    Rows, Failures,
    testing::Values(
        FailureRow{"reserve_beyond_range", [](WindowState& s) { s.txt_reserve = "1e20"; }, range,
                   Stage::listing_fee, InputField::txt_reserve},
        FailureRow{"reserve_not_a_number", [](WindowState& s) { s.txt_reserve = "Free"; },
                   Failure::conversion, Stage::listing_fee, InputField::txt_reserve},
        FailureRow{"reserve_trailing_letters_gate_shut",
                   [](WindowState& s) {
                       s.txt_reserve = "12abc";
                       s.txt_end_price = "None";
                   },
                   Failure::conversion, Stage::listing_fee, InputField::txt_reserve},
        FailureRow{"picture_count_huge", [](WindowState& s) { s.combo_num_pics = "1e17"; }, range,
                   Stage::listing_fee, InputField::combo_num_pics},
        FailureRow{"picture_count_infinite", [](WindowState& s) { s.combo_num_pics = "1e400"; },
                   range, Stage::listing_fee, InputField::combo_num_pics},
        FailureRow{"doubled_picture_charge",
                   [](WindowState& s) {
                       s.combo_num_pics = "5e15";
                       s.chk_doublecat = CheckState::ticked;
                   },
                   range, Stage::listing_fee, InputField::none},
        FailureRow{"end_price_not_a_number", [](WindowState& s) { s.txt_end_price = "12abc"; },
                   Failure::conversion, Stage::paypal_fee, InputField::txt_end_price},
        FailureRow{"end_price_huge", [](WindowState& s) { s.txt_end_price = "1e16"; }, range,
                   Stage::paypal_fee, InputField::txt_end_price},
        FailureRow{"end_price_infinite", [](WindowState& s) { s.txt_end_price = "1e400"; }, range,
                   Stage::paypal_fee, InputField::txt_end_price},
        FailureRow{"shipping_charged_huge", [](WindowState& s) { s.txt_ship_charged = "1e16"; },
                   range, Stage::paypal_fee, InputField::txt_ship_charged},
        FailureRow{"amount_paid_sum",
                   [](WindowState& s) {
                       s.txt_end_price = "900000000000000";
                       s.txt_ship_charged = "900000000000000";
                   },
                   range, Stage::paypal_fee, InputField::none},
        // Grouped digits read strictly, in every price field, up to the range's end.
        FailureRow{"end_price_grouped_huge",
                   [](WindowState& s) { s.txt_end_price = "1,000,000,000,000,000"; }, range,
                   Stage::paypal_fee, InputField::txt_end_price},
        FailureRow{"shipping_charged_grouped_huge",
                   [](WindowState& s) { s.txt_ship_charged = "922,337,203,685,477.5808"; }, range,
                   Stage::paypal_fee, InputField::txt_ship_charged},
        FailureRow{"other_costs_grouped_huge",
                   [](WindowState& s) { s.txt_other_costs = "$922,337,203,685,477.5808"; }, range,
                   Stage::total_fees, InputField::txt_other_costs},
        FailureRow{"item_cost_grouped_largest", // in range, but not with the fees added
                   [](WindowState& s) { s.txt_item_cost = "922,337,203,685,477.5807"; }, range,
                   Stage::total_spent, InputField::none},
        FailureRow{"shipping_cost_grouped_huge",
                   [](WindowState& s) { s.txt_ship_cost = "-922,337,203,685,477.5809"; }, range,
                   Stage::total_spent, InputField::txt_ship_cost},
        FailureRow{"other_costs_huge", [](WindowState& s) { s.txt_other_costs = "1e300"; }, range,
                   Stage::total_fees, InputField::txt_other_costs},
        FailureRow{"other_costs_infinite", [](WindowState& s) { s.txt_other_costs = "1e400"; },
                   range, Stage::total_fees, InputField::txt_other_costs},
        FailureRow{"total_fees_sum",
                   [](WindowState& s) {
                       s.txt_end_price = "100000000000000";
                       s.txt_other_costs = "922337203685477";
                   },
                   range, Stage::total_fees, InputField::none},
        FailureRow{"item_cost_huge", [](WindowState& s) { s.txt_item_cost = "1e16"; }, range,
                   Stage::total_spent, InputField::txt_item_cost},
        FailureRow{"shipping_cost_huge", [](WindowState& s) { s.txt_ship_cost = "-1e16"; }, range,
                   Stage::total_spent, InputField::txt_ship_cost},
        FailureRow{"spent_sum",
                   [](WindowState& s) {
                       s.txt_item_cost = "900000000000000";
                       s.txt_ship_cost = "900000000000000";
                   },
                   range, Stage::total_spent, InputField::none},
        FailureRow{"profit_difference",
                   [](WindowState& s) {
                       s.txt_end_price = "900000000000000";
                       s.txt_item_cost = "-900000000000000";
                   },
                   range, Stage::profit, InputField::none},
        FailureRow{"margin_quotient",
                   [](WindowState& s) {
                       s.txt_end_price = "0.01";
                       s.txt_item_cost = "-900000000000000";
                   },
                   range, Stage::margin, InputField::none}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace quillet

namespace quillet {
namespace {

// The conventions change how inputs are read strictly, never how results are
// written: always a full stop and no group separator.
TEST(Driver, GermanConventionsReadPricesTheirWayAndWriteResultsWithAFullStop) {
    const NumberConventions german{",", "."};
    WindowState s;
    s.txt_reserve = "1.000,50 $"; // 1000.50: fee 10.005
    s.txt_end_price = "1.234,50";
    const auto run = testing_support::calculate_with(s, german);
    ASSERT_TRUE(run.outcome.ok());
    EXPECT_EQ(results(run.state),
              (std::vector<std::string>{"14.80", "36.10", "31.64", "46.44", "82.54", "1234.50",
                                        "82.54", "1151.96", "93.31"}));

    s.txt_end_price = "0,50"; // opens the gate
    EXPECT_EQ(testing_support::calculate_with(s, german).state.txt_total_recv, "0.50");
}

} // namespace
} // namespace quillet
