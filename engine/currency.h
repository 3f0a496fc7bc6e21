#pragma once

// Money as an exact count of ten-thousandths of a US dollar.
//
// Every fee in the schedule has at most four decimals, so a signed 64-bit
// count holds them all exactly. Arithmetic that can leave the range is
// checked and returns an empty optional instead of wrapping; nothing here
// builds a Currency silently from a double.

#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>

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

// Exact; empty when the result leaves the range.
std::optional<Currency> checked_add(Currency a, Currency b);
std::optional<Currency> checked_sub(Currency a, Currency b);
std::optional<Currency> checked_mul(Currency a, std::int64_t whole);

// The exact product brought to the nearest ten-thousandth, a tie going to the
// even count: 1.62 x 0.0525 = 0.08505 gives 0.0850, -1.62 x 0.0525 gives -0.0850.
std::optional<Currency> multiply(Currency a, Currency b);

// Orders a double against a money value by their exact values; NaN is unordered.
std::partial_ordering compare(double x, Currency m);

// Two decimals, a value exactly halfway going to the even cent:
// 0.1250 gives 0.12, 0.1350 gives 0.14, -0.5250 gives -0.52.
Currency nearest_cent(Currency m);

} // namespace quillet
