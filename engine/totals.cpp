// Total fees, received, spent, profit and margin. Each reads the figures
// before it back from their texts, as shown, already rounded.

#include "stage_support.h"
#include "text_forms.h"

namespace quillet {

using detail::lenient_double;
using detail::lenient_money;
using detail::out_of_range;
using detail::succeeded;

CalcOutcome calc_total_fees(WindowState& s, const StageContext& ctx) {
    constexpr Stage stage = Stage::total_fees;
    const auto other = read_price(s.txt_other_costs, keyword_none, ctx.conventions).as_double();
    if (!other)
        return out_of_range(stage, InputField::txt_other_costs);
    const auto listing = lenient_double(s.txt_list_fee);
    const auto final_value = lenient_double(s.txt_fvf);
    const bool paypal_counts = is_ticked(s.chk_paypal);
    const auto paypal = paypal_counts ? lenient_double(s.txt_paypal_fee) : 0.0;
    if (!listing || !final_value || !paypal)
        return out_of_range(stage);
    // The order of the double additions is part of the result.
    const double total = paypal_counts ? *paypal + *listing + *final_value + *other
                                       : *final_value + *listing + *other;
    if (!in_money_range(total))
        return out_of_range(stage);
    s.txt_total_fee = format_cents(total); // no rounding step of its own
    return succeeded(stage);
}

CalcOutcome calc_total_received(WindowState& s, const StageContext& ctx) {
    constexpr Stage stage = Stage::total_received;
    const auto shipping = read_price(s.txt_ship_charged, keyword_none, ctx.conventions).as_money();
    if (!shipping)
        return out_of_range(stage, InputField::txt_ship_charged);
    const auto end_price = read_price(s.txt_end_price, keyword_none, ctx.conventions).as_money();
    if (!end_price)
        return out_of_range(stage, InputField::txt_end_price);
    const auto received = checked_add(*shipping, *end_price);
    if (!received)
        return out_of_range(stage);
    s.txt_total_recv = format_cents(nearest_cent(*received));
    return succeeded(stage);
}

CalcOutcome calc_total_spent(WindowState& s, const StageContext& ctx) {
    constexpr Stage stage = Stage::total_spent;
    const auto item = read_price(s.txt_item_cost, keyword_free, ctx.conventions).as_money();
    if (!item)
        return out_of_range(stage, InputField::txt_item_cost);
    const auto fees = lenient_money(s.txt_total_fee);
    if (!fees)
        return out_of_range(stage);
    const auto shipping = read_price(s.txt_ship_cost, keyword_none, ctx.conventions).as_money();
    if (!shipping)
        return out_of_range(stage, InputField::txt_ship_cost);
    const auto item_and_fees = checked_add(*item, *fees);
    const auto spent = item_and_fees ? checked_add(*item_and_fees, *shipping) : std::nullopt;
    if (!spent)
        return out_of_range(stage);
    s.txt_total_spent = format_cents(nearest_cent(*spent));
    return succeeded(stage);
}

CalcOutcome calc_profit(WindowState& s, const StageContext&) {
    constexpr Stage stage = Stage::profit;
    const auto received = lenient_double(s.txt_total_recv);
    const auto spent = lenient_double(s.txt_total_spent);
    if (!received || !spent || !in_money_range(*received - *spent))
        return out_of_range(stage);
    s.txt_profit = format_cents(nearest_cent(*received - *spent));
    return succeeded(stage);
}

CalcOutcome calc_margin(WindowState& s, const StageContext&) {
    constexpr Stage stage = Stage::margin;
    const auto received = lenient_double(s.txt_total_recv);
    if (!received)
        return out_of_range(stage);
    if (*received == 0) {
        s.txt_profit_margin = "0.00"; // nothing received: no division
        return succeeded(stage);
    }
    const auto profit = lenient_double(s.txt_profit);
    if (!profit || !in_money_range(*profit / *received * 100))
        return out_of_range(stage);
    s.txt_profit_margin = format_cents(nearest_cent(*profit / *received * 100));
    return succeeded(stage);
}

} // namespace quillet
