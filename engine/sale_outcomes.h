#pragma once

// The profit at the ends an auction can come to, each by the calculation
// itself. Internal to the engine: the driver fills them in FeeDetails.

#include "fee_details.h"
#include "text_readings.h"
#include "window_state.h"

namespace quillet {

// From a record as a calculation left it, and the parts it recorded.
SaleOutcomes sale_outcomes(const WindowState& calculated, const FeeDetails& details,
                           const NumberConventions& conventions);

} // namespace quillet
