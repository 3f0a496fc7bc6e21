#pragma once

// Exact decimal rounding of doubles, shared by the conversions and the text
// forms. Internal to the engine.

#include <string>

namespace quillet::detail {

enum class RoundMode { half_even, half_away, toward_zero };

// A finite value rounded to a number of decimals: the digits before and after
// the point, without sign; negative is set only for a nonzero result.
struct RoundedDecimal {
    bool negative = false;
    std::string whole;    // no leading zeros, "0" for zero
    std::string fraction; // exactly `places` digits
    bool inexact = false; // the value had digits beyond the places kept

    // "-12.34": sign, digits and a full stop.
    std::string text() const {
        std::string out = negative ? "-" : "";
        out += whole;
        out += '.';
        out += fraction;
        return out;
    }
};

// Rounds the exact binary value of a finite double. With near_halfway set, a
// double within eight units in the last place of a value halfway between two
// steps is taken as that halfway value.
RoundedDecimal round_double(double x, int places, RoundMode mode, bool near_halfway);

} // namespace quillet::detail
