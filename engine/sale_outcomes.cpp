#include "sale_outcomes.h"

#include "driver.h"
#include "target_price.h"
#include "text_forms.h"

namespace quillet {

namespace {

// The lowest whole cent at or above the amount: bids are in cents, and a sale
// below the reserve is no sale. Empty when that cent is beyond the range.
std::optional<Currency> up_to_cent(Currency m) {
    constexpr Currency one_cent = Currency::from_count(Currency::per_dollar / 100);
    const Currency cent = nearest_cent(m);
    if (cent >= m)
        return cent;
    return cent <= Currency::max() - one_cent ? std::optional(cent + one_cent) : std::nullopt;
}

// The profit the calculation writes with the end price set to `price`, as the
// user would type it: empty when it cannot be worked out, and shown when only
// a later figure (the margin) cannot, as in the window.
std::string profit_at(WindowState record, Currency price, const NumberConventions& conventions) {
    record.txt_end_price = in_user_form(format_cents(price), conventions);
    const NoticeSink quiet = [](Notice) {}; // the window's own run has told the user
    calculate(record, conventions, quiet);
    return record.txt_profit;
}

} // namespace

SaleOutcomes sale_outcomes(const WindowState& calculated, const FeeDetails& details,
                           const NumberConventions& conventions) {
    SaleOutcomes outcomes;
    outcomes.at_end_price = calculated.txt_profit;
    if (!details.listing_fee)
        return outcomes; // the listing fails at every price

    // The reserve as the listing fee read it: none when it counted as none.
    if (const auto& reserve = details.listing_fee->reserve) {
        outcomes.lowest_price = up_to_cent(reserve->reserve);
        outcomes.lowest_is_reserve = true;
    } else {
        outcomes.lowest_price = band_lowest_price(calculated.cmb_start_price);
    }
    if (outcomes.lowest_price)
        outcomes.at_lowest_price = profit_at(calculated, *outcomes.lowest_price, conventions);

    outcomes.not_sold = format_cents(Currency{} - details.listing_fee->shown);
    return outcomes;
}

NoSale no_sale_at_end_price(const WindowState& calculated, const FeeDetails& details) {
    if (!details.final_value_fee || !details.listing_fee)
        return NoSale::none;
    const Currency price = details.final_value_fee->price;
    if (const auto& reserve = details.listing_fee->reserve; reserve && price < reserve->reserve)
        return NoSale::below_reserve;
    if (const auto lowest = band_lowest_price(calculated.cmb_start_price);
        lowest && price < *lowest)
        return NoSale::below_starting_band;
    return NoSale::none;
}

} // namespace quillet
