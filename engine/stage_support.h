#pragma once

// Small readings shared by the stages. Internal to the engine.

#include "conversions.h"
#include "price_reading.h"
#include "stages.h"
#include "text_readings.h"

#include <optional>
#include <string_view>

namespace quillet::detail {

// A result read back through the leading number, as money; empty when out of
// range. Results are written with a full stop and no separators, so this
// reads them exactly as shown.
inline std::optional<Currency> lenient_money(std::string_view text) {
    return money_from_double(leading_number(text));
}

// A result read back through the leading number, as a double; empty when the
// figure is infinite or outside the money range.
inline std::optional<double> lenient_double(std::string_view text) {
    const double x = leading_number(text);
    return in_money_range(x) ? std::optional<double>(x) : std::nullopt;
}

inline CalcOutcome out_of_range(Stage stage, InputField field = InputField::none) {
    return {Failure::out_of_range, stage, field};
}

inline CalcOutcome succeeded(Stage stage) {
    return {Failure::none, stage, InputField::none};
}

} // namespace quillet::detail
