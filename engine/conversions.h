#pragma once

// Moving between money values and doubles, and rounding doubles to cents.

#include "currency.h"

#include <compare>
#include <optional>

namespace quillet {

// The nearest ten-thousandth to the double's exact binary value, a tie going
// to the even count. Empty for infinities, NaN and values outside the range.
// (31.55 x 0.029 + 0.3 is 1.21494999... as a double: 1.2149, not 1.2150.)
std::optional<Currency> money_from_double(double x);

// The nearest ten-thousandth to sum + x, taken with x's exact binary value,
// so that the sum is rounded once: 5.6113 + 0.09375 gives 5.7050 (a tie, to
// even), where rounding 0.09375 on its own first would give 5.7051.
// MoneyOutOfRange when x or the result lies outside the money range.
Currency add_rounded(Currency sum, double x);

// The nearest double to the money value.
double money_to_double(Currency m);

// Orders a double against a money value by their exact values; NaN is unordered.
std::partial_ordering compare(double x, Currency m);

// True when x is finite and lies inside the money range.
bool in_money_range(double x);

// The nearest cent, as the nearest double to it; halfway (a double near
// enough to it, see nearest_cent_text in decimal.h) goes to the even cent:
// 0.145 gives 0.14, 0.135 gives 0.14, -0.145 gives -0.14.
double nearest_cent(double x);

} // namespace quillet
