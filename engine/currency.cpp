#include "currency.h"

namespace quillet {

namespace {
// A GCC and Clang extension; the one place the engine needs more than 64 bits.
__extension__ typedef __int128 int128;
} // namespace

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
    const int128 product = static_cast<int128>(a.count()) * b.count();
    int128 quotient = product / Currency::per_dollar;
    const int128 remainder = product % Currency::per_dollar;
    const int128 twice = 2 * (remainder < 0 ? -remainder : remainder);
    if (twice > Currency::per_dollar || (twice == Currency::per_dollar && quotient % 2 != 0))
        quotient += remainder < 0 ? -1 : 1;
    if (quotient > INT64_MAX || quotient < INT64_MIN)
        throw MoneyOutOfRange();
    return Currency::from_count(static_cast<std::int64_t>(quotient));
}

Currency nearest_cent(Currency m) {
    constexpr std::int64_t per_cent = Currency::per_dollar / 100;
    std::int64_t cents = m.count() / per_cent;
    const std::int64_t remainder = m.count() % per_cent;
    const std::int64_t twice = 2 * (remainder < 0 ? -remainder : remainder);
    if (twice > per_cent || (twice == per_cent && cents % 2 != 0))
        cents += remainder < 0 ? -1 : 1;
    // Rounding never leaves the range: the extremes end in 07 and 08.
    return Currency::from_count(cents * per_cent);
}

} // namespace quillet
