#pragma once

// Small readings shared by the stages. Internal to the engine.

#include "conversions.h"
#include "price_reading.h"
#include "stages.h"
#include "text_readings.h"

#include <string_view>

namespace quillet::detail {

// A double step's result, or MoneyOutOfRange when it leaves the range.
inline double in_range(double x) {
    if (!in_money_range(x))
        throw MoneyOutOfRange();
    return x;
}

inline Currency to_money(double x) {
    const auto m = money_from_double(x);
    if (!m)
        throw MoneyOutOfRange();
    return *m;
}

// A price field's amount, or an out-of-range failure of that field.
inline Currency price_money(const WindowState& s, const PriceField& field,
                            const StageContext& ctx) {
    const auto m = read_price(s, field, ctx.conventions).as_money();
    if (!m)
        throw InputFailure(Failure::out_of_range, field.id);
    return *m;
}

inline double price_double(const WindowState& s, const PriceField& field, const StageContext& ctx) {
    const auto x = read_price(s, field, ctx.conventions).as_double();
    if (!x)
        throw InputFailure(Failure::out_of_range, field.id);
    return *x;
}

// A result read back through the leading number. Results are written with a
// full stop and no separators, so this reads them exactly as shown.
inline Currency shown_money(std::string_view text) {
    return to_money(leading_number(text));
}

inline double shown_double(std::string_view text) {
    return in_range(leading_number(text));
}

} // namespace quillet::detail
