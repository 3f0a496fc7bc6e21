// Total fees, received, spent, profit and margin. Each reads the figures
// before it back from their texts, as shown, already rounded.

#include "stage_support.h"
#include "text_forms.h"

namespace quillet {

using detail::in_range;
using detail::price_double;
using detail::price_money;
using detail::shown_double;
using detail::shown_money;

void calc_total_fees(WindowState& s, const StageContext& ctx) {
    const double other = price_double(s, prices::other_costs, ctx);
    const double listing = shown_double(s.txt_list_fee);
    const double final_value = shown_double(s.txt_fvf);
    // The order of the double additions is part of the result.
    const double total = is_ticked(s.chk_paypal)
                             ? shown_double(s.txt_paypal_fee) + listing + final_value + other
                             : final_value + listing + other;
    s.txt_total_fee = format_cents(in_range(total)); // no rounding step of its own
}

void calc_total_received(WindowState& s, const StageContext& ctx) {
    const Currency shipping = price_money(s, prices::ship_charged, ctx);
    const Currency end_price = price_money(s, prices::end_price, ctx);
    s.txt_total_recv = format_cents(nearest_cent(shipping + end_price));
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
    const double margin = shown_double(s.txt_profit) / received * 100;
    s.txt_profit_margin = format_cents(nearest_cent(in_range(margin)));
}

} // namespace quillet
