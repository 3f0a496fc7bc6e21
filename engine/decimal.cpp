#include "decimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace quillet::detail {

namespace {

Remainder remainder_of_digits(std::string_view dropped) {
    if (dropped.find_first_not_of('0') == std::string_view::npos)
        return Remainder::zero;
    if (dropped[0] != '5')
        return dropped[0] < '5' ? Remainder::below_half : Remainder::above_half;
    return dropped.find_first_not_of('0', 1) == std::string_view::npos ? Remainder::half
                                                                       : Remainder::above_half;
}

// The whole cents under |x| when x counts as halfway between two cents.
std::optional<std::uint64_t> cents_below_halfway(double x) {
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(x), &exponent);
    // Under 2^-8 no halfway value is near; from 2^52 up every double is whole.
    if (exponent < -7 || exponent > 52)
        return std::nullopt;
    // Counted in units of x's last place, 2^-bits, 100|x| and the halfway
    // value are whole numbers, so the distance between them is exact.
    const int bits = 53 - exponent;
    const std::uint64_t hundred = 100 * static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const std::uint64_t cents = hundred >> bits;
    const std::uint64_t rest = hundred - (cents << bits);
    const std::uint64_t half = std::uint64_t{1} << (bits - 1);
    const std::uint64_t distance = rest > half ? rest - half : half - rest;
    // Eight units of x, times 100; only under 2^33 is that under a thousandth of a cent.
    const std::uint64_t slack = exponent <= 33 ? 8 * 100 : 0;
    if (distance > slack)
        return std::nullopt;
    return cents;
}

} // namespace

DecimalNumber DecimalNumber::exact(double x) {
    // |x| is a whole number of units of 2^(exponent - 53), or of 2^-1074 when
    // subnormal, so that many decimals write it exactly.
    int exponent = 0;
    std::frexp(x, &exponent);
    const int places = std::clamp(53 - exponent, 0, 1074);
    // The longest text: 309 digits without decimals, or 16 digits before 1074 decimals.
    std::array<char, 1100> text{};
    const char* end = std::to_chars(text.data(), text.data() + text.size(), std::fabs(x),
                                    std::chars_format::fixed, places)
                          .ptr;
    DecimalNumber number;
    number.negative = std::signbit(x);
    bool after_point = false;
    for (const char* c = text.data(); c != end; ++c) {
        if (*c == '.')
            after_point = true;
        else
            number.add_digit(*c, after_point);
    }
    return number;
}

void DecimalNumber::add_digit(char digit, bool after_point) {
    if (after_point)
        --exponent;
    if (!digits.empty() || digit != '0')
        digits += digit;
}

double DecimalNumber::to_double() const {
    const double sign = negative ? -1.0 : 1.0;
    if (digits.empty())
        return sign * 0.0;
    const std::string text = digits + 'e' + std::to_string(exponent);
    double value = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec ==
        std::errc::result_out_of_range) {
        // Too large or too small; the value lies below 10^order and from a
        // tenth of it up, so a positive order means too large.
        const auto order = static_cast<std::int64_t>(digits.size()) + exponent;
        value = order > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return sign * value;
}

std::optional<DecimalNumber::Cut> DecimalNumber::cut(int places) const {
    if (digits.empty())
        return Cut{};
    // The digits of the count: those at or above the step's place.
    const std::int64_t whole = static_cast<std::int64_t>(digits.size()) + exponent + places;
    if (whole > 19)
        return std::nullopt; // 10^19 steps or more
    if (whole < 0)
        return Cut{0, Remainder::below_half}; // under a tenth of a step
    const std::size_t kept = std::min(static_cast<std::size_t>(whole), digits.size());
    std::uint64_t count = 0;
    std::from_chars(digits.data(), digits.data() + kept, count); // none kept: stays 0
    for (std::size_t i = kept; i < static_cast<std::size_t>(whole); ++i)
        count *= 10;
    return Cut{count, remainder_of_digits(std::string_view(digits).substr(kept))};
}

std::optional<Currency> DecimalNumber::to_money() const {
    const auto steps = cut(4);
    if (!steps)
        return std::nullopt;
    std::uint64_t count = steps->count;
    if (rounds_away(steps->rest, count % 2 != 0))
        ++count;
    // Up to 2^63 so that the most negative count fits.
    if (count > (negative ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1))
        return std::nullopt;
    return Currency::from_count(static_cast<std::int64_t>(negative ? 0 - count : count));
}

std::string nearest_cent_text(double x, Tie tie) {
    if (const auto below = cents_below_halfway(x)) {
        const bool up = tie == Tie::away_from_zero || rounds_away(Remainder::half, *below % 2 != 0);
        return cents_text(x < 0, *below + (up ? 1 : 0));
    }
    // Not halfway, so to_chars's rounding of the exact value is the nearest cent.
    std::array<char, 320> text{}; // at most 309 digits before the point
    const char* end =
        std::to_chars(text.data(), text.data() + text.size(), x, std::chars_format::fixed, 2).ptr;
    std::string_view written(text.data(), static_cast<std::size_t>(end - text.data()));
    if (written == "-0.00")
        written.remove_prefix(1);
    return std::string(written);
}

std::string cents_text(bool negative, std::uint64_t cents) {
    std::string text = negative && cents != 0 ? "-" : "";
    text += std::to_string(cents / 100);
    text += '.';
    text += static_cast<char>('0' + cents % 100 / 10);
    text += static_cast<char>('0' + cents % 10);
    return text;
}

} // namespace quillet::detail
