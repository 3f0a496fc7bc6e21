#include "conversions.h"

#include "decimal.h"

#include <charconv>
#include <cmath>
#include <string>

namespace quillet {

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

std::optional<Currency> add_rounded(Currency sum, double x) {
    if (!in_money_range(x))
        return std::nullopt;
    // 2x is exact. Its count of ten-thousandths, cut toward zero, is twice
    // x's whole count, plus one when x's rest reaches half a count; the rest
    // is exactly half when that odd count has nothing after it.
    const auto twice = detail::round_double(2 * x, 4, detail::RoundMode::toward_zero);
    const std::string digits = twice.whole + twice.fraction;
    unsigned long long doubled = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), doubled);
    if (ec != std::errc())
        return std::nullopt;
    const std::int64_t step = x < 0 ? -1 : 1;
    const auto total =
        checked_add(sum, Currency::from_count(static_cast<std::int64_t>(doubled / 2) * step));
    const bool half_or_more = doubled % 2 == 1;
    if (!total || !half_or_more)
        return total;
    const bool exactly_half = !twice.inexact;
    if (exactly_half && total->count() % 2 == 0)
        return total;
    return checked_add(*total, Currency::from_count(step));
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
