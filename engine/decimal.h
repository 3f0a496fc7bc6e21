#pragma once

// Exact decimal rounding of doubles, shared by the conversions and the text
// forms. Internal to the engine.

#include <cstdint>
#include <optional>
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

// Rounds the exact binary value of a finite double, whatever its size.
RoundedDecimal round_double(double x, int places, RoundMode mode);

// The same rounding for 2 or 4 places, as a count of hundredths or
// ten-thousandths, without leaving the hardware: empty when the scaled value
// reaches 2^52 (about 4.5e13 at two places, 4.5e11 at four), where doubles no
// longer resolve the step and round_double takes over. With near_halfway set,
// a double within eight units in its last place of a halfway value is taken
// as that halfway value, where eight units are under a thousandth of the step.
// toward_zero is not offered here.
std::optional<std::int64_t> round_scaled(double x, int places, RoundMode mode, bool near_halfway);

} // namespace quillet::detail
