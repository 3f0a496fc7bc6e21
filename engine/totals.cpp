// Total fees, received, spent, profit and margin. Each reads the figures
// before it back from their texts, as shown, already rounded.

#include "stage_support.h"
#include "text_forms.h"

#include <string>

namespace quillet {

using detail::in_range;
using detail::price_double;
using detail::price_money;
using detail::shown_double;
using detail::shown_money;

namespace {

// part / whole x 100 at the nearest cent, a tie going to the even cent.
std::string percent_text(double part, double whole) {
    return format_cents(nearest_cent(in_range(part / whole * 100)));
}

// The same for figures as shown; empty where one is missing, the divisor is 0
// or the share leaves the money range.
std::string share_text(const std::string& part, const std::string& whole) {
    if (part.empty() || whole.empty())
        return {};
    try {
        const double divisor = shown_double(whole);
        return divisor == 0 ? std::string() : percent_text(shown_double(part), divisor);
    } catch (const MoneyOutOfRange&) {
        return {};
    }
}

} // namespace

void calc_total_fees(WindowState& s, const StageContext& ctx) {
    // Recorded first: the box is read even when the other costs then fail.
    const bool paypal_counted = is_ticked(s.chk_paypal);
    if (ctx.details && ctx.details->paypal_fee)
        ctx.details->paypal_fee->counted = paypal_counted;
    const double other = price_double(s, prices::other_costs, ctx);
    const double listing = shown_double(s.txt_list_fee);
    const double final_value = shown_double(s.txt_fvf);
    // The order of the double additions is part of the result.
    const double total = paypal_counted
                             ? shown_double(s.txt_paypal_fee) + listing + final_value + other
                             : final_value + listing + other;
    s.txt_total_fee = format_cents(in_range(total)); // no rounding step of its own
}

Currency total_received(Currency shipping, Currency end_price) {
    return nearest_cent(shipping + end_price);
}

void calc_total_received(WindowState& s, const StageContext& ctx) {
    const Currency shipping = price_money(s, prices::ship_charged, ctx);
    const Currency end_price = price_money(s, prices::end_price, ctx);
    s.txt_total_recv = format_cents(total_received(shipping, end_price));
}

void calc_total_spent(WindowState& s, const StageContext& ctx) {
    const Currency item = price_money(s, prices::item_cost, ctx);
    const Currency fees = shown_money(s.txt_total_fee);
    const Currency shipping = price_money(s, prices::ship_cost, ctx);
    s.txt_total_spent = format_cents(nearest_cent(item + fees + shipping));
}

void calc_profit(WindowState& s, const StageContext&) {
    const double profit = shown_double(s.txt_total_recv) - shown_double(s.txt_total_spent);
    s.txt_profit = format_cents(nearest_cent(in_range(profit)));
}

void calc_margin(WindowState& s, const StageContext&) {
    const double received = shown_double(s.txt_total_recv);
    if (received == 0) {
        s.txt_profit_margin = "0.00"; // nothing received: no division
        return;
    }
    s.txt_profit_margin = percent_text(shown_double(s.txt_profit), received);
}

FigureShares figure_shares(const WindowState& s) {
    return {share_text(s.txt_profit, s.txt_total_spent),
            share_text(s.txt_total_fee, s.txt_total_recv)};
}

} // namespace quillet
