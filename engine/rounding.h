#pragma once

// Rounding to the nearest step, a tie going to the even count: the one rule
// every exact rounding in the engine follows. Internal to the engine.

#include <cstdint>

namespace quillet::detail {

// A GCC and Clang extension; products of two counts and a count one past the
// range's ends need more than 64 bits.
__extension__ typedef __int128 int128;

// What a rounding drops, measured against half a step.
enum class Remainder { zero, below_half, half, above_half };

// `left` of a `step`, for 0 <= left < step.
constexpr Remainder remainder_of(int128 left, int128 step) {
    if (left == 0)
        return Remainder::zero;
    const int128 twice = 2 * left;
    return twice < step    ? Remainder::below_half
           : twice == step ? Remainder::half
                           : Remainder::above_half;
}

// Whether a count that dropped `rest` moves one step away from zero: above
// half a step, or exactly half with the count odd.
constexpr bool rounds_away(Remainder rest, bool count_is_odd) {
    return rest == Remainder::above_half || (rest == Remainder::half && count_is_odd);
}

// n / step at the nearest whole, a tie going to the even one.
constexpr int128 divide_to_even(int128 n, int128 step) {
    const int128 quotient = n / step;
    const int128 left = n % step;
    const bool away = rounds_away(remainder_of(left < 0 ? -left : left, step), quotient % 2 != 0);
    return away ? quotient + (left < 0 ? -1 : 1) : quotient;
}

} // namespace quillet::detail
