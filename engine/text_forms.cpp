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

} // namespace

std::string format_cents(Currency m) {
    constexpr std::uint64_t per_cent = Currency::per_dollar / 100;
    std::uint64_t cents = magnitude(m) / per_cent;
    if (magnitude(m) % per_cent >= per_cent / 2)
        ++cents; // halfway goes away from zero
    return detail::cents_text(m.count() < 0, cents);
}

std::string format_cents(double x) {
    if (std::isnan(x))
        return "nan";
    if (std::isinf(x))
        return x < 0 ? "-inf" : "inf";
    return detail::nearest_cent_text(x, detail::Tie::away_from_zero);
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

std::string in_user_form(std::string_view plain, const NumberConventions& conventions, Form form) {
    const bool own = form == Form::own;
    std::string text;
    for (char c : plain) {
        if (c == '.')
            text += conventions.decimal_point;
        else if (c == '-' && own)
            text += conventions.minus_sign;
        else if (own && c >= '0' && c <= '9')
            text += conventions.digits[static_cast<std::size_t>(c - '0')];
        else
            text += c;
    }
    return text;
}

} // namespace quillet
