#include "conversions.h"

#include "decimal.h"

#include <charconv>
#include <cmath>
#include <string>

namespace quillet {

namespace {
// A GCC and Clang extension, for a count one past the range's ends.
__extension__ typedef __int128 int128;
} // namespace

std::optional<Currency> money_from_double(double x) {
    if (!in_money_range(x))
        return std::nullopt;
    if (const auto count = detail::round_scaled(x, 4, detail::RoundMode::half_even, false))
        return Currency::from_count(*count);
    const auto rounded = detail::round_double(x, 4, detail::RoundMode::half_even);
    const std::string digits = rounded.whole + rounded.fraction;
    // Parsed as a magnitude up to 2^63 so that the most negative count fits.
    unsigned long long magnitude = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
    if (ec != std::errc())
        return std::nullopt;
    constexpr unsigned long long top = 1ULL << 63;
    if (magnitude > (rounded.negative ? top : top - 1))
        return std::nullopt;
    const auto count = rounded.negative ? static_cast<std::int64_t>(0 - magnitude)
                                        : static_cast<std::int64_t>(magnitude);
    return Currency::from_count(count);
}

Currency add_rounded(Currency sum, double x) {
    if (!in_money_range(x))
        throw MoneyOutOfRange();
    // 2x is exact. Its count of ten-thousandths, cut toward zero, is twice
    // x's whole count, plus one when x's rest reaches half a count; the rest
    // is exactly half when that odd count has nothing after it.
    const auto twice = detail::round_double(2 * x, 4, detail::RoundMode::toward_zero);
    const std::string digits = twice.whole + twice.fraction;
    unsigned long long doubled = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), doubled);
    if (ec != std::errc())
        throw MoneyOutOfRange();
    const std::int64_t step = x < 0 ? -1 : 1;
    const Currency total =
        sum + Currency::from_count(static_cast<std::int64_t>(doubled / 2) * step);
    const bool half_or_more = doubled % 2 == 1;
    const bool exactly_half = half_or_more && !twice.inexact;
    if (!half_or_more || (exactly_half && total.count() % 2 == 0))
        return total;
    return total + Currency::from_count(step);
}

double money_to_double(Currency m) {
    constexpr std::int64_t exact_in_double = 1LL << 53;
    if (m.count() <= exact_in_double && m.count() >= -exact_in_double)
        return static_cast<double>(m.count()) / Currency::per_dollar; // one correct rounding
    // Larger counts would be rounded twice; read the exact decimal instead.
    const std::string text = std::to_string(m.count()) + "e-4";
    double x = 0;
    std::from_chars(text.data(), text.data() + text.size(), x);
    return x;
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

bool in_money_range(double x) {
    constexpr double surely_inside = 9e14;
    if (std::fabs(x) < surely_inside)
        return true;
    return std::isfinite(x) && compare(x, Currency::min()) != std::partial_ordering::less &&
           compare(x, Currency::max()) != std::partial_ordering::greater;
}

double nearest_cent(double x) {
    if (!std::isfinite(x))
        return x;
    if (const auto cents = detail::round_scaled(x, 2, detail::RoundMode::half_even, true))
        return static_cast<double>(*cents) / 100; // exact count, one correct rounding
    const auto rounded = detail::round_double(x, 2, detail::RoundMode::half_even);
    const std::string text = rounded.text();
    double cents = 0;
    std::from_chars(text.data(), text.data() + text.size(), cents);
    return cents;
}

} // namespace quillet
