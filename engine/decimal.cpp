#include "decimal.h"

#include <array>
#include <charconv>
#include <cmath>

namespace quillet::detail {

namespace {

// Adds one unit in the last place of a digit string; may grow it by a digit.
void increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

enum class Remainder { zero, below_half, half, above_half };

Remainder classify(std::string_view dropped) {
    if (dropped.empty())
        return Remainder::zero;
    const bool rest_zero = dropped.find_first_not_of('0', 1) == std::string_view::npos;
    if (dropped[0] > '5' || (dropped[0] == '5' && !rest_zero))
        return Remainder::above_half;
    if (dropped[0] == '5')
        return Remainder::half;
    return rest_zero && dropped[0] == '0' ? Remainder::zero : Remainder::below_half;
}

} // namespace

RoundedDecimal round_double(double x, int places, RoundMode mode) {
    // Forty decimals hold every double's distance from a halfway point at four
    // places or fewer, so rounding the expansion there cannot fake a tie.
    constexpr int exact_places = 40;
    std::array<char, 400> buffer{};
    const double magnitude = std::fabs(x);
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                         std::chars_format::fixed, exact_places);
    const std::string_view text(buffer.data(), ec == std::errc() ? end - buffer.data() : 0);
    const auto point = text.find('.');
    RoundedDecimal out;
    out.whole = std::string(text.substr(0, point));
    const std::string_view all_fraction = text.substr(point + 1);
    out.fraction = std::string(all_fraction.substr(0, places));
    Remainder rest = classify(all_fraction.substr(places));
    out.inexact = rest != Remainder::zero;

    bool up = false;
    switch (mode) {
    case RoundMode::toward_zero:
        break;
    case RoundMode::half_away:
        up = rest == Remainder::half || rest == Remainder::above_half;
        break;
    case RoundMode::half_even: {
        const char last = out.fraction.empty() ? out.whole.back() : out.fraction.back();
        up = rest == Remainder::above_half || (rest == Remainder::half && (last - '0') % 2 == 1);
        break;
    }
    }
    if (up) {
        std::string digits = out.whole + out.fraction;
        increment(digits);
        out.whole = digits.substr(0, digits.size() - places);
        out.fraction = digits.substr(digits.size() - places);
    }
    const bool zero = out.whole.find_first_not_of('0') == std::string::npos &&
                      out.fraction.find_first_not_of('0') == std::string::npos;
    out.negative = std::signbit(x) && !zero;
    return out;
}

std::optional<std::int64_t> round_scaled(double x, int places, RoundMode mode, bool near_halfway) {
    const double scale = places == 2 ? 100.0 : 10000.0;
    const double scaled = x * scale;
    if (!(std::fabs(scaled) < 0x1p52) || mode == RoundMode::toward_zero)
        return std::nullopt;
    // x * scale is exactly scaled + error, and |error| is at most half a unit
    // in the last place of scaled: too small to carry the fraction past 0.5
    // unless the fraction is 0.5 itself.
    const double error = std::fma(x, scale, -scaled);
    const double lower = std::floor(scaled);
    const double fraction = scaled - lower; // exact
    Remainder rest = fraction > 0.5 || (fraction == 0.5 && error > 0) ? Remainder::above_half
                     : fraction == 0.5 && error == 0                  ? Remainder::half
                                                                      : Remainder::below_half;
    if (near_halfway && rest != Remainder::half) {
        // Only where eight units are a sliver of the step (amounts under about
        // 8.6e9 at two places); beyond that the exact value decides.
        const double tolerance =
            8 * (std::nextafter(std::fabs(x), HUGE_VAL) - std::fabs(x)) * scale;
        if (tolerance <= 1e-3 && std::fabs((fraction - 0.5) + error) <= tolerance)
            rest = Remainder::half;
    }
    const auto count = static_cast<std::int64_t>(lower);
    bool up = rest == Remainder::above_half;
    if (rest == Remainder::half)
        up = mode == RoundMode::half_even ? count % 2 != 0 : x > 0; // away from zero
    return count + (up ? 1 : 0);
}

} // namespace quillet::detail
