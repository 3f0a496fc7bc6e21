#include "text_readings.h"

#include "decimal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace quillet {

namespace {

using detail::DecimalNumber;

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

int hex_value(char c) {
    const char l = lower_ascii(c);
    return is_digit(c) ? c - '0' : l >= 'a' && l <= 'f' ? l - 'a' + 10 : -1;
}

int octal_value(char c) {
    return c >= '0' && c <= '7' ? c - '0' : -1;
}

// Reads a text as the lenient reading sees it: blanks, tabs and line feeds
// do not exist.
class BlankFreeCursor {
public:
    explicit BlankFreeCursor(std::string_view text)
        : text_(text) {
        skip();
    }

    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    void next() {
        ++pos_;
        skip();
    }

private:
    void skip() {
        while (pos_ < text_.size() &&
               (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n'))
            ++pos_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// Exponent digits, capped far from overflow: past a billion the value is
// infinite or zero whatever the digits say.
template <class Cursor> std::int64_t read_exponent_digits(Cursor& cursor, bool negative) {
    constexpr std::int64_t cap = 1'000'000'000;
    std::int64_t value = 0;
    for (; is_digit(cursor.peek()); cursor.next())
        value = std::min(value * 10 + (cursor.peek() - '0'), cap);
    return negative ? -value : value;
}

// "&H" and "&O" numbers: whole and unsigned. The leading 62 bits, with any
// set bit after them folded into the lowest, convert to the nearest double in
// one rounding, nine bits below the double's last; scaling by the bits
// dropped is then exact, or an infinity past 2^1024.
double radix_number(BlankFreeCursor& cursor, bool octal) {
    const int digit_bits = octal ? 3 : 4;
    std::uint64_t leading = 0;
    std::int64_t dropped = 0; // bits after the leading ones
    bool sticky = false;      // any of them set
    for (;; cursor.next()) {
        const int value = octal ? octal_value(cursor.peek()) : hex_value(cursor.peek());
        if (value < 0)
            break;
        for (int shift = digit_bits - 1; shift >= 0; --shift) {
            const unsigned bit = (value >> shift) & 1;
            if (leading < std::uint64_t{1} << 61) {
                leading = leading << 1 | bit;
            } else {
                ++dropped;
                sticky = sticky || bit != 0;
            }
        }
    }
    const auto head = static_cast<double>(leading | (sticky ? 1 : 0));
    return std::ldexp(head, static_cast<int>(std::min<std::int64_t>(dropped, 2000)));
}

// ---- the strict reading -------------------------------------------------

class StrictReader {
public:
    StrictReader(std::string_view text, const NumberConventions& conventions)
        : text_(text)
        , conventions_(conventions) {}

    std::optional<DecimalNumber> read() {
        DecimalNumber number;
        skip_blanks();
        bool have_sign = false;
        bool have_currency = false;
        for (int token = 0; token < 2; ++token) {
            if (!have_sign && (peek() == '+' || peek() == '-')) {
                have_sign = true;
                number.negative = peek() == '-';
                ++pos_;
            } else if (!have_currency && take_currency()) {
                have_currency = true;
            } else {
                break;
            }
            skip_blanks();
        }
        std::size_t digits = read_grouped_digits(number);
        if (take(conventions_.decimal_point))
            digits += take_digits(number, true);
        if (digits == 0)
            return std::nullopt;
        if (is_exponent_letter(peek())) {
            ++pos_;
            const bool negative = peek() == '-';
            if (peek() == '+' || peek() == '-')
                ++pos_;
            if (!is_digit(peek()))
                return std::nullopt;
            number.exponent += read_exponent_digits(*this, negative);
        }
        skip_blanks();
        if (!have_currency && take_currency())
            skip_blanks();
        if (pos_ != text_.size())
            return std::nullopt;
        return number;
    }

    // The cursor interface read_exponent_digits uses.
    char peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    void next() { ++pos_; }

private:
    bool at(std::string_view token) const {
        return !token.empty() && text_.substr(pos_).substr(0, token.size()) == token;
    }

    bool take(std::string_view token) {
        if (!at(token))
            return false;
        pos_ += token.size();
        return true;
    }

    bool take_currency() { return take("$"); }

    // Spaces, tabs and the no-break space some locales write around amounts.
    void skip_blanks() {
        for (;;) {
            if (peek() == ' ' || peek() == '\t')
                ++pos_;
            else if (!take("\xC2\xA0"))
                return;
        }
    }

    std::size_t take_digits(DecimalNumber& number, bool after_point) {
        std::size_t count = 0;
        for (; is_digit(peek()); ++pos_, ++count)
            number.add_digit(peek(), after_point);
        return count;
    }

    // Digits before the point: one group of any length, or groups of three
    // after a first group of one to three digits.
    std::size_t read_grouped_digits(DecimalNumber& number) {
        std::size_t count = take_digits(number, false);
        const std::string_view separator = conventions_.group_separator;
        if (count == 0 || count > 3 || separator == conventions_.decimal_point)
            return count;
        while (at(separator)) {
            const std::size_t group = pos_ + separator.size();
            std::size_t end = group;
            while (end < text_.size() && is_digit(text_[end]))
                ++end;
            if (end - group != 3)
                break; // leaves the separator unread, so the text is rejected
            pos_ = group;
            count += take_digits(number, false);
        }
        return count;
    }

    std::string_view text_;
    const NumberConventions& conventions_;
    std::size_t pos_ = 0;
};

} // namespace

double leading_number(std::string_view text) {
    BlankFreeCursor cursor(text);
    if (cursor.peek() == '&') {
        BlankFreeCursor radix = cursor;
        radix.next();
        const char letter = lower_ascii(radix.peek());
        if (letter == 'h' || letter == 'o') {
            radix.next();
            return radix_number(radix, letter == 'o');
        }
        return 0;
    }
    DecimalNumber number;
    if (cursor.peek() == '+' || cursor.peek() == '-') {
        number.negative = cursor.peek() == '-';
        cursor.next();
    }
    std::size_t digits = 0;
    for (; is_digit(cursor.peek()); cursor.next(), ++digits)
        number.add_digit(cursor.peek(), false);
    if (cursor.peek() == '.') {
        cursor.next();
        for (; is_digit(cursor.peek()); cursor.next(), ++digits)
            number.add_digit(cursor.peek(), true);
    }
    if (digits == 0)
        return 0;
    if (is_exponent_letter(cursor.peek())) {
        // An exponent counts only with at least one digit; otherwise the
        // number ends before its letter.
        BlankFreeCursor exponent = cursor;
        exponent.next();
        const bool negative = exponent.peek() == '-';
        if (exponent.peek() == '+' || exponent.peek() == '-')
            exponent.next();
        if (is_digit(exponent.peek()))
            number.exponent += read_exponent_digits(exponent, negative);
    }
    return number.to_double();
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
    const auto number = StrictReader(text, conventions).read();
    if (!number)
        return {Currency{}, Failure::conversion};
    const auto value = number->to_money();
    if (!value)
        return {Currency{}, Failure::out_of_range};
    return {*value, Failure::none};
}

bool is_negative_number(std::string_view text, const NumberConventions& conventions) {
    const auto number = StrictReader(text, conventions).read();
    if (!number)
        return false;
    if (const auto value = number->to_money())
        return *value < Currency{};
    return number->negative; // out of range, so not 0
}

} // namespace quillet
