#include "text_readings.h"

#include "decimal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

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

// The spaces a blank may be, and a group separator where the locale's is one
// of them: people type an ordinary space where Qt writes a narrow no-break one.
constexpr std::array<std::string_view, 4> spaces{" ", "\xC2\xA0", "\xE2\x80\xAF", "\xE2\x80\x89"};

bool is_space(std::string_view token) {
    return std::find(spaces.begin(), spaces.end(), token) != spaces.end();
}

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
            if (!have_sign && take_sign(number)) {
                have_sign = true;
            } else if (!have_currency && take_currency()) {
                have_currency = true;
            } else {
                break;
            }
            skip_blanks();
        }
        const std::optional<std::size_t> whole = read_grouped_digits(number);
        if (!whole)
            return std::nullopt;
        std::size_t digits = *whole;
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

    bool take_sign(DecimalNumber& number) {
        if (take("+"))
            return true;
        number.negative = take(conventions_.minus_sign) || take("-");
        return number.negative;
    }

    void skip_blanks() {
        while (take("\t") || std::any_of(spaces.begin(), spaces.end(),
                                         [this](std::string_view s) { return take(s); })) {
        }
    }

    // The digit's value at the cursor, taking it; -1, taking nothing, when
    // there is none.
    int take_digit() {
        if (is_digit(peek()))
            return text_[pos_++] - '0';
        for (int value = 0; value < 10; ++value)
            if (take(conventions_.digits[static_cast<std::size_t>(value)]))
                return value;
        return -1;
    }

    std::size_t take_digits(DecimalNumber& number, bool after_point) {
        std::size_t count = 0;
        for (int value = take_digit(); value >= 0; value = take_digit(), ++count)
            number.add_digit(static_cast<char>('0' + value), after_point);
        return count;
    }

    bool take_group_separator() {
        const std::string_view separator = conventions_.group_separator;
        if (separator.empty() || separator == conventions_.decimal_point)
            return false;
        if (!is_space(separator))
            return take(separator);
        return std::any_of(spaces.begin(), spaces.end(),
                           [this](std::string_view s) { return take(s); });
    }

    // Digits before the point, in groups when separated at all; empty when
    // the groups are of the wrong sizes. A separator not followed by a digit
    // is left unread (a blank before "$").
    std::optional<std::size_t> read_grouped_digits(DecimalNumber& number) {
        std::vector<std::size_t> groups{take_digits(number, false)};
        while (groups.front() > 0) {
            const std::size_t before = pos_;
            if (!take_group_separator())
                break;
            const std::size_t group = take_digits(number, false);
            if (group == 0) {
                pos_ = before;
                break;
            }
            groups.push_back(group);
        }
        std::size_t count = 0;
        for (std::size_t group : groups)
            count += group;
        if (groups.size() == 1 ||
            grouped_by(groups, conventions_.group_size, conventions_.higher_group_size) ||
            grouped_by(groups, 3, 3))
            return count;
        return std::nullopt;
    }

    // The last group `size` digits, the ones before it `higher`, the first
    // one to `higher`.
    static bool grouped_by(const std::vector<std::size_t>& groups, int size, int higher) {
        const auto last = static_cast<std::size_t>(size);
        const auto other = static_cast<std::size_t>(higher);
        if (groups.back() != last || groups.front() > other)
            return false;
        return std::all_of(groups.begin() + 1, groups.end() - 1,
                           [other](std::size_t g) { return g == other; });
    }

    std::string_view text_;
    const NumberConventions& conventions_;
    std::size_t pos_ = 0;
};

// The window's own plain form, "-1234.5678": an optional minus, ASCII
// digits, and a full stop with one to four decimals.
std::optional<DecimalNumber> read_plain(std::string_view text) {
    DecimalNumber number;
    number.negative = text.starts_with('-');
    if (number.negative)
        text.remove_prefix(1);
    const std::size_t point = std::min(text.find('.'), text.size());
    const std::string_view whole = text.substr(0, point);
    const std::string_view decimals = text.substr(std::min(point + 1, text.size()));
    const bool well_formed =
        !whole.empty() && std::all_of(whole.begin(), whole.end(), is_digit) &&
        (point == text.size() || (!decimals.empty() && decimals.size() <= 4 &&
                                  std::all_of(decimals.begin(), decimals.end(), is_digit)));
    if (!well_formed)
        return std::nullopt;
    for (char c : whole)
        number.add_digit(c, false);
    for (char c : decimals)
        number.add_digit(c, true);
    return number;
}

// The user's own form first; the plain form only where the text is not it.
std::optional<DecimalNumber> read_number(std::string_view text,
                                         const NumberConventions& conventions) {
    if (auto number = StrictReader(text, conventions).read())
        return number;
    return read_plain(text);
}

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
    return read_number(text, conventions).has_value();
}

MoneyReading money_from_text(std::string_view text, const NumberConventions& conventions) {
    const auto number = read_number(text, conventions);
    if (!number)
        return {Currency{}, Failure::conversion};
    const auto value = number->to_money();
    if (!value)
        return {Currency{}, Failure::out_of_range};
    return {*value, Failure::none};
}

bool is_negative_number(std::string_view text, const NumberConventions& conventions) {
    const auto number = read_number(text, conventions);
    if (!number)
        return false;
    if (const auto value = number->to_money())
        return *value < Currency{};
    return number->negative; // out of range, so not 0
}

} // namespace quillet
