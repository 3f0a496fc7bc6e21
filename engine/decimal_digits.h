#pragma once

// The significant digits of a decimal number as a text reader meets them,
// held in a fixed buffer so that no text, however long, costs a heap
// allocation. Internal to the engine.

#include "currency.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace quillet::detail {

class DecimalDigits {
public:
    // More than any correctly rounded conversion to double needs; past this
    // only whether a dropped digit was nonzero matters.
    static constexpr std::size_t max_digits = 800;

    void set_negative(bool negative) { negative_ = negative; }
    void add_digit(char digit, bool after_point);
    void add_exponent(std::int64_t exponent);

    bool empty() const { return count_ == 0; }

    // The nearest double; an infinity when too large.
    double to_double() const;

    // The nearest whole count of ten-thousandths, a tie going to the even
    // count; empty outside the money range.
    std::optional<Currency> to_money() const;

private:
    // value = digits_[0..count_) x 10^(exponent_ + pending_zeros_), plus a
    // sliver when sticky_ says a nonzero digit was dropped.
    bool negative_ = false;
    std::array<char, max_digits> digits_{};
    std::size_t count_ = 0;
    std::int64_t pending_zeros_ = 0; // zeros after the last nonzero digit
    std::int64_t exponent_ = 0;
    bool sticky_ = false;
};

// Exponents are capped far from overflow: past a billion the value is
// infinite or zero whatever the digits say.
constexpr std::int64_t exponent_cap = 1'000'000'000;

} // namespace quillet::detail
