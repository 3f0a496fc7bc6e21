#include "text_forms.h"

#include "decimal.h"

#include <cmath>
#include <cstdint>

namespace quillet {

namespace {

// The count's magnitude, safe for the most negative count.
std::uint64_t magnitude(Currency m) {
    const auto count = static_cast<std::uint64_t>(m.count());
    return m.count() < 0 ? 0 - count : count;
}

// "-12.34" from a sign and a count of cents; zero never has a sign.
std::string cents_text(bool negative, std::uint64_t cents) {
    std::string text = negative && cents != 0 ? "-" : "";
    text += std::to_string(cents / 100);
    text += '.';
    text += static_cast<char>('0' + cents % 100 / 10);
    text += static_cast<char>('0' + cents % 10);
    return text;
}

} // namespace

std::string format_cents(Currency m) {
    constexpr std::uint64_t per_cent = Currency::per_dollar / 100;
    std::uint64_t cents = magnitude(m) / per_cent;
    if (magnitude(m) % per_cent >= per_cent / 2)
        ++cents; // halfway goes away from zero
    return cents_text(m.count() < 0, cents);
}

std::string format_cents(double x) {
    if (std::isnan(x))
        return "nan";
    if (std::isinf(x))
        return x < 0 ? "-inf" : "inf";
    if (const auto cents = detail::round_scaled(x, 2, detail::RoundMode::half_away, true)) {
        const auto magnitude = static_cast<std::uint64_t>(*cents < 0 ? -*cents : *cents);
        return cents_text(*cents < 0, magnitude);
    }
    return detail::round_double(x, 2, detail::RoundMode::half_away).text();
}

std::string format_money_plain(Currency m) {
    const std::uint64_t whole = magnitude(m) / Currency::per_dollar;
    std::string fraction =
        std::to_string(magnitude(m) % Currency::per_dollar + Currency::per_dollar);
    fraction.erase(0, 1); // drop the 1 that kept the leading zeros
    fraction.erase(fraction.find_last_not_of('0') + 1);
    std::string text = m.count() < 0 ? "-" : "";
    text += std::to_string(whole);
    if (!fraction.empty()) {
        text += '.';
        text += fraction;
    }
    return text;
}

} // namespace quillet
