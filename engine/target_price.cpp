// The lowest ending price that meets a goal.
//
// Why the search may skip cents. Write h(p) for the goal's slack at the price
// of p cents, read from the figures the calculation writes: profit minus the
// target, or for a margin goal profit minus y times the amount received, where
// y is the margin at which the shown figure first rounds up to the target. A
// goal is met at p only if h(p) >= -t (t = 0 for a profit; for a margin, the
// double tolerance of the division). Between two final value fee tiers the
// unrounded figures are linear in p: the slope of h is
//     sigma = 1 - y - (PayPal rate, when ticked) - (the tier's rate),
// and the shown figures differ from the linear ones by at most E(p) cents:
// half a cent for each rounding that can move (the PayPal fee, the final
// value fee, and the totals that take an input with fractions of a cent), plus
// a relative allowance for double arithmetic on large amounts. Hence, for
// valid p, q in one tier,
//     h(p) <= h(q) + sigma (p - q) + E(p) + E(q).
//  - Rising tier (sigma > 0): a cent q that misses leaves every cent p above
//    it with h(p) < -t as long as sigma (p - q) < -t - h(q) - 2 E(p). Those
//    cents are skipped, and the next one is tried; far from the answer one
//    jump lands within about 2 E / sigma cents of it, and from there each
//    cent is tried in turn, so no cent is passed over that could meet it.
//  - Falling tier (sigma < 0, a margin above what the fees leave): once the
//    bound from the cents tried drops below -t, no later cent can meet it.
// The tiers are tried from the lowest; the first answer is the lowest.
//
// Every cost and the shipping charged must not be negative: then the amount
// received is positive, each figure moves one way with the price, and the
// cents whose figures stay inside the money range form one run: a cent past
// its end ends the search.

#include "target_price.h"

#include "fee_schedule.h"
#include "price_reading.h"
#include "text_forms.h"

#include <cmath>

namespace quillet {

namespace {

constexpr std::int64_t per_cent = Currency::per_dollar / 100;
constexpr std::int64_t top_cents = Currency::max().count() / per_cent;
// The relative allowance for double arithmetic: 32 units in the last place of
// the largest amount in play. The stages lose a few units reading figures back
// and subtracting, and the rounding to cents treats a double within 8 units of
// a half cent as that half cent, twice over (the total fees and the profit).
const double double_allowance = std::ldexp(1.0, -47);

Currency from_cents(std::int64_t cents) {
    return Currency::from_count(cents * per_cent);
}

// A figure as the engine wrote it: two decimals, a full stop, no separators.
std::optional<Currency> shown(const std::string& text) {
    const MoneyReading m = money_from_text(text, NumberConventions{});
    return m.ok() ? std::optional<Currency>(m.value) : std::nullopt;
}

double cents_of(Currency m) {
    return static_cast<double>(m.count()) / per_cent;
}

bool has_fraction_of_cent(std::optional<Currency> m) {
    return m && m->count() % per_cent != 0;
}

struct Probe {
    std::int64_t cents = 0;
    bool valid = false;
    bool met = false;
    double slack = 0; // h(p), in cents
    CalcOutcome outcome;
    WindowState state;
};

struct Tier {
    std::int64_t first;
    std::int64_t last;
    double rate;
};

class Search {
public:
    Search(const WindowState& record, const NumberConventions& conventions,
           const TargetRequest& request)
        : record_(record)
        , conventions_(conventions)
        , request_(request) {
        if (request.goal == TargetGoal::margin) {
            // The shown margin is at least the target once the exact one
            // reaches the target's next whole cent less half a cent.
            Currency whole = nearest_cent(request.target);
            if (whole < request.target)
                whole += from_cents(1);
            margin_ = (cents_of(whole) - 0.5) / 10000;
        } else if (request.goal == TargetGoal::profit) {
            profit_target_ = request.target;
        }
        const auto amount = [&](const PriceField& field) {
            return read_price(record, field, conventions).as_money();
        };
        const auto shipping = amount(prices::ship_charged);
        const auto item = amount(prices::item_cost);
        const auto postage = amount(prices::ship_cost);
        const auto other = amount(prices::other_costs);
        // The final value fee and the PayPal fee each round to the
        // ten-thousandth and then to the cent; the total fees round when the
        // other costs have fractions of a cent, the total spent when the item
        // or shipping cost has, the amount received when the shipping charged has.
        movable_ = 0.51;
        if (is_ticked(record.chk_paypal))
            movable_ += 0.51;
        if (has_fraction_of_cent(other))
            movable_ += 0.5;
        if (has_fraction_of_cent(item) || has_fraction_of_cent(postage))
            movable_ += 0.5;
        received_rounding_ = has_fraction_of_cent(shipping) ? 0.5 : 0;
        magnitude_ = 100; // a dollar for the fees
        for (const auto& m : {shipping, item, postage, other})
            if (m)
                magnitude_ += std::fabs(cents_of(*m));
    }

    Probe at(std::int64_t cents) {
        ++calculations;
        Probe probe;
        probe.cents = cents;
        probe.state = record_;
        // As the user would type it, so that it reads as theirs does.
        probe.state.txt_end_price = in_user_form(format_cents(from_cents(cents)), conventions_);
        const NoticeSink quiet = [](Notice) {};
        probe.outcome = calculate(probe.state, conventions_, quiet);
        const auto profit = shown(probe.state.txt_profit);
        const auto received = shown(probe.state.txt_total_recv);
        const auto margin = shown(probe.state.txt_profit_margin);
        probe.valid = probe.outcome.ok() && profit && received && margin;
        if (!probe.valid)
            return probe;
        if (request_.goal == TargetGoal::margin) {
            probe.met = *margin >= request_.target;
            probe.slack = cents_of(*profit) - margin_ * cents_of(*received);
        } else {
            probe.met = *profit >= profit_target_;
            probe.slack = cents_of(*profit) - cents_of(profit_target_);
        }
        return probe;
    }

    double slope(const Tier& tier) const {
        const double paypal = is_ticked(record_.chk_paypal) ? paypal_rate : 0;
        return 1 - margin_ - paypal - tier.rate;
    }

    // E(p): how far the shown slack may stray from the linear one.
    double allowance(std::int64_t cents) const {
        const double size = magnitude_ + static_cast<double>(cents);
        return movable_ + received_rounding_ * std::fabs(1 - margin_) +
               size * double_allowance * (1 + std::fabs(margin_));
    }

    double tolerance(std::int64_t cents) const {
        if (request_.goal != TargetGoal::margin)
            return 0;
        return (magnitude_ + static_cast<double>(cents)) * double_allowance;
    }

    std::int64_t ruled_out(std::int64_t from, double missing, double sigma,
                           std::int64_t room) const;
    std::optional<Probe> lowest_rising(std::int64_t a, std::int64_t b, double sigma);
    std::optional<Probe> lowest_falling(std::int64_t a, std::int64_t b, double sigma);

    std::int64_t calculations = 0;

private:
    const WindowState& record_;
    const NumberConventions& conventions_;
    const TargetRequest& request_;
    Currency profit_target_;
    double margin_ = 0;
    double magnitude_ = 0;         // the inputs' amounts in cents, and a dollar for the fees
    double movable_ = 0;           // cents the fee and total roundings can move the profit
    double received_rounding_ = 0; // cents the amount received can move
};

// How many cents after `from` the bound rules out, given the slack still
// missing there (at most `room`).
std::int64_t Search::ruled_out(std::int64_t from, double missing, double sigma,
                               std::int64_t room) const {
    if (missing <= 0)
        return 0;
    const auto cents_for = [&](double gap) {
        const double d = std::ceil(gap / sigma) - 1; // strictly below -t
        return d >= static_cast<double>(room) ? room : static_cast<std::int64_t>(d);
    };
    // The allowance grows with the price: take it at the far end.
    const std::int64_t far = from + cents_for(missing - 2 * allowance(from) - tolerance(from));
    const std::int64_t d = cents_for(missing - 2 * allowance(far) - tolerance(far));
    return d > 0 ? d : 0;
}

std::optional<Probe> Search::lowest_rising(std::int64_t a, std::int64_t b, double sigma) {
    // No cent of [a, p) meets the goal.
    for (std::int64_t p = a; p <= b;) {
        Probe probe = at(p);
        if (!probe.valid)
            return std::nullopt; // past the end of the valid run
        if (probe.met)
            return probe;
        p += 1 + ruled_out(p, -probe.slack, sigma, b - p);
    }
    return std::nullopt;
}

std::optional<Probe> Search::lowest_falling(std::int64_t a, std::int64_t b, double sigma) {
    // From a probe at q, every later cent has h(p) <= h(q) + E(q) + E(p) +
    // sigma (p - q); E grows far slower than sigma falls, so once that is
    // below -t at p = q + 1 it stays so.
    double from_a = 0;
    for (std::int64_t p = a; p <= b; ++p) {
        Probe probe = at(p);
        if (!probe.valid)
            return std::nullopt;
        if (probe.met)
            return probe;
        if (p == a)
            from_a = probe.slack + allowance(a);
        const double next = static_cast<double>(p + 1 - a);
        const double reach = allowance(p + 1) + tolerance(p + 1);
        if (probe.slack + allowance(p) + reach + sigma < 0 || from_a + reach + sigma * next < 0)
            return std::nullopt;
    }
    return std::nullopt;
}

double rate(Currency fee_rate) {
    return money_to_double(fee_rate);
}

} // namespace

std::optional<Currency> band_lowest_price(std::string_view label) {
    for (const Band& band : insertion_fees) {
        if (band.label != label)
            continue;
        const MoneyReading lowest = money_from_text(label.substr(0, label.find(' ')), {});
        return lowest.ok() ? std::optional<Currency>(lowest.value) : std::nullopt;
    }
    return std::nullopt;
}

TargetAnswer find_target_price(const WindowState& record, const NumberConventions& conventions,
                               const TargetRequest& request) {
    TargetAnswer answer;
    for (const PriceField* field :
         {&prices::ship_charged, &prices::item_cost, &prices::ship_cost, &prices::other_costs}) {
        const auto amount = read_price(record, *field, conventions).as_money();
        if (amount && *amount < Currency{}) {
            answer.verdict = TargetVerdict::negative_input;
            answer.negative_field = field->id;
            return answer;
        }
    }

    Search search(record, conventions, request);
    const auto finish = [&](TargetVerdict verdict) {
        answer.verdict = verdict;
        answer.calculations = search.calculations;
        return answer;
    };

    // The lowest cent whose figures are in range; a failure that names an
    // input fails at every price.
    const Probe first = search.at(1);
    std::int64_t valid_from = 1;
    if (!first.valid) {
        if (first.outcome.field != InputField::none) {
            answer.failure = first.outcome;
            return finish(TargetVerdict::input_fails);
        }
        std::int64_t invalid = 1;
        for (;;) {
            if (invalid == top_cents)
                return finish(TargetVerdict::out_of_range);
            const std::int64_t q = invalid > top_cents / 2 ? top_cents : invalid * 2;
            if (search.at(q).valid) {
                valid_from = q;
                break;
            }
            invalid = q;
        }
        while (valid_from - invalid > 1) {
            const std::int64_t mid = invalid + (valid_from - invalid) / 2;
            (search.at(mid).valid ? valid_from : invalid) = mid;
        }
    }

    const std::int64_t first_break = fvf_first_break.count() / per_cent;
    const std::int64_t second_break = fvf_second_break.count() / per_cent;
    const Tier tiers[] = {{1, first_break, rate(fvf_first_rate)},
                          {first_break + 1, second_break, rate(fvf_second_rate)},
                          {second_break + 1, top_cents, rate(fvf_third_rate)}};
    for (const Tier& tier : tiers) {
        const std::int64_t from = tier.first > valid_from ? tier.first : valid_from;
        if (from > tier.last)
            continue;
        const double sigma = search.slope(tier);
        const auto found = sigma > 0 ? search.lowest_rising(from, tier.last, sigma)
                                     : search.lowest_falling(from, tier.last, sigma);
        if (!found)
            continue;
        answer.price = from_cents(found->cents);
        answer.figures = found->state;
        if (!is_keyword(record.txt_reserve, keyword_none)) {
            const MoneyReading reserve = money_from_text(record.txt_reserve, conventions);
            if (reserve.ok() && answer.price < reserve.value)
                answer.reserve_above = reserve.value;
        }
        const auto lowest = band_lowest_price(record.cmb_start_price);
        if (lowest && answer.price < *lowest)
            answer.band_lowest_above = lowest;
        return finish(TargetVerdict::found);
    }
    const bool margin_unreachable =
        request.goal == TargetGoal::margin && search.slope(tiers[2]) <= 0;
    return finish(margin_unreachable ? TargetVerdict::margin_out_of_reach
                                     : TargetVerdict::out_of_range);
}

} // namespace quillet
