#include "currency.h"

#include "rounding.h"

namespace quillet {

using detail::divide_to_even;
using detail::int128;

Currency operator+(Currency a, Currency b) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(a.count(), b.count(), &sum))
        throw MoneyOutOfRange();
    return Currency::from_count(sum);
}

Currency operator-(Currency a, Currency b) {
    std::int64_t difference = 0;
    if (__builtin_sub_overflow(a.count(), b.count(), &difference))
        throw MoneyOutOfRange();
    return Currency::from_count(difference);
}

Currency operator*(Currency a, std::int64_t whole) {
    std::int64_t product = 0;
    if (__builtin_mul_overflow(a.count(), whole, &product))
        throw MoneyOutOfRange();
    return Currency::from_count(product);
}

Currency multiply(Currency a, Currency b) {
    // Both counts below 2^63, so the product fits in 127 bits.
    const int128 quotient =
        divide_to_even(static_cast<int128>(a.count()) * b.count(), Currency::per_dollar);
    if (quotient > INT64_MAX || quotient < INT64_MIN)
        throw MoneyOutOfRange();
    return Currency::from_count(static_cast<std::int64_t>(quotient));
}

Currency nearest_cent(Currency m) {
    constexpr std::int64_t per_cent = Currency::per_dollar / 100;
    // Rounding never leaves the range: the extremes end in 07 and 08.
    return Currency::from_count(
        static_cast<std::int64_t>(divide_to_even(m.count(), per_cent) * per_cent));
}

} // namespace quillet
