// The final value fee on the end price (one of three tiers), and the
// marketplace total: listing fee plus the unrounded final value fee.

#include "fee_schedule.h"
#include "stage_support.h"
#include "text_forms.h"

namespace quillet {

namespace {

// The tier's product plus its fixed amount. The sum is exact in money, which
// is the nearest ten-thousandth of the same sum taken in double precision.
FinalValueFeeParts tier_fee(Currency end_price) {
    FinalValueFeeParts fee;
    fee.price = end_price;
    if (end_price <= fvf_first_break) {
        fee.tier = 0;
        fee.rate = fvf_first_rate;
    } else if (end_price <= fvf_second_break) {
        fee.tier = 1;
        fee.fixed = fvf_second_fixed;
        fee.rate = fvf_second_rate;
        fee.threshold = fvf_first_break;
    } else {
        fee.tier = 2;
        fee.fixed = fvf_third_fixed;
        fee.rate = fvf_third_rate;
        fee.threshold = fvf_second_break;
    }
    fee.product = multiply(end_price - fee.threshold, fee.rate);
    fee.unrounded = fee.product + fee.fixed;
    return fee;
}

} // namespace

void calc_final_value_fee(WindowState& s, const StageContext& ctx) {
    FinalValueFeeParts fee = tier_fee(detail::price_money(s, prices::end_price, ctx));
    fee.shown = nearest_cent(fee.unrounded);
    const Currency total = fee.unrounded + detail::shown_money(s.txt_list_fee);
    s.txt_fvf = format_money_plain(fee.shown);
    s.Txt_ebay_fees = format_cents(nearest_cent(total));
    if (ctx.details)
        ctx.details->final_value_fee = fee;
}

} // namespace quillet
