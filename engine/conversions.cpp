#include "conversions.h"

#include "decimal.h"

#include <charconv>
#include <cmath>
#include <string>

namespace quillet {

using detail::int128;

std::optional<Currency> money_from_double(double x) {
    if (!std::isfinite(x))
        return std::nullopt;
    return detail::DecimalNumber::exact(x).to_money();
}

Currency add_rounded(Currency sum, double x) {
    if (!in_money_range(x))
        throw MoneyOutOfRange();
    // x's whole count of ten-thousandths is added exactly; what x has beyond it
    // then rounds the sum once, a tie going to the even count.
    const auto number = detail::DecimalNumber::exact(x);
    const auto steps = *number.cut(4); // in range, so under 2^63 steps
    const std::int64_t step = number.negative ? -1 : 1;
    const Currency total =
        sum + Currency::from_count(static_cast<std::int64_t>(steps.count) * step);
    return detail::rounds_away(steps.rest, total.count() % 2 != 0)
               ? total + Currency::from_count(step)
               : total;
}

double money_to_double(Currency m) {
    // The count's digits read as ten-thousandths: one correct rounding at any size.
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
    if (std::fabs(x) >= beyond_range)
        return x > 0 ? std::partial_ordering::greater : std::partial_ordering::less;
    const auto number = detail::DecimalNumber::exact(x);
    const auto steps = *number.cut(4); // under 10^19 steps
    const int128 whole = number.negative ? -static_cast<int128>(steps.count) : steps.count;
    if (whole != m.count())
        return whole < m.count() ? std::partial_ordering::less : std::partial_ordering::greater;
    if (steps.rest == detail::Remainder::zero)
        return std::partial_ordering::equivalent;
    return number.negative ? std::partial_ordering::less : std::partial_ordering::greater;
}

bool in_money_range(double x) {
    return std::isfinite(x) && compare(x, Currency::min()) != std::partial_ordering::less &&
           compare(x, Currency::max()) != std::partial_ordering::greater;
}

double nearest_cent(double x) {
    if (!std::isfinite(x))
        return x;
    const std::string text = detail::nearest_cent_text(x, detail::Tie::to_even);
    double cents = 0;
    std::from_chars(text.data(), text.data() + text.size(), cents);
    return cents;
}

} // namespace quillet
