// The details a calculation records: that they add up to the figures shown,
// and that each outcome is the calculation's own at its price.

#include "engine/driver.h"
#include "engine/fee_schedule.h"
#include "engine/price_reading.h"
#include "engine/target_price.h"
#include "engine/text_forms.h"

#include "calculation_run.h"
#include "conventions.h"
#include "printers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace quillet {
namespace {

using testing_support::calculate_with;

constexpr CheckState on = CheckState::ticked;

struct Detailed {
    WindowState state;
    CalcOutcome outcome;
    FeeDetails details;
};

Detailed calculate_detailed(WindowState state, const NumberConventions& conventions = {}) {
    Detailed run{std::move(state), {}, {}};
    run.outcome = calculate(
        run.state, conventions, [](Notice) {}, &run.details);
    return run;
}

Currency sum_of_lines(const ListingFeeParts& p) {
    Currency sum;
    const auto add = [&sum](const auto& line) {
        if (line)
            sum += line->fee;
    };
    add(p.insertion);
    for (const auto& upgrade : p.upgrades)
        sum += upgrade.fee;
    add(p.buy_it_now);
    add(p.reserve);
    add(p.extra_pictures);
    add(p.picture_pack);
    for (const auto& fee : {p.picture_show, p.supersize, p.second_category})
        sum += fee.value_or(Currency{});
    return sum;
}

// A small deterministic generator of listings over the schedule's own bands
// and boxes, with amounts in whole cents and in ten-thousandths.
class ListingGenerator {
public:
    WindowState next(const NumberConventions& conventions) {
        const auto typed = [&](std::int64_t count) {
            return in_user_form(format_money_plain(Currency::from_count(count)), conventions);
        };
        WindowState s;
        s.cmb_start_price =
            pick(8) == 0 ? "junk" : insertion_fees[pick(insertion_fees.size())].label;
        switch (pick(4)) {
        case 0:
            break; // "None"
        case 1:
            s.txt_reserve = typed(0);
            break;
        case 2: { // at a tier's bound, a ten-thousandth below or half a cent above
            const Currency bound = reserve_tiers[pick(reserve_tiers.size())].below;
            const std::int64_t offsets[] = {-1, 0, 50};
            s.txt_reserve = typed(bound.count() + offsets[pick(3)]);
            break;
        }
        default:
            s.txt_reserve = typed(1 + pick(100'000'000)); // up to 10000
        }
        if (pick(2) == 0)
            s.cmb_bin = bin_fees[pick(bin_fees.size())].label;
        for (const Upgrade& upgrade : upgrades)
            s.*upgrade.box = check();
        s.combo_num_pics = std::to_string(pick(13));
        for (CheckState WindowState::*box :
             {&WindowState::chk_pic_show, &WindowState::chk_supersize, &WindowState::chk_pic_pack,
              &WindowState::chk_doublecat, &WindowState::chk_paypal})
            s.*box = check();
        if (pick(6) != 0)
            s.txt_end_price = typed(100 * pick(300'000)); // whole cents up to 3000
        for (const PriceField* cost :
             {&prices::ship_charged, &prices::item_cost, &prices::ship_cost, &prices::other_costs})
            if (pick(3) != 0)
                s.*cost->text = typed(pick(500'000)); // up to 50, in ten-thousandths
        return s;
    }

private:
    std::size_t pick(std::size_t n) { return random_() % n; }
    CheckState check() { return static_cast<CheckState>(pick(4) % 3); } // ticked half the time
    std::mt19937_64 random_{20240611};
};

TEST(FeeDetails, GeneratedListingsAddUpAndOutcomesAreTheCalculations) {
    const NumberConventions conventions[] = {
        {}, test_conventions::german(), test_conventions::arabic()};
    ListingGenerator generate;
    for (int i = 0; i < 600; ++i) {
        const NumberConventions& c = conventions[i % std::size(conventions)];
        const WindowState inputs = generate.next(c);
        SCOPED_TRACE("listing " + std::to_string(i) + ": start " + inputs.cmb_start_price +
                     ", reserve " + inputs.txt_reserve + ", end " + inputs.txt_end_price);
        const Detailed run = calculate_detailed(inputs, c);
        ASSERT_TRUE(run.outcome.ok());
        const WindowState unrecorded = calculate_with(inputs, c).state;
        for (const StageEntry& stage : stages)
            for (ResultField field : stage.results)
                EXPECT_EQ(run.state.*field, unrecorded.*field) << "recording changed a figure";

        const ListingFeeParts& listing = run.details.listing_fee.value();
        EXPECT_EQ(sum_of_lines(listing), listing.unrounded);
        EXPECT_EQ(nearest_cent(listing.unrounded), listing.shown);
        EXPECT_EQ(format_cents(listing.shown), run.state.txt_list_fee);

        if (const auto& fvf = run.details.final_value_fee) {
            EXPECT_EQ(fvf->fixed + fvf->product, fvf->unrounded);
            EXPECT_EQ(format_money_plain(fvf->shown), run.state.txt_fvf);
            const auto& paypal = run.details.paypal_fee.value();
            EXPECT_EQ(format_cents(paypal.shown), run.state.txt_paypal_fee);
            EXPECT_EQ(paypal.counted, is_ticked(inputs.chk_paypal));
        }

        const SaleOutcomes& outcomes = run.details.outcomes;
        EXPECT_EQ(outcomes.at_end_price, run.state.txt_profit);
        EXPECT_EQ(leading_number(outcomes.not_sold), -leading_number(run.state.txt_list_fee));
        if (listing.reserve) {
            const Currency reserve = listing.reserve->reserve;
            ASSERT_TRUE(outcomes.lowest_price && outcomes.lowest_is_reserve);
            EXPECT_EQ(nearest_cent(*outcomes.lowest_price), *outcomes.lowest_price);
            EXPECT_GE(*outcomes.lowest_price, reserve);
            EXPECT_LT(*outcomes.lowest_price - reserve, "0.01"_usd);
        } else {
            EXPECT_EQ(outcomes.lowest_price, band_lowest_price(inputs.cmb_start_price));
        }
        if (outcomes.lowest_price) {
            WindowState at_lowest = inputs;
            at_lowest.txt_end_price = in_user_form(format_cents(*outcomes.lowest_price), c);
            EXPECT_EQ(outcomes.at_lowest_price, calculate_with(at_lowest, c).state.txt_profit);
        } else {
            EXPECT_EQ(outcomes.at_lowest_price, "");
        }
    }
}

// Worked by hand from the schedule; each part written out as a line of text.
std::string number(double x) {
    std::ostringstream out;
    out << x;
    return out.str();
}

std::string money(Currency m) {
    return format_money_plain(m);
}

std::vector<std::string> listing_lines(const ListingFeeParts& p) {
    std::vector<std::string> lines;
    if (p.insertion)
        lines.push_back("insertion " + std::string(p.insertion->band) +
                        (p.insertion->reserve_replaced_band ? " (reserve's)" : "") + " " +
                        money(p.insertion->fee));
    for (const auto& upgrade : p.upgrades)
        lines.push_back((upgrade.box == &WindowState::chk_sub       ? "sub title "
                         : upgrade.box == &WindowState::chk_gallery ? "gallery "
                                                                    : "other upgrade ") +
                        money(upgrade.fee));
    if (p.buy_it_now)
        lines.push_back("buy it now " + std::string(p.buy_it_now->band) + " " +
                        money(p.buy_it_now->fee));
    if (p.reserve)
        lines.push_back("reserve " + money(p.reserve->reserve) +
                        (p.reserve->rate ? " at " + number(*p.reserve->rate) : " flat") + " " +
                        money(p.reserve->fee));
    if (p.extra_pictures)
        lines.push_back("pictures " + number(p.extra_pictures->count) + " x " +
                        number(p.extra_pictures->rate) + " " + money(p.extra_pictures->fee));
    if (p.picture_show)
        lines.push_back("picture show " + money(*p.picture_show));
    if (p.supersize)
        lines.push_back("supersize " + money(*p.supersize));
    if (p.picture_pack)
        lines.push_back("pack " + number(p.picture_pack->pictures) + " over " +
                        number(p.picture_pack->limit) + " " + money(p.picture_pack->fee));
    if (p.second_category)
        lines.push_back("second category " + money(*p.second_category));
    lines.push_back("= " + money(p.unrounded) + " -> " + money(p.shown));
    return lines;
}

std::string final_value_line(const std::optional<FinalValueFeeParts>& f) {
    if (!f)
        return "";
    return "tier " + std::to_string(f->tier) + ": " + money(f->fixed) + " + " + money(f->rate) +
           " x (" + money(f->price) + " - " + money(f->threshold) + ") = " + money(f->unrounded) +
           " -> " + money(f->shown);
}

std::string paypal_line(const std::optional<PayPalFeeParts>& p) {
    if (!p)
        return "";
    return number(p->rate) + " x " + money(p->base) + " + " + number(p->fixed) + " = " +
           money(p->unrounded) + " -> " + money(p->shown) + (p->counted == true ? " counted" : "");
}

std::vector<std::string> outcome_lines(const FeeDetails& d) {
    const SaleOutcomes& o = d.outcomes;
    return {"return on cost " + d.shares.return_on_cost,
            "fees of received " + d.shares.fees_of_received, "at end price " + o.at_end_price,
            "lowest " + (o.lowest_price ? money(*o.lowest_price) : std::string("none")) +
                (o.lowest_is_reserve ? " (reserve)" : "") + ": " + o.at_lowest_price,
            "not sold " + o.not_sold};
}

struct WorkedRow {
    const char* name;
    std::function<void(WindowState&)> set;
    std::vector<std::string> listing;
    std::string final_value;
    std::string paypal;
    std::vector<std::string> outcomes;
};

class FeeDetailsWorked : public testing::TestWithParam<WorkedRow> {};

TEST_P(FeeDetailsWorked, RecordsEachPartAndOutcome) {
    WindowState state;
    GetParam().set(state);
    const Detailed run = calculate_detailed(state);
    ASSERT_TRUE(run.details.listing_fee);
    EXPECT_EQ(listing_lines(*run.details.listing_fee), GetParam().listing);
    EXPECT_EQ(final_value_line(run.details.final_value_fee), GetParam().final_value);
    EXPECT_EQ(paypal_line(run.details.paypal_fee), GetParam().paypal);
    EXPECT_EQ(outcome_lines(run.details), GetParam().outcomes);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FeeDetailsWorked,
    testing::Values(
        WorkedRow{"costs_and_shipping",
                  [](WindowState& s) {
                      s.cmb_start_price = "$1 - $9.99";
                      s.txt_end_price = "10.00";
                      s.txt_ship_charged = "5.00";
                      s.txt_item_cost = "4.00";
                      s.txt_ship_cost = "3.00";
                      s.txt_other_costs = "1.00";
                  },
                  {"insertion $1 - $9.99 0.35", "= 0.35 -> 0.35"},
                  "tier 0: 0 + 0.0525 x (10 - 0) = 0.525 -> 0.52",
                  "0.029 x 15 + 0.3 = 0.735 -> 0.74 counted",
                  // 5.39 / 9.61 and 2.61 / 15.00; at 1.00 the fees are 0.05 and 0.47
                  {"return on cost 56.09", "fees of received 17.40", "at end price 5.39",
                   "lowest 1: -2.87", "not sold -0.35"}},
        WorkedRow{"reserve_in_its_own_band",
                  [](WindowState& s) {
                      s.cmb_start_price = "$200 - $499.99";
                      s.txt_reserve = "250";
                      s.chk_gallery = s.chk_sub = on;
                      s.combo_num_pics = "5";
                      s.txt_end_price = "310.00";
                      s.txt_item_cost = "150";
                  },
                  {"insertion $200 - $499.99 3.6", "sub title 0.5", "gallery 0.35",
                   "reserve 250 at 0.01 2.5", "pictures 4 x 0.15 0.6", "= 7.55 -> 7.55"},
                  "tier 1: 1.31 + 0.0275 x (310 - 25) = 9.1475 -> 9.15",
                  "0.029 x 310 + 0.3 = 9.29 -> 9.29 counted",
                  // fees 25.99, spent 175.99, profit 134.01; at 250.00 the fees are
                  // 7.55, 7.50 and 7.55, the profit 250 - 172.60
                  {"return on cost 76.15", "fees of received 8.38", "at end price 134.01",
                   "lowest 250 (reserve): 77.40", "not sold -7.55"}},
        WorkedRow{"percent_reserve_doubled_no_end_price",
                  [](WindowState& s) {
                      s.cmb_start_price = "$1 - $9.99";
                      s.txt_reserve = "312.50";
                      s.cmb_bin = "$50 or more";
                      s.combo_num_pics = "7";
                      s.chk_pic_pack = s.chk_doublecat = on;
                      s.chk_paypal = CheckState::unticked;
                  },
                  {"insertion $200 - $499.99 (reserve's) 3.6", "buy it now $50 or more 0.25",
                   "reserve 312.5 at 0.01 3.125", "pack 7 over 6 1.5", "second category 8.475",
                   "= 16.95 -> 16.95"},
                  "",
                  "",
                  // at 312.50: final value 1.31 + 7.9062 (a tie, to even) -> 9.22,
                  // fees 16.95 + 9.22 with PayPal not counted
                  {"return on cost ", "fees of received ", "at end price ",
                   "lowest 312.5 (reserve): 286.33", "not sold -16.95"}},
        WorkedRow{"nothing_received_and_half_a_cent_of_reserve",
                  [](WindowState& s) {
                      s.txt_reserve = "0.5049"; // no whole cent below it sells
                      s.txt_end_price = "10.00";
                      s.txt_ship_charged = "-10.00";
                  },
                  {"insertion $0.01 - $0.99 0.25", "reserve 0.5049 flat 1", "= 1.25 -> 1.25"},
                  "tier 0: 0 + 0.0525 x (10 - 0) = 0.525 -> 0.52",
                  "0.029 x 0 + 0.3 = 0.3 -> 0.3 counted",
                  // fees 0.30 + 1.25 + 0.52 = 2.07 against nothing received; at 0.51
                  // the fees 0.02 + 1.25 + 0.03 against -9.49
                  {"return on cost -100.00", "fees of received ", "at end price -2.07",
                   "lowest 0.51 (reserve): -10.79", "not sold -1.25"}}));

} // namespace
} // namespace quillet
