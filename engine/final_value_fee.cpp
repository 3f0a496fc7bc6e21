// The final value fee on the end price (one of three tiers), and the
// marketplace total: listing fee plus the unrounded final value fee.

#include "fee_schedule.h"
#include "stage_support.h"
#include "text_forms.h"

namespace quillet {

FinalValueFeeParts final_value_fee(Currency end_price) {
    FinalValueFeeParts fee;
    fee.price = end_price;
    while (end_price > fvf_tiers[fee.tier].up_to)
        ++fee.tier;
    const FinalValueTier& tier = fvf_tiers[fee.tier];
    fee.rate = tier.rate;
    fee.fixed = tier.fixed;
    if (fee.tier > 0)
        fee.threshold = fvf_tiers[fee.tier - 1].up_to;
    // Exact in money: the nearest ten-thousandth of the same sum taken in
    // double precision.
    fee.product = multiply(end_price - fee.threshold, fee.rate);
    fee.unrounded = fee.product + fee.fixed;
    fee.shown = nearest_cent(fee.unrounded);
    return fee;
}

void calc_final_value_fee(WindowState& s, const StageContext& ctx) {
    const FinalValueFeeParts fee = final_value_fee(detail::price_money(s, prices::end_price, ctx));
    const Currency total = fee.unrounded + detail::shown_money(s.txt_list_fee);
    s.txt_fvf = format_money_plain(fee.shown);
    s.Txt_ebay_fees = format_cents(nearest_cent(total));
    if (ctx.details)
        ctx.details->final_value_fee = fee;
}

} // namespace quillet
