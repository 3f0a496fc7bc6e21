// The final value fee on the end price (one of three tiers), and the
// marketplace total: listing fee plus the unrounded final value fee.

#include "fee_schedule.h"
#include "stage_support.h"
#include "text_forms.h"

namespace quillet {

namespace {

// The tier's product plus its fixed amount. The sum is exact in money, which
// is the nearest ten-thousandth of the same sum taken in double precision.
std::optional<Currency> tier_fee(Currency end_price) {
    if (end_price <= fvf_first_break)
        return multiply(end_price, fvf_first_rate);
    const bool second = end_price <= fvf_second_break;
    const Currency base = second ? fvf_first_break : fvf_second_break;
    const auto above = checked_sub(end_price, base);
    const auto product =
        above ? multiply(*above, second ? fvf_second_rate : fvf_third_rate) : std::nullopt;
    return product ? checked_add(*product, second ? fvf_second_fixed : fvf_third_fixed)
                   : std::nullopt;
}

} // namespace

CalcOutcome calc_final_value_fee(WindowState& s, const StageContext& ctx) {
    constexpr Stage stage = Stage::final_value_fee;
    const auto end_price = read_price(s.txt_end_price, keyword_none, ctx.conventions).as_money();
    if (!end_price)
        return detail::out_of_range(stage, InputField::txt_end_price);
    const auto fee = tier_fee(*end_price);
    const auto listing_fee = detail::lenient_money(s.txt_list_fee);
    const auto total = fee && listing_fee ? checked_add(*fee, *listing_fee) : std::nullopt;
    if (!total)
        return detail::out_of_range(stage);
    s.txt_fvf = format_money_plain(nearest_cent(*fee));
    s.Txt_ebay_fees = format_cents(nearest_cent(*total));
    return detail::succeeded(stage);
}

} // namespace quillet
