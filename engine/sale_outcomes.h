#pragma once

// The profit at the ends an auction can come to, each by the calculation
// itself: the driver fills them in FeeDetails. And whether the item sells at
// all at the end price, which the window says beside the figures.

#include "fee_details.h"
#include "text_readings.h"
#include "window_state.h"

namespace quillet {

// From a record as a calculation left it, and the parts it recorded.
SaleOutcomes sale_outcomes(const WindowState& calculated, const FeeDetails& details,
                           const NumberConventions& conventions);

enum class NoSale {
    none,                // it sells, or there is no end price to judge
    below_reserve,       // below the reserve, as the listing fee read it
    below_starting_band, // below the lowest price of the chosen starting band
};

// Why no bid at the end price the final value fee was worked on would win the
// item; the reserve is named first when both hold.
NoSale no_sale_at_end_price(const WindowState& calculated, const FeeDetails& details);

} // namespace quillet
