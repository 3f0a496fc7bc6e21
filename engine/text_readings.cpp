#include "text_readings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace quillet {

namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

char lower_ascii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool is_exponent_letter(char c) {
    c = lower_ascii(c);
    return c == 'e' || c == 'd';
}

// Exponents are kept far from overflow; beyond a billion the value is
// infinite or zero whatever the digits say.
constexpr std::int64_t exponent_cap = 1'000'000'000;

std::int64_t read_exponent(std::string_view digits, bool negative) {
    std::int64_t value = 0;
    for (char c : digits)
        value = std::min(value * 10 + (c - '0'), exponent_cap);
    return negative ? -value : value;
}

// A decimal number taken apart: value = (-1)^negative x digits x 10^exponent,
// with `digits` free of leading and trailing zeros ("" for zero).
struct DecimalParts {
    bool negative = false;
    std::string digits;
    std::int64_t exponent = 0;
};

DecimalParts make_parts(bool negative, std::string_view whole, std::string_view fraction,
                        std::int64_t exponent) {
    DecimalParts parts{negative, std::string(whole) + std::string(fraction), exponent};
    parts.exponent -= static_cast<std::int64_t>(fraction.size());
    const auto first = parts.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        parts.digits.clear();
        parts.exponent = 0;
        return parts;
    }
    parts.digits.erase(0, first);
    const auto last = parts.digits.find_last_not_of('0');
    parts.exponent += static_cast<std::int64_t>(parts.digits.size() - last - 1);
    parts.digits.erase(last + 1);
    return parts;
}

// The nearest double to a decimal; infinite when too large.
double to_double(const DecimalParts& parts) {
    const double sign = parts.negative ? -1.0 : 1.0;
    if (parts.digits.empty())
        return sign * 0.0;
    const auto order = static_cast<std::int64_t>(parts.digits.size()) + parts.exponent;
    if (order > 310)
        return sign * std::numeric_limits<double>::infinity();
    if (order < -330)
        return sign * 0.0;
    const std::string text = parts.digits + "e" + std::to_string(parts.exponent);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range)
        value = order > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return sign * value;
}

// "&H" and "&O" numbers: whole and unsigned; read through a hexadecimal text
// so that long digit strings still round correctly.
double radix_number(std::string_view digits, bool octal) {
    const auto end = std::find_if(digits.begin(), digits.end(), [octal](char c) {
        const char l = lower_ascii(c);
        return octal ? !(c >= '0' && c <= '7') : !(is_digit(c) || (l >= 'a' && l <= 'f'));
    });
    std::string hex(digits.begin(), end);
    if (octal) {
        std::string bits;
        for (char c : hex)
            for (int shift = 2; shift >= 0; --shift)
                bits += static_cast<char>('0' + (((c - '0') >> shift) & 1));
        bits.insert(0, (4 - bits.size() % 4) % 4, '0');
        hex.clear();
        for (std::size_t i = 0; i < bits.size(); i += 4)
            hex += "0123456789abcdef"[std::stoi(bits.substr(i, 4), nullptr, 2)];
    }
    const auto first = hex.find_first_not_of('0');
    if (first == std::string::npos)
        return 0;
    hex.erase(0, first);
    double value = 0;
    const auto [last, ec] =
        std::from_chars(hex.data(), hex.data() + hex.size(), value, std::chars_format::hex);
    return ec == std::errc() ? value : std::numeric_limits<double>::infinity();
}

// ---- the strict reading -------------------------------------------------

class StrictReader {
public:
    StrictReader(std::string_view text, const NumberConventions& conventions)
        : text_(text)
        , conventions_(conventions) {}

    std::optional<DecimalParts> read() {
        skip_blanks();
        bool have_sign = false;
        bool have_currency = false;
        bool negative = false;
        for (int token = 0; token < 2; ++token) {
            if (!have_sign && (peek() == '+' || peek() == '-')) {
                have_sign = true;
                negative = peek() == '-';
                ++pos_;
            } else if (!have_currency && take_currency()) {
                have_currency = true;
            } else {
                break;
            }
            skip_blanks();
        }
        const std::string whole = read_grouped_digits();
        std::string_view fraction;
        if (take(conventions_.decimal_point))
            fraction = take_digits();
        if (whole.empty() && fraction.empty())
            return std::nullopt;
        std::int64_t exponent = 0;
        if (is_exponent_letter(peek())) {
            ++pos_;
            const bool exponent_negative = peek() == '-';
            if (peek() == '+' || peek() == '-')
                ++pos_;
            const std::string_view digits = take_digits();
            if (digits.empty())
                return std::nullopt;
            exponent = read_exponent(digits, exponent_negative);
        }
        skip_blanks();
        if (!have_currency && take_currency())
            skip_blanks();
        if (pos_ != text_.size())
            return std::nullopt;
        return make_parts(negative, whole, fraction, exponent);
    }

private:
    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

    bool at(std::string_view token) const {
        return !token.empty() && text_.substr(pos_).substr(0, token.size()) == token;
    }

    bool take(std::string_view token) {
        if (!at(token))
            return false;
        pos_ += token.size();
        return true;
    }

    bool take_currency() { return take("$") || take(conventions_.currency_symbol); }

    // Spaces, tabs and the no-break space some locales write around amounts.
    void skip_blanks() {
        for (;;) {
            if (peek() == ' ' || peek() == '\t')
                ++pos_;
            else if (!take("\xC2\xA0"))
                return;
        }
    }

    std::string_view take_digits() {
        const std::size_t start = pos_;
        while (is_digit(peek()))
            ++pos_;
        return text_.substr(start, pos_ - start);
    }

    // Digits before the point: one group of any length, or groups of three
    // after a first group of one to three digits.
    std::string read_grouped_digits() {
        std::string digits(take_digits());
        const std::string_view separator = conventions_.group_separator;
        if (digits.empty() || digits.size() > 3 || separator == conventions_.decimal_point)
            return digits;
        while (at(separator)) {
            const std::size_t group = pos_ + separator.size();
            std::size_t end = group;
            while (end < text_.size() && is_digit(text_[end]))
                ++end;
            if (end - group != 3)
                break; // leaves the separator unread, so the text is rejected
            digits += text_.substr(group, 3);
            pos_ = end;
        }
        return digits;
    }

    std::string_view text_;
    const NumberConventions& conventions_;
    std::size_t pos_ = 0;
};

// Brings a decimal to whole ten-thousandths, a tie going to the even count.
MoneyReading to_money(const DecimalParts& parts) {
    MoneyReading out;
    if (parts.digits.empty())
        return out;
    const std::int64_t shift = parts.exponent + 4; // from the last digit to ten-thousandths
    std::string kept = parts.digits;
    bool round_up = false;
    if (shift >= 0) {
        if (static_cast<std::int64_t>(kept.size()) + shift > 19)
            return {Currency{}, Failure::out_of_range};
        kept.append(static_cast<std::size_t>(shift), '0');
    } else {
        const std::int64_t keep = static_cast<std::int64_t>(kept.size()) + shift;
        if (keep < 0)
            return out; // below half a ten-thousandth
        const std::string dropped = kept.substr(static_cast<std::size_t>(keep));
        kept.erase(static_cast<std::size_t>(keep));
        // `dropped` has no trailing zeros, so it is exactly half only as "5".
        const bool above = dropped[0] > '5' || (dropped[0] == '5' && dropped.size() > 1);
        const bool odd = !kept.empty() && (kept.back() - '0') % 2 == 1;
        round_up = above || (dropped == "5" && odd);
    }
    if (kept.size() > 19)
        return {Currency{}, Failure::out_of_range};
    unsigned long long magnitude = 0;
    if (!kept.empty())
        std::from_chars(kept.data(), kept.data() + kept.size(), magnitude);
    const unsigned long long top = parts.negative ? 1ULL << 63 : (1ULL << 63) - 1;
    if (magnitude > top - (round_up ? 1 : 0))
        return {Currency{}, Failure::out_of_range};
    magnitude += round_up ? 1 : 0;
    const auto count = parts.negative ? static_cast<std::int64_t>(0 - magnitude)
                                      : static_cast<std::int64_t>(magnitude);
    out.value = Currency::from_count(count);
    return out;
}

} // namespace

double leading_number(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;

    if (s.size() >= 2 && s[0] == '&') {
        const char radix = lower_ascii(s[1]);
        if (radix == 'h' || radix == 'o')
            return radix_number(std::string_view(s).substr(2), radix == 'o');
    }

    std::size_t pos = 0;
    const auto digits_from = [&](std::size_t from) {
        std::size_t end = from;
        while (end < s.size() && is_digit(s[end]))
            ++end;
        return end;
    };
    bool negative = false;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-'))
        negative = s[pos++] == '-';
    std::size_t end = digits_from(pos);
    const std::string_view whole = std::string_view(s).substr(pos, end - pos);
    std::string_view fraction;
    if (end < s.size() && s[end] == '.') {
        const std::size_t fraction_end = digits_from(end + 1);
        fraction = std::string_view(s).substr(end + 1, fraction_end - end - 1);
        end = fraction_end;
    }
    if (whole.empty() && fraction.empty())
        return 0;
    std::int64_t exponent = 0;
    if (end < s.size() && is_exponent_letter(s[end])) {
        std::size_t at = end + 1;
        const bool exponent_negative = at < s.size() && s[at] == '-';
        if (at < s.size() && (s[at] == '+' || s[at] == '-'))
            ++at;
        const std::size_t exponent_end = digits_from(at);
        if (exponent_end > at)
            exponent =
                read_exponent(std::string_view(s).substr(at, exponent_end - at), exponent_negative);
    }
    return to_double(make_parts(negative, whole, fraction, exponent));
}

bool is_keyword(std::string_view text, std::string_view keyword) {
    return text.size() == keyword.size() &&
           std::equal(text.begin(), text.end(), keyword.begin(),
                      [](char a, char b) { return lower_ascii(a) == lower_ascii(b); });
}

bool is_numeric_text(std::string_view text, const NumberConventions& conventions) {
    return StrictReader(text, conventions).read().has_value();
}

MoneyReading money_from_text(std::string_view text, const NumberConventions& conventions) {
    const auto parts = StrictReader(text, conventions).read();
    if (!parts)
        return {Currency{}, Failure::conversion};
    return to_money(*parts);
}

} // namespace quillet
