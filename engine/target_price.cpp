// The lowest ending price that meets a goal.
//
// Every answer is a price the calculation itself was run at; the search only
// decides which prices are worth running. Write the goal's slack at a price
// from the figures shown: profit minus the target, or for a margin goal profit
// minus y times the amount received, where y is the margin at which the shown
// figure first rounds up to the target. The goal can be met only where the
// slack is at least -t (t = 0 for a profit; for a margin, the double tolerance
// of the division).
//
// Why few prices need trying. Within one final value fee tier, the figures
// that move with the price repeat: over a period of n cents the final value
// fee and the payment fee each rise by a whole, even number of cents, so each
// of their roundings (to the ten-thousandth, then the cent, ties to even) falls
// the same way again, and so does the amount received's. What comes after the
// fees (the listing fee, the costs and their roundings) adds the same to the
// profit at every price whose two fees add up to an even count of cents, and
// the same at every odd one: that remainder is read from the calculation at
// one price of each kind. So, with exact arithmetic, the slack at p + k n is
// the slack at p plus k times its rise over a period. One pass over a period,
// with the stages' own arithmetic for the fees and the amount received, gives
// each class of prices (p, p + n, p + 2n, ...) its slack at its first price;
// the first of its prices that could meet the goal follows by division. Only
// those are tried, lowest first, each miss giving way to the next of its class.
//
// What does not repeat exactly is double arithmetic: the payment fee at an
// exact tie (either side is allowed for), and errors that grow with the
// amounts: an allowance of 2^-50 of the largest amount in play, and beyond
// 2^24 dollars, where an error may reach the step between exact amounts, a
// cent for each rounding that may then fall either way.
//
// Every cost and the shipping charged must not be negative: then the amount
// received is positive, each figure moves one way with the price, and the
// cents whose figures stay inside the money range form one run: a cent past
// its end ends the search.

#include "target_price.h"

#include "fee_schedule.h"
#include "price_reading.h"
#include "rounding.h"
#include "text_forms.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <queue>
#include <utility>
#include <vector>

namespace quillet {

namespace {

using detail::int128;

constexpr std::int64_t per_cent = Currency::per_dollar / 100;
constexpr std::int64_t top_cents = Currency::max().count() / per_cent;
// Slack is counted in whole units of 1/20000 of a cent: a margin's halfway
// point, (w - 1/2) / 10000 for w hundredths of a percent, is then whole.
constexpr std::int64_t units_per_cent = 20000;
constexpr int128 unbounded = int128{1} << 100;

// How far a figure computed in double precision may stray, relative to the
// largest amount in play: a handful of roundings of half a unit in the last
// place each. Beyond 2^24 dollars a rounding from near halfway may fall either
// way: the payment fee's, the total fees' and the profit's, a cent each.
const double double_error = std::ldexp(1.0, -50);
const double blurred_from = std::ldexp(100.0, 24); // cents
constexpr double blurred_cents = 3;

Currency from_cents(std::int64_t cents) {
    return Currency::from_count(cents * per_cent);
}

std::int64_t whole_cents(Currency m) {
    return m.count() / per_cent;
}

std::int64_t floor_div(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return q * b > a ? q - 1 : q;
}

// A figure as the engine wrote it: two decimals, a full stop, no separators.
std::optional<Currency> shown(const std::string& text) {
    const MoneyReading m = money_from_text(text, NumberConventions{});
    return m.ok() ? std::optional<Currency>(m.value) : std::nullopt;
}

// The period over which a fee at this rate rises by a whole, even number of
// cents, so that its roundings repeat.
std::int64_t period_of(Currency rate) {
    constexpr std::int64_t even_cents = 2 * Currency::per_dollar;
    return even_cents / std::gcd(rate.count(), even_cents);
}

// The least and the most a figure can show, in whole cents.
using Sides = std::pair<std::int64_t, std::int64_t>;

Sides sides_of(Currency low, Currency high) {
    return {whole_cents(low), whole_cents(high)};
}

// A figure that rises by `rise` cents every `period` cents of the price, known
// at the prices from `origin` on, up to a period of them.
struct Repeating {
    std::int64_t origin = 0;
    std::int64_t period = 1;
    std::int64_t rise = 0;
    std::vector<Sides> cents;

    // fill(price) gives the figure's sides; it may throw MoneyOutOfRange,
    // which ends the table there.
    Repeating(std::int64_t from, std::int64_t last, Currency rate,
              const std::function<Sides(std::int64_t)>& fill)
        : origin(from)
        , period(period_of(rate))
        , rise(period * rate.count() / Currency::per_dollar) {
        try {
            for (std::int64_t p = from; p < from + period && p <= last; ++p)
                cents.push_back(fill(p));
        } catch (const MoneyOutOfRange&) {
        }
    }

    // Whether the table reaches the price's place in the period.
    bool known(std::int64_t price) const { return place(price) < std::ssize(cents); }

    Sides at(std::int64_t price) const {
        const std::int64_t up = floor_div(price - origin, period) * rise;
        const Sides& s = cents[place(price)];
        return {s.first + up, s.second + up};
    }

    std::int64_t place(std::int64_t price) const {
        return price - origin - floor_div(price - origin, period) * period;
    }
};

struct Probe {
    std::int64_t cents = 0;
    bool valid = false;
    bool met = false;
    std::int64_t profit = 0;   // cents, as shown
    std::int64_t received = 0; // cents, as shown
    std::int64_t fees = 0;     // the final value fee and the payment fee counted, as shown
    CalcOutcome outcome;
    WindowState state;
};

// The goal as a slack in units: units_per_cent x (profit - target) - per_received x received.
struct Slack {
    std::int64_t per_received = 0; // 2w - 1 for a margin of w hundredths of a percent
    std::int64_t target = 0;       // the least profit shown that meets it, in cents

    explicit Slack(const TargetRequest& request) {
        // Whole cents (hundredths of a percent for a margin) at or above the target.
        const std::int64_t whole = -floor_div(-request.target.count(), per_cent);
        if (request.goal == TargetGoal::margin)
            per_received = 2 * whole - 1;
        else if (request.goal == TargetGoal::profit)
            target = whole;
    }

    int128 of(std::int64_t profit, std::int64_t received) const {
        return int128{units_per_cent} * (profit - target) - int128{per_received} * received;
    }

    // Over `period` cents of the price the fees rise by `fees` cents.
    int128 rise(std::int64_t period, std::int64_t fees) const {
        return int128{units_per_cent} * (period - fees) - int128{per_received} * period;
    }
};

// A class of prices first, first + period, ... in one tier, and the most its
// slack can be at the first.
struct PriceClass {
    std::int64_t first = 0;
    int128 slack = 0;
};

// A final value fee tier from the first valid price: its prices, the period
// over which its figures repeat, and the slack's rise over a period.
struct Tier {
    std::int64_t first = 0; // cents
    std::int64_t last = 0;
    Currency rate;
    std::int64_t period = 1;
    int128 rise = 0;
};

class Search {
public:
    Search(const WindowState& record, const NumberConventions& conventions,
           const TargetRequest& request)
        : record_(record)
        , conventions_(conventions)
        , request_(request)
        , slack_(request)
        , paypal_counted_(is_ticked(record.chk_paypal))
        , paypal_rate_(*money_from_double(paypal_rate)) {
        const auto amount = [&](const PriceField& field) {
            return read_price(record, field, conventions).as_money();
        };
        shipping_ = amount(prices::ship_charged).value_or(Currency{});
        magnitude_ = 100; // a dollar for the fees
        for (const PriceField* field :
             {&prices::ship_charged, &prices::item_cost, &prices::ship_cost, &prices::other_costs})
            if (const auto m = amount(*field))
                magnitude_ += std::fabs(static_cast<double>(whole_cents(*m)));
    }

    Probe at(std::int64_t cents);
    std::optional<Probe> lowest_in(const Tier& tier);
    std::vector<Tier> tiers_from(std::int64_t valid_from) const;

    std::int64_t calculations = 0;
    bool past_end = false; // a price tried was past the end of the valid run

private:
    double double_drift(std::int64_t cents) const;
    int128 allowance(std::int64_t cents) const;
    Sides paypal_sides(std::int64_t cents) const;
    void build_price_tables(std::int64_t from);
    Sides fees(const Repeating& fvf, std::int64_t cents) const;
    void calibrate(const Repeating& fvf, const Tier& tier);
    std::vector<PriceClass> classes(const Tier& tier);
    std::optional<std::int64_t> next_member(const PriceClass& c, const Tier& tier,
                                            std::int64_t k) const;

    const WindowState& record_;
    const NumberConventions& conventions_;
    const TargetRequest& request_;
    const Slack slack_;
    const bool paypal_counted_;
    const Currency paypal_rate_;
    Currency shipping_;
    double magnitude_ = 0; // the inputs' amounts in cents, and a dollar for the fees
    double listing_ = 0;   // the listing fee in cents
    // The payment fee at each side of an exact tie, and the amount received.
    std::optional<Repeating> paypal_, received_;
    // What the profit has beyond received minus the two fees, by the fees' parity.
    std::optional<std::int64_t> remainder_[2];
    std::int64_t read_up_to_ = 0; // the highest price a remainder was read at
};

Probe Search::at(std::int64_t cents) {
    ++calculations;
    Probe probe;
    probe.cents = cents;
    probe.state = record_;
    // As the user would type it, so that it reads as theirs does.
    probe.state.txt_end_price = in_user_form(format_cents(from_cents(cents)), conventions_);
    const NoticeSink quiet = [](Notice) {};
    probe.outcome = calculate(probe.state, conventions_, quiet);
    if (const auto listing = shown(probe.state.txt_list_fee))
        listing_ = std::max(listing_, std::fabs(static_cast<double>(whole_cents(*listing))));
    const auto profit = shown(probe.state.txt_profit);
    const auto received = shown(probe.state.txt_total_recv);
    const auto margin = shown(probe.state.txt_profit_margin);
    const auto fvf = shown(probe.state.txt_fvf);
    const auto paypal = shown(probe.state.txt_paypal_fee);
    probe.valid = probe.outcome.ok() && profit && received && margin && fvf && paypal;
    if (!probe.valid)
        return probe;
    probe.profit = whole_cents(*profit);
    probe.received = whole_cents(*received);
    probe.fees = whole_cents(*fvf) + (paypal_counted_ ? whole_cents(*paypal) : 0);
    probe.met = request_.goal == TargetGoal::margin ? *margin >= request_.target
                                                    : *profit >= from_cents(slack_.target);
    return probe;
}

// How far the calculation's figures may stray from exact arithmetic at a
// price of that many cents, in cents.
double Search::double_drift(std::int64_t cents) const {
    const double size = magnitude_ + listing_ + static_cast<double>(cents);
    return size * double_error + (size >= blurred_from ? blurred_cents : 0);
}

// How much the slack bound must allow at a price, in units: the drift there
// and where the remainders were read, and for a margin the division's.
int128 Search::allowance(std::int64_t cents) const {
    double allowance = double_drift(cents) + double_drift(read_up_to_);
    if (request_.goal == TargetGoal::margin)
        allowance += 4 * double_drift(cents);
    return static_cast<int128>(std::ceil(allowance * units_per_cent));
}

// The payment fee at a price, at each side of an exact tie: the double is
// within double_error of the exact fee, and only a half of a ten-thousandth
// inside that reach can part the two sides.
Sides Search::paypal_sides(std::int64_t cents) const {
    const double fee = paypal_fee_unrounded(from_cents(cents) + shipping_);
    const double reach = std::fabs(fee) * double_error;
    const double steps = fee * Currency::per_dollar;
    const double from_half = std::fabs(steps - std::floor(steps) - 0.5);
    if (from_half > 2 * reach * Currency::per_dollar + std::fabs(steps) * double_error) {
        const Currency shown = paypal_fee_shown(fee);
        return sides_of(shown, shown);
    }
    return sides_of(paypal_fee_shown(fee - reach), paypal_fee_shown(fee + reach));
}

// The figures that do not depend on the tier, over one period from the first
// valid price.
void Search::build_price_tables(std::int64_t from) {
    const auto paypal = [this](std::int64_t p) {
        return paypal_counted_ ? paypal_sides(p) : Sides{0, 0};
    };
    paypal_.emplace(from, top_cents, paypal_counted_ ? paypal_rate_ : Currency{}, paypal);
    received_.emplace(from, top_cents, "1"_usd, [this](std::int64_t p) {
        const Currency received = total_received(shipping_, from_cents(p));
        return sides_of(received, received);
    });
}

// The two fees at a price as the stages work them out: the least and the
// most they can show there.
Sides Search::fees(const Repeating& fvf, std::int64_t cents) const {
    const auto [fvf_low, fvf_high] = fvf.at(cents);
    const auto [paypal_low, paypal_high] = paypal_->at(cents);
    return {fvf_low + paypal_low, fvf_high + paypal_high};
}

// Reads the remainder for each parity of the fees from the calculation, at
// the tier's lowest prices whose fees are settled, until both are known.
void Search::calibrate(const Repeating& fvf, const Tier& tier) {
    const std::int64_t end = std::min(tier.last, tier.first + std::ssize(fvf.cents) - 1);
    for (std::int64_t p = tier.first; p <= end && !(remainder_[0] && remainder_[1]); ++p) {
        if (!paypal_->known(p) || !received_->known(p))
            return;
        const auto [low, high] = fees(fvf, p);
        if (low != high || remainder_[low & 1])
            continue;
        const Probe probe = at(p);
        if (!probe.valid)
            return; // past the end of the valid run
        remainder_[probe.fees & 1] = probe.profit - probe.received + probe.fees;
        read_up_to_ = std::max(read_up_to_, p);
    }
}

// Each class of prices in the tier, with the most its slack can be at its
// first price. A class whose remainder could not be read has no bound: every
// one of its prices is tried.
std::vector<PriceClass> Search::classes(const Tier& tier) {
    const Repeating fvf(tier.first, tier.last, tier.rate, [](std::int64_t p) {
        const Currency fee = final_value_fee(from_cents(p)).shown;
        return sides_of(fee, fee);
    });
    calibrate(fvf, tier);
    std::vector<PriceClass> found;
    const std::int64_t end = std::min(tier.last, tier.first + tier.period - 1);
    for (std::int64_t p = tier.first; p <= end; ++p) {
        if (!fvf.known(p) || !paypal_->known(p) || !received_->known(p))
            break; // out of range from here on
        const std::int64_t received = received_->at(p).first;
        const auto [low, high] = fees(fvf, p);
        // The most the profit can be with each of the fees it may show.
        std::optional<int128> most;
        for (std::int64_t f = low; f <= std::min(high, low + 1); ++f) {
            const auto& remainder = remainder_[f & 1];
            const int128 slack =
                remainder ? slack_.of(received - f + *remainder, received) : unbounded;
            most = most ? std::max(*most, slack) : slack;
        }
        found.push_back({p, *most});
    }
    return found;
}

// The first price of the class, from its k-th on, that could meet the goal;
// none past the tier, or when no later price of the class can.
std::optional<std::int64_t> Search::next_member(const PriceClass& c, const Tier& tier,
                                                std::int64_t k) const {
    const std::int64_t n = tier.period;
    const int128 per_period = tier.rise;
    const std::int64_t beyond = (tier.last - c.first) / n + 1; // the first k past the tier
    if (per_period > 0) {
        // The allowance grows with the price: a jump sized with it at the
        // class's first price overshoots, and one sized at that far end does
        // not.
        const auto periods_to = [&](std::int64_t from) {
            const int128 missing = -(c.slack + allowance(c.first + from * n));
            const int128 periods = missing <= 0 ? 0 : (missing + per_period - 1) / per_period;
            return static_cast<std::int64_t>(std::min<int128>(periods, beyond));
        };
        k = std::max(k, periods_to(periods_to(k)));
    }
    // The slack's bound no longer rises once it falls: at most the allowance's
    // step at blurred_from can lift it back.
    const int128 lift = static_cast<int128>(2 * blurred_cents * units_per_cent);
    for (; k < beyond; ++k) {
        const std::int64_t p = c.first + k * n;
        const int128 reach = c.slack + per_period * k + allowance(p);
        if (reach >= 0)
            return p;
        if (per_period <= 0 && reach + lift < 0)
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<Probe> Search::lowest_in(const Tier& tier) {
    if (!paypal_)
        build_price_tables(tier.first);
    const std::vector<PriceClass> all = classes(tier);
    if (past_end)
        return std::nullopt;
    // The next price of each class worth trying, lowest first.
    using Next = std::pair<std::int64_t, std::size_t>;
    std::priority_queue<Next, std::vector<Next>, std::greater<>> queue;
    for (std::size_t i = 0; i < all.size(); ++i)
        if (const auto p = next_member(all[i], tier, 0))
            queue.push({*p, i});
    while (!queue.empty()) {
        const auto [p, i] = queue.top();
        queue.pop();
        Probe probe = at(p);
        if (!probe.valid) {
            past_end = true;
            return std::nullopt;
        }
        if (probe.met)
            return probe;
        const std::int64_t k = (p - all[i].first) / tier.period + 1;
        if (const auto next = next_member(all[i], tier, k))
            queue.push({*next, i});
    }
    return std::nullopt;
}

// The lowest cent whose figures are in range, found by doubling and halving
// from an invalid first cent; none when no cent is.
std::optional<std::int64_t> first_valid_cent(Search& search) {
    std::int64_t invalid = 1;
    std::int64_t valid = 0;
    while (valid == 0) {
        if (invalid == top_cents)
            return std::nullopt;
        const std::int64_t q = invalid > top_cents / 2 ? top_cents : invalid * 2;
        (search.at(q).valid ? valid : invalid) = q;
    }
    while (valid - invalid > 1) {
        const std::int64_t mid = invalid + (valid - invalid) / 2;
        (search.at(mid).valid ? valid : invalid) = mid;
    }
    return valid;
}

// The tiers of the schedule, in cents, from the first valid price.
std::vector<Tier> Search::tiers_from(std::int64_t valid_from) const {
    std::vector<Tier> tiers;
    std::int64_t first = 1;
    for (const FinalValueTier& fee : fvf_tiers) {
        const std::int64_t last = std::min(fee.up_to.count() / per_cent, top_cents);
        if (last >= valid_from) {
            Tier tier{std::max(first, valid_from), last, fee.rate};
            // The received amount's roundings repeat every 2 cents.
            tier.period = std::lcm(std::int64_t{2}, period_of(fee.rate));
            Currency rate = fee.rate;
            if (paypal_counted_) {
                tier.period = std::lcm(tier.period, period_of(paypal_rate_));
                rate = rate + paypal_rate_;
            }
            tier.rise = slack_.rise(tier.period, tier.period * rate.count() / Currency::per_dollar);
            tiers.push_back(tier);
        }
        first = last + 1;
    }
    return tiers;
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

namespace {

std::optional<InputField> negative_input(const WindowState& record,
                                         const NumberConventions& conventions) {
    for (const PriceField* field :
         {&prices::ship_charged, &prices::item_cost, &prices::ship_cost, &prices::other_costs}) {
        const auto amount = read_price(record, *field, conventions).as_money();
        if (amount && *amount < Currency{})
            return field->id;
    }
    return std::nullopt;
}

// The answer at the price found, with the notes that the item would not sell there.
void found_at(TargetAnswer& answer, const Probe& probe, const WindowState& record,
              const NumberConventions& conventions) {
    answer.verdict = TargetVerdict::found;
    answer.price = from_cents(probe.cents);
    answer.figures = probe.state;
    if (!is_keyword(record.txt_reserve, keyword_none)) {
        const MoneyReading reserve = money_from_text(record.txt_reserve, conventions);
        if (reserve.ok() && answer.price < reserve.value)
            answer.reserve_above = reserve.value;
    }
    const auto lowest = band_lowest_price(record.cmb_start_price);
    if (lowest && answer.price < *lowest)
        answer.band_lowest_above = lowest;
}

} // namespace

TargetAnswer find_target_price(const WindowState& record, const NumberConventions& conventions,
                               const TargetRequest& request) {
    TargetAnswer answer;
    if (const auto field = negative_input(record, conventions)) {
        answer.verdict = TargetVerdict::negative_input;
        answer.negative_field = *field;
        return answer;
    }
    Search search(record, conventions, request);
    const auto finish = [&](TargetVerdict verdict) {
        answer.verdict = verdict;
        answer.calculations = search.calculations;
        return answer;
    };

    // A failure that names an input fails at every price.
    const Probe first = search.at(1);
    if (!first.valid && first.outcome.field != InputField::none) {
        answer.failure = first.outcome;
        return finish(TargetVerdict::input_fails);
    }
    if (first.met) {
        found_at(answer, first, record, conventions);
        return finish(TargetVerdict::found);
    }
    const auto valid_from = first.valid ? std::optional<std::int64_t>(1) : first_valid_cent(search);
    if (!valid_from)
        return finish(TargetVerdict::out_of_range);

    const std::vector<Tier> tiers = search.tiers_from(*valid_from);
    for (const Tier& tier : tiers) {
        if (const auto found = search.lowest_in(tier)) {
            found_at(answer, *found, record, conventions);
            return finish(TargetVerdict::found);
        }
        if (search.past_end)
            break;
    }
    const bool margin_unreachable = request.goal == TargetGoal::margin && tiers.back().rise <= 0;
    return finish(margin_unreachable ? TargetVerdict::margin_out_of_reach
                                     : TargetVerdict::out_of_range);
}

} // namespace quillet
