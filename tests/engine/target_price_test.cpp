#include "engine/target_price.h"

#include "engine/fee_schedule.h"
#include "engine/price_reading.h"
#include "engine/text_forms.h"

#include "conventions.h"
#include "printers.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quillet {
namespace {

struct Listing {
    const char* name;
    std::function<void(WindowState&)> set;
};

WindowState record_of(const Listing& listing) {
    WindowState s;
    listing.set(s);
    return s;
}

// Listings with costs, shipping, every option and PayPal on and off.
const Listing listings[] = {
    {"plain", [](WindowState&) {}},
    {"costs and shipping",
     [](WindowState& s) {
         s.cmb_start_price = "$1 - $9.99";
         s.txt_ship_charged = "5.00";
         s.txt_item_cost = "4.00";
         s.txt_ship_cost = "3.00";
         s.txt_other_costs = "1.00";
     }},
    {"every option, no PayPal",
     [](WindowState& s) {
         for (const Upgrade& u : upgrades)
             s.*u.box = CheckState::ticked;
         s.chk_pic_show = s.chk_supersize = s.chk_doublecat = CheckState::ticked;
         s.cmb_bin = "$10 - $24.99";
         s.combo_num_pics = "4";
         s.txt_ship_charged = "7.99";
         s.txt_item_cost = "12.50";
         s.txt_ship_cost = "6.25";
         s.chk_paypal = CheckState::unticked;
     }},
    {"fractions of a cent",
     [](WindowState& s) {
         s.cmb_start_price = "$25 - $49.99";
         s.txt_reserve = "60";
         s.txt_ship_charged = "3.333";
         s.txt_item_cost = "10.0051";
         s.txt_ship_cost = "2.4949";
         s.txt_other_costs = "0.005";
     }},
    {"half cents",
     [](WindowState& s) {
         s.txt_ship_charged = "2.005";
         s.txt_item_cost = "1.005";
         s.txt_other_costs = "0.015";
     }},
    // Shipping that brings a margin just under the most the first tier's fees
    // leave (91.85 % with PayPal, 94.75 % without) within reach there.
    {"first tier's limit, PayPal", [](WindowState& s) { s.txt_ship_charged = "10.21"; }},
    {"first tier's limit, no PayPal",
     [](WindowState& s) {
         s.txt_ship_charged = "4.60";
         s.chk_paypal = CheckState::unticked;
     }},
};

struct Goal {
    TargetRequest request;
    const char* name;
};

const Goal goals[] = {
    {{TargetGoal::break_even, {}}, "break even"},
    {{TargetGoal::profit, "5"_usd}, "profit 5"},
    {{TargetGoal::profit, "12.345"_usd}, "profit 12.345"},
    {{TargetGoal::profit, "150"_usd}, "profit 150"},
    {{TargetGoal::margin, "25"_usd}, "margin 25"},
    {{TargetGoal::margin, "61.5"_usd}, "margin 61.5"},
    {{TargetGoal::margin, "-40"_usd}, "margin -40"},
    {{TargetGoal::margin, "97"_usd}, "margin 97"},
    {{TargetGoal::margin, "91.84"_usd}, "margin 91.84"},
    {{TargetGoal::margin, "94.74"_usd}, "margin 94.74"},
};

struct Figures {
    Currency profit;
    Currency margin;
};

Currency shown(const std::string& text) {
    return money_from_text(text, {}).value;
}

// The calculation at every cent of [first, last].
std::vector<Figures> scan(WindowState s, std::int64_t first, std::int64_t last) {
    std::vector<Figures> figures;
    const NoticeSink quiet = [](Notice) {};
    for (std::int64_t cents = first; cents <= last; ++cents) {
        s.txt_end_price = format_cents(Currency::from_count(cents * 100));
        EXPECT_TRUE(calculate(s, {}, quiet).ok());
        figures.push_back({shown(s.txt_profit), shown(s.txt_profit_margin)});
    }
    return figures;
}

bool meets(const Figures& f, const TargetRequest& request) {
    if (request.goal == TargetGoal::margin)
        return f.margin >= request.target;
    return f.profit >= request.target;
}

// The first cent of [first, ...] whose figures meet the goal, by brute force.
std::optional<Currency> first_meeting(const std::vector<Figures>& figures, std::int64_t first,
                                      const TargetRequest& request) {
    for (std::size_t i = 0; i < figures.size(); ++i)
        if (meets(figures[i], request))
            return Currency::from_count((first + static_cast<std::int64_t>(i)) * 100);
    return std::nullopt;
}

void expect_agrees(const WindowState& record, const std::vector<Figures>& figures,
                   std::int64_t first, const TargetRequest& request) {
    const TargetAnswer answer = find_target_price(record, {}, request);
    const auto brute = first_meeting(figures, first, request);
    if (brute) {
        ASSERT_EQ(answer.verdict, TargetVerdict::found);
        EXPECT_EQ(answer.price, *brute);
        EXPECT_TRUE(meets(
            {shown(answer.figures.txt_profit), shown(answer.figures.txt_profit_margin)}, request));
    } else if (answer.verdict == TargetVerdict::found) {
        const auto last = Currency::from_count((first + std::ssize(figures) - 1) * 100);
        EXPECT_GT(answer.price, last) << "an answer inside a range where no cent meets the goal";
    }
}

// Across the first two fee tiers.
TEST(TargetPrice, AgreesWithEveryCentFromOneCentTo50) {
    for (const Listing& listing : listings) {
        const WindowState record = record_of(listing);
        const auto figures = scan(record, 1, 5000);
        for (const Goal& goal : goals) {
            SCOPED_TRACE(std::string(listing.name) + ", " + goal.name);
            expect_agrees(record, figures, 1, goal.request);
        }
    }
}

// Goals met only above $1,000, in the third fee tier: every cent of a window
// around the answer is tried, and at its first cent the profit is far below.
TEST(TargetPrice, AgreesWithEveryCentAboveOneThousand) {
    const struct {
        const Listing& listing;
        TargetRequest request;
    } cases[] = {
        {listings[1], {TargetGoal::profit, "1000"_usd}},
        {listings[2], {TargetGoal::profit, "830.55"_usd}},
        {listings[3], {TargetGoal::profit, "990"_usd}},
    };
    constexpr std::int64_t first = 104000;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.listing.name);
        const WindowState record = record_of(c.listing);
        const auto figures = scan(record, first, 107000);
        ASSERT_LT(figures.front().profit, c.request.target - "10"_usd);
        ASSERT_TRUE(first_meeting(figures, first, c.request));
        expect_agrees(record, figures, first, c.request);
    }
}

// Goals met only far up, each checked on every cent of a window that ends at
// the answer and starts where the figures are well below the goal, so that no
// cent under the window can meet it either. Margins close to the most each
// tier's fees leave (91.85, 94.35 and 95.60 % with PayPal; 94.75, 97.25 and
// 98.50 % without), where the margin creeps up by less than its rounding, and
// profits near the top of the money range, where doubles blur the cents.
TEST(TargetPrice, AgreesWithEveryCentNearTheHardestGoals) {
    WindowState with_paypal = record_of(listings[1]);
    WindowState without_paypal = record_of(listings[2]);
    WindowState shipping_heavy = record_of(listings[1]);
    shipping_heavy.txt_ship_charged = "40";
    WindowState shipping_heavy_without = shipping_heavy;
    shipping_heavy_without.chk_paypal = CheckState::unticked;
    WindowState fractions = record_of(listings[3]);
    const struct {
        const char* name;
        const WindowState& record;
        TargetRequest request;
        std::int64_t window; // cents
        Currency below;      // how far under the goal the window's first cent is
    } cases[] = {
        {"91.84 % with PayPal",
         shipping_heavy,
         {TargetGoal::margin, "91.84"_usd},
         3000,
         "0.01"_usd},
        {"94.30 % with PayPal", with_paypal, {TargetGoal::margin, "94.3"_usd}, 4000, "0.01"_usd},
        {"95.40 % with PayPal", with_paypal, {TargetGoal::margin, "95.4"_usd}, 4000, "0.01"_usd},
        {"95.50 %, fractions of a cent",
         fractions,
         {TargetGoal::margin, "95.5"_usd},
         4000,
         "0.01"_usd},
        {"94.70 % without",
         shipping_heavy_without,
         {TargetGoal::margin, "94.7"_usd},
         3000,
         "0.01"_usd},
        {"97.10 % without", without_paypal, {TargetGoal::margin, "97.1"_usd}, 4000, "0.01"_usd},
        {"98.30 % without", without_paypal, {TargetGoal::margin, "98.3"_usd}, 4000, "0.01"_usd},
        {"a profit of $6e14",
         with_paypal,
         {TargetGoal::profit, "600000000000000"_usd},
         2000,
         "10"_usd},
        {"a profit of $6.5e14 without",
         without_paypal,
         {TargetGoal::profit, "650000000000000.55"_usd},
         2000,
         "10"_usd},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TargetAnswer answer = find_target_price(c.record, {}, c.request);
        ASSERT_EQ(answer.verdict, TargetVerdict::found);
        const std::int64_t last = answer.price.count() / 100;
        const std::int64_t first = std::max<std::int64_t>(1, last - c.window);
        const auto figures = scan(c.record, first, last);
        if (first > 1) {
            const Figures& front = figures.front();
            const bool margin = c.request.goal == TargetGoal::margin;
            ASSERT_LE(margin ? front.margin : front.profit, c.request.target - c.below);
        }
        expect_agrees(c.record, figures, first, c.request);
    }
}

TEST(TargetPrice, SaysWhyNoPriceWorks) {
    WindowState negative;
    negative.txt_ship_cost = "-5";
    WindowState huge_cost;
    huge_cost.txt_item_cost = "1e300";
    const struct {
        const char* name;
        WindowState record;
        TargetRequest request;
        TargetVerdict verdict;
    } cases[] = {
        {"97 % with PayPal",
         record_of(listings[1]),
         {TargetGoal::margin, "97"_usd},
         TargetVerdict::margin_out_of_reach},
        {"99 % without",
         record_of(listings[2]),
         {TargetGoal::margin, "99"_usd},
         TargetVerdict::margin_out_of_reach},
        {"a profit beyond the range",
         WindowState{},
         {TargetGoal::profit, "900000000000000"_usd},
         TargetVerdict::out_of_range},
        {"a negative cost", negative, {}, TargetVerdict::negative_input},
        {"a cost beyond the range", huge_cost, {}, TargetVerdict::input_fails},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TargetAnswer answer = find_target_price(c.record, {}, c.request);
        EXPECT_EQ(answer.verdict, c.verdict);
    }
    EXPECT_EQ(find_target_price(negative, {}, {}).negative_field, InputField::txt_ship_cost);
    EXPECT_EQ(find_target_price(huge_cost, {}, {}).failure.field, InputField::txt_item_cost);
}

// Worked answers, and the notes that the item would not sell there.
TEST(TargetPrice, GoldenAnswers) {
    WindowState reserve = record_of(listings[1]);
    reserve.txt_reserve = "50";
    WindowState band = record_of(listings[1]);
    band.cmb_start_price = "$10 - $24.99";
    WindowState near_top;
    near_top.chk_paypal = CheckState::unticked;
    const struct {
        const char* name;
        WindowState record;
        TargetRequest request;
        Currency price;
        std::optional<Currency> reserve_above;
        std::optional<Currency> band_lowest_above;
    } cases[] = {
        {"break even", record_of(listings[1]), {}, "4.13"_usd, {}, {}},
        {"profit 20", record_of(listings[1]), {TargetGoal::profit, "20"_usd}, "25.88"_usd, {}, {}},
        {"under the reserve", reserve, {}, "8.54"_usd, "50"_usd, {}},
        {"under the band", band, {}, "4.40"_usd, {}, "10"_usd},
        {"a profit far out",
         near_top,
         {TargetGoal::profit, "900000000000"_usd},
         "913705583769.92"_usd,
         {},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TargetAnswer answer = find_target_price(c.record, {}, c.request);
        ASSERT_EQ(answer.verdict, TargetVerdict::found);
        EXPECT_EQ(format_cents(answer.price), format_cents(c.price));
        EXPECT_EQ(answer.reserve_above, c.reserve_above);
        EXPECT_EQ(answer.band_lowest_above, c.band_lowest_above);
    }
}

// The same listing typed under another locale's conventions finds the same
// cents: every price in the user's form, the trial prices too.
TEST(TargetPrice, SameAnswerInEveryLocale) {
    using namespace test_conventions;
    const NumberConventions locales[] = {german(), french(), indian(), arabic()};
    for (const Listing& listing : listings) {
        const WindowState record = record_of(listing);
        for (const Goal& goal : {goals[0], goals[2], goals[5]}) {
            SCOPED_TRACE(std::string(listing.name) + ", " + goal.name);
            const TargetAnswer in_us = find_target_price(record, {}, goal.request);
            ASSERT_EQ(in_us.verdict, TargetVerdict::found);
            for (const NumberConventions& c : locales) {
                WindowState typed = record;
                for (const PriceField& field : prices::sale)
                    if (typed.*field.text != field.keyword)
                        typed.*field.text = in_user_form(typed.*field.text, c);
                const TargetAnswer there = find_target_price(typed, c, goal.request);
                ASSERT_EQ(there.verdict, TargetVerdict::found) << c.decimal_point;
                EXPECT_EQ(there.price, in_us.price) << c.decimal_point;
            }
        }
    }
}

} // namespace
} // namespace quillet
