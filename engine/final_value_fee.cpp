// The final value fee on the end price (one of three tiers), and the
// marketplace total: listing fee plus the unrounded final value fee.

#include "fee_schedule.h"
#include "stage_support.h"
#include "text_forms.h"

namespace quillet {

namespace {

// The tier's product plus its fixed amount. The sum is exact in money, which
// is the nearest ten-thousandth of the same sum taken in double precision.
Currency tier_fee(Currency end_price) {
    if (end_price <= fvf_first_break)
        return multiply(end_price, fvf_first_rate);
    if (end_price <= fvf_second_break)
        return multiply(end_price - fvf_first_break, fvf_second_rate) + fvf_second_fixed;
    return multiply(end_price - fvf_second_break, fvf_third_rate) + fvf_third_fixed;
}

} // namespace

void calc_final_value_fee(WindowState& s, const StageContext& ctx) {
    const Currency fee = tier_fee(detail::price_money(s, prices::end_price, ctx));
    const Currency total = fee + detail::shown_money(s.txt_list_fee);
    s.txt_fvf = format_money_plain(nearest_cent(fee));
    s.Txt_ebay_fees = format_cents(nearest_cent(total));
}

} // namespace quillet
