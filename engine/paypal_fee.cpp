// The payment fee: a rate on end price plus shipping charged, plus a fixed
// fee. The end price must read strictly here: a text that is no number as a
// whole is a failure, where the other stages fall back to its leading number.

#include "fee_schedule.h"
#include "stage_support.h"
#include "text_forms.h"

namespace quillet {

double paypal_fee_unrounded(Currency paid) {
    return money_to_double(paid) * paypal_rate + paypal_fixed;
}

Currency paypal_fee_shown(double unrounded) {
    return nearest_cent(detail::to_money(unrounded));
}

void calc_paypal_fee(WindowState& s, const StageContext& ctx) {
    const MoneyReading end_price = money_from_text(s.txt_end_price, ctx.conventions);
    if (!end_price.ok())
        throw InputFailure(end_price.failure, InputField::txt_end_price);
    const Currency shipping = detail::price_money(s, prices::ship_charged, ctx);
    const Currency paid = end_price.value + shipping;
    const double unrounded = paypal_fee_unrounded(paid);
    s.txt_paypal_fee = format_cents(paypal_fee_shown(unrounded));
    if (ctx.details) // whether it is counted is the total fees' to say
        ctx.details->paypal_fee = PayPalFeeParts{
            .base = paid,
            .rate = paypal_rate,
            .fixed = paypal_fixed,
            .unrounded = detail::to_money(unrounded),
            .shown = paypal_fee_shown(unrounded),
            .counted = std::nullopt,
        };
}

} // namespace quillet
