#pragma once

// The engine's exact decimal arithmetic: a number as decimal digits and a
// power of ten, filled by the text readers or written exactly from a double by
// std::to_chars, and rounded from those digits. Internal to the engine.

#include "currency.h"
#include "rounding.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quillet::detail {

// The value (negative ? -1 : 1) x digits x 10^exponent.
struct DecimalNumber {
    bool negative = false;
    std::string digits; // no leading zeros; empty for zero
    std::int64_t exponent = 0;

    // Every digit of a finite double's exact binary value.
    static DecimalNumber exact(double x);

    void add_digit(char digit, bool after_point);

    // The nearest double; an infinity when too large.
    double to_double() const;

    // The magnitude in steps of 10^-places: the whole count of steps and what
    // is left beyond it. Empty from 10^19 steps up.
    struct Cut {
        std::uint64_t count = 0;
        Remainder rest = Remainder::zero;
    };
    std::optional<Cut> cut(int places) const;

    // The nearest ten-thousandth, a tie going to the even count; empty outside
    // the money range.
    std::optional<Currency> to_money() const;
};

enum class Tie { to_even, away_from_zero };

// A finite double at the nearest cent, written "-12.34" (zero has no sign).
// A double only approximates a halfway amount (the double nearest 0.145 is
// 0.14499999999999999; the sum 0.74 + 0.35 + 0.52 + 1.005 is
// 2.6149999999999998), so it counts as halfway between two cents when it lies
// within eight units in its own last place of that halfway value, where eight
// units are under a thousandth of a cent (amounts under 2^33, about 8.6e9);
// beyond that only its exact value is halfway. Every rounding of a double to
// cents uses this test.
std::string nearest_cent_text(double x, Tie tie);

// "-12.34" from a sign and a count of cents; zero never has a sign.
std::string cents_text(bool negative, std::uint64_t cents);

} // namespace quillet::detail
