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

// Whether |x| lies within a few units in the last place of kept + 5 units of
// the next place: a sum of a handful of cent amounts in double precision
// misses the exact decimal by that much (0.74 + 0.35 + 0.52 + 1.005 is
// 2.6149999999999998), and should still round as the halfway value it means.
bool near_halfway_value(double magnitude, std::string_view whole, std::string_view fraction) {
    constexpr double ulps = 8;
    std::string text(whole);
    text += '.';
    text += fraction;
    text += '5';
    double halfway = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), halfway);
    const double ulp = std::nextafter(halfway, HUGE_VAL) - halfway;
    return ec == std::errc() && std::fabs(magnitude - halfway) <= ulps * ulp;
}

} // namespace

RoundedDecimal round_double(double x, int places, RoundMode mode, bool near_halfway) {
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
    if (near_halfway && (rest == Remainder::below_half || rest == Remainder::above_half) &&
        near_halfway_value(magnitude, out.whole, out.fraction))
        rest = Remainder::half;

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

} // namespace quillet::detail
