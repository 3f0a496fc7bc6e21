// The payment fee: a rate on end price plus shipping charged, plus a fixed
// fee. The end price must read strictly here: a text that is no number as a
// whole is a failure, where the other stages fall back to its leading number.

#include "fee_schedule.h"
#include "stage_support.h"
#include "text_forms.h"

namespace quillet {

CalcOutcome calc_paypal_fee(WindowState& s, const StageContext& ctx) {
    constexpr Stage stage = Stage::paypal_fee;
    const MoneyReading end_price = money_from_text(s.txt_end_price, ctx.conventions);
    if (!end_price.ok())
        return {end_price.failure, stage, InputField::txt_end_price};
    const auto shipping = read_price(s.txt_ship_charged, keyword_none, ctx.conventions).as_money();
    if (!shipping)
        return detail::out_of_range(stage, InputField::txt_ship_charged);
    const auto paid = checked_add(end_price.value, *shipping);
    if (!paid)
        return detail::out_of_range(stage);
    const auto fee = money_from_double(money_to_double(*paid) * paypal_rate + paypal_fixed);
    if (!fee)
        return detail::out_of_range(stage);
    s.txt_paypal_fee = format_cents(nearest_cent(*fee));
    return detail::succeeded(stage);
}

} // namespace quillet
