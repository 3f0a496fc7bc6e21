#include "currency.h"

#include "decimal.h"

#include <charconv>
#include <cmath>
#include <string>

namespace quillet {

namespace {
// A GCC and Clang extension; the one place the engine needs more than 64 bits.
__extension__ typedef __int128 int128;
} // namespace

std::optional<Currency> checked_add(Currency a, Currency b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a.count(), b.count(), &sum))
        return std::nullopt;
    return Currency::from_count(sum);
}

std::optional<Currency> checked_sub(Currency a, Currency b) {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(a.count(), b.count(), &difference))
        return std::nullopt;
    return Currency::from_count(difference);
}

std::optional<Currency> checked_mul(Currency a, std::int64_t whole) {
    std::int64_t product = 0;
    if (__builtin_mul_overflow(a.count(), whole, &product))
        return std::nullopt;
    return Currency::from_count(product);
}

std::optional<Currency> multiply(Currency a, Currency b) {
    // Both counts below 2^63, so the product fits in 127 bits.
    const int128 product = static_cast<int128>(a.count()) * b.count();
    int128 quotient = product / Currency::per_dollar;
    const int128 remainder = product % Currency::per_dollar;
    const int128 twice = 2 * (remainder < 0 ? -remainder : remainder);
    if (twice > Currency::per_dollar || (twice == Currency::per_dollar && quotient % 2 != 0))
        quotient += remainder < 0 ? -1 : 1;
    if (quotient > INT64_MAX || quotient < INT64_MIN)
        return std::nullopt;
    return Currency::from_count(static_cast<std::int64_t>(quotient));
}

std::partial_ordering compare(double x, Currency m) {
    if (std::isnan(x))
        return std::partial_ordering::unordered;
    // Beyond this bound no money value comes near, and the count would not fit.
    constexpr double beyond_range = 1e15;
    if (x >= beyond_range)
        return std::partial_ordering::greater;
    if (x <= -beyond_range)
        return std::partial_ordering::less;
    const auto by_sign = [](auto a, auto b) { return a <=> b; };
    constexpr double exact_below = 0x1p52; // counts and scaled values still exact here
    const double scaled = x * Currency::per_dollar;
    if (std::fabs(scaled) < exact_below) {
        // scaled + error is x's exact count; error only matters when scaled hits it.
        if (std::fabs(static_cast<double>(m.count())) >= exact_below)
            return by_sign(0, m.count());
        const auto count = static_cast<double>(m.count());
        if (scaled != count)
            return by_sign(scaled, count);
        return by_sign(std::fma(x, Currency::per_dollar, -scaled), 0.0);
    }
    const auto truncated = detail::round_double(x, 4, detail::RoundMode::toward_zero);
    const std::string digits = truncated.whole + truncated.fraction;
    unsigned long long magnitude = 0; // below 10^19, so it fits
    std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    const int128 count = truncated.negative ? -static_cast<int128>(magnitude) : magnitude;
    if (count != m.count())
        return count < m.count() ? std::partial_ordering::less : std::partial_ordering::greater;
    if (!truncated.inexact)
        return std::partial_ordering::equivalent;
    return std::signbit(x) ? std::partial_ordering::less : std::partial_ordering::greater;
}

Currency nearest_cent(Currency m) {
    constexpr std::int64_t per_cent = Currency::per_dollar / 100;
    std::int64_t cents = m.count() / per_cent;
    const std::int64_t remainder = m.count() % per_cent;
    const std::int64_t twice = 2 * (remainder < 0 ? -remainder : remainder);
    if (twice > per_cent || (twice == per_cent && cents % 2 != 0))
        cents += remainder < 0 ? -1 : 1;
    // Rounding never leaves the range: the extremes end in 07 and 08.
    return Currency::from_count(cents * per_cent);
}

} // namespace quillet
