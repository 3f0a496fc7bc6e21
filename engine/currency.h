#pragma once

// Money as an exact count of ten-thousandths of a US dollar.
//
// Every fee in the schedule has at most four decimals, so a signed 64-bit
// count holds them all exactly. Arithmetic that would leave the range throws
// instead of wrapping; nothing here builds a Currency silently from a double.

#include <compare>
#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace quillet {

class Currency {
public:
    static constexpr std::int64_t per_dollar = 10000;

    constexpr Currency() = default;

    // The value count / 10000: from_count(199500) is 19.95.
    static constexpr Currency from_count(std::int64_t count) { return Currency(count); }
    static constexpr Currency max() { return Currency(INT64_MAX); }
    static constexpr Currency min() { return Currency(INT64_MIN); }

    constexpr std::int64_t count() const { return count_; }

    friend constexpr bool operator==(Currency, Currency) = default;
    friend constexpr auto operator<=>(Currency, Currency) = default;

private:
    explicit constexpr Currency(std::int64_t count)
        : count_(count) {}
    std::int64_t count_ = 0;
};

namespace detail {
// Reads a decimal literal with at most four decimals at compile time.
consteval Currency parse_literal(const char* s, std::size_t n) {
    std::size_t i = 0;
    bool negative = false;
    if (i < n && s[i] == '-') {
        negative = true;
        ++i;
    }
    std::int64_t count = 0;
    int decimals = -1;
    for (; i < n; ++i) {
        if (s[i] == '.') {
            if (decimals >= 0)
                throw "two decimal points";
            decimals = 0;
            continue;
        }
        if (s[i] < '0' || s[i] > '9')
            throw "not a digit";
        count = count * 10 + (s[i] - '0');
        if (decimals >= 0 && ++decimals > 4)
            throw "more than four decimals";
    }
    for (int d = decimals < 0 ? 0 : decimals; d < 4; ++d)
        count *= 10;
    return Currency::from_count(negative ? -count : count);
}
} // namespace detail

// "19.95"_usd is the exact amount 19.95; a typo fails to compile.
consteval Currency operator""_usd(const char* s, std::size_t n) {
    return detail::parse_literal(s, n);
}

// Thrown by money arithmetic whose result leaves the range; the calculation
// driver reports it as an out-of-range failure of the stage that was running.
class MoneyOutOfRange : public std::out_of_range {
public:
    MoneyOutOfRange()
        : std::out_of_range("amount outside the money range") {}
};

// Exact, or MoneyOutOfRange.
Currency operator+(Currency a, Currency b);
Currency operator-(Currency a, Currency b);
Currency operator*(Currency a, std::int64_t whole);
inline Currency& operator+=(Currency& a, Currency b) {
    return a = a + b;
}

// The exact product brought to the nearest ten-thousandth, a tie going to the
// even count: 1.62 x 0.0525 = 0.08505 gives 0.0850, -1.62 x 0.0525 gives
// -0.0850. MoneyOutOfRange beyond the range.
Currency multiply(Currency a, Currency b);

// Two decimals, a value exactly halfway going to the even cent:
// 0.1250 gives 0.12, 0.1350 gives 0.14, -0.5250 gives -0.52.
Currency nearest_cent(Currency m);

} // namespace quillet
