#include "decimal_digits.h"

#include <charconv>
#include <limits>
#include <string_view>

namespace quillet::detail {

void DecimalDigits::add_digit(char digit, bool after_point) {
    if (after_point)
        --exponent_;
    if (digit == '0') {
        if (count_ > 0)
            ++pending_zeros_; // stored only if a nonzero digit follows
        return;
    }
    for (; pending_zeros_ > 0; --pending_zeros_) {
        if (count_ == max_digits) {
            exponent_ += pending_zeros_;
            pending_zeros_ = 0;
            break;
        }
        digits_[count_++] = '0';
    }
    if (count_ == max_digits) {
        ++exponent_;
        sticky_ = true;
        return;
    }
    digits_[count_++] = digit;
}

void DecimalDigits::add_exponent(std::int64_t exponent) {
    exponent_ += exponent;
}

double DecimalDigits::to_double() const {
    const double sign = negative_ ? -1.0 : 1.0;
    constexpr double infinity = std::numeric_limits<double>::infinity();
    if (count_ == 0)
        return sign * 0.0;
    const std::int64_t exponent = exponent_ + pending_zeros_;
    const auto order = static_cast<std::int64_t>(count_) + exponent;
    if (order > 310)
        return sign * infinity;
    if (order < -330)
        return sign * 0.0;
    // digits, a sticky 1, 'e', the exponent
    std::array<char, max_digits + 32> text{};
    char* end = std::copy(digits_.begin(), digits_.begin() + count_, text.begin());
    if (sticky_)
        *end++ = '1';
    *end++ = 'e';
    end = std::to_chars(end, text.end(), exponent - (sticky_ ? 1 : 0)).ptr;
    double value = 0;
    const auto [last, ec] = std::from_chars(text.data(), end, value);
    if (ec == std::errc::result_out_of_range)
        value = order > 0 ? infinity : 0.0;
    return sign * value;
}

std::optional<Currency> DecimalDigits::to_money() const {
    if (count_ == 0)
        return Currency{};
    const std::string_view digits(digits_.data(), count_);
    const std::int64_t shift = exponent_ + pending_zeros_ + 4; // to ten-thousandths
    constexpr std::int64_t fits = 19;                          // digits of a 64-bit count
    const std::int64_t keep = static_cast<std::int64_t>(count_) + shift;
    if (keep > fits)
        return std::nullopt;
    if (keep < 0)
        return Currency{}; // under a tenth of a ten-thousandth
    unsigned long long magnitude = 0;
    for (std::int64_t i = 0; i < keep; ++i)
        magnitude = magnitude * 10 + (i < static_cast<std::int64_t>(count_) ? digits[i] - '0' : 0);
    if (shift < 0) {
        // Stored digits end in a nonzero one, so what is dropped is exactly
        // half only when it is a lone 5.
        const std::string_view dropped = digits.substr(static_cast<std::size_t>(keep));
        const bool beyond = dropped.size() > 1 || sticky_;
        const bool above = dropped[0] > '5' || (dropped[0] == '5' && beyond);
        const bool tie = dropped[0] == '5' && !beyond;
        if (above || (tie && magnitude % 2 == 1))
            ++magnitude;
    }
    const unsigned long long top = negative_ ? 1ULL << 63 : (1ULL << 63) - 1;
    if (magnitude > top)
        return std::nullopt;
    return Currency::from_count(negative_ ? static_cast<std::int64_t>(0 - magnitude)
                                          : static_cast<std::int64_t>(magnitude));
}

} // namespace quillet::detail
