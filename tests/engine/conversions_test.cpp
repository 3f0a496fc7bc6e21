#include "engine/conversions.h"

#include "printers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quillet {
namespace {

struct FromDoubleRow {
    const char* name;
    double in;
    std::optional<Currency> out;
};

class MoneyFromDouble : public testing::TestWithParam<FromDoubleRow> {};

TEST_P(MoneyFromDouble, IsNearestTenThousandthOfExactValue) {
    EXPECT_EQ(money_from_double(GetParam().in), GetParam().out);
}

constexpr double inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Rows, MoneyFromDouble,
    testing::Values(
        FromDoubleRow{"plain", 19.95, "19.95"_usd},
        // 31.55 x 0.029 + 0.3 is 1.21494999...; times 10000 in double it would be a false tie.
        FromDoubleRow{"no_false_tie", 31.55 * 0.029 + 0.3, "1.2149"_usd},
        FromDoubleRow{"exact_tie_to_even_down", 0.03125, "0.0312"_usd},
        FromDoubleRow{"exact_tie_to_even_up", 0.09375, "0.0938"_usd},
        FromDoubleRow{"negative_exact_tie", -0.03125, "-0.0312"_usd},
        FromDoubleRow{"percent_of_reserve", 212.35 * 0.01, "2.1235"_usd},
        FromDoubleRow{"negative_zero", -0.0, Currency{}},
        FromDoubleRow{"tiny_negative", -0.00001, Currency{}},
        // Just under half a ten-thousandth below zero (-0.0000499999999999999956).
        FromDoubleRow{"negative_just_under_half", -0x1.a36e2eb1c432cp-15, Currency{}},
        FromDoubleRow{"near_top", 922337203685477.5, Currency::from_count(9223372036854775000)},
        FromDoubleRow{"above_top", 922337203685477.625, std::nullopt},
        FromDoubleRow{"huge", 1e300, std::nullopt}, FromDoubleRow{"infinite", inf, std::nullopt},
        FromDoubleRow{"minus_infinite", -inf, std::nullopt},
        FromDoubleRow{"nan", std::nan(""), std::nullopt}),
    [](const auto& info) { return info.param.name; });

TEST(MoneyToDouble, GivesNearestDouble) {
    EXPECT_EQ(money_to_double("19.95"_usd), 19.95);
    EXPECT_EQ(money_to_double("-0.0001"_usd), -0.0001);
    EXPECT_EQ(money_to_double(Currency::max()), 922337203685477.5807);
    EXPECT_EQ(money_to_double(Currency::min()), -922337203685477.5808);
}

TEST(InMoneyRange, RejectsNonFiniteAndOutside) {
    EXPECT_TRUE(in_money_range(0));
    EXPECT_TRUE(in_money_range(-922337203685477.5));
    EXPECT_FALSE(in_money_range(-922337203685477.75));
    EXPECT_FALSE(in_money_range(inf));
    EXPECT_FALSE(in_money_range(std::nan("")));
}

struct CentDoubleRow {
    const char* name;
    double in, out;
};

class NearestCentDouble : public testing::TestWithParam<CentDoubleRow> {};

TEST_P(NearestCentDouble, HalfGoesToEvenCent) {
    EXPECT_EQ(nearest_cent(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NearestCentDouble,
    testing::Values(CentDoubleRow{"margin", 35.93333333333333, 35.93},
                    CentDoubleRow{"exact_binary_tie", 0.125, 0.12},
                    // The double nearest 0.145 lies just below it; it counts as halfway.
                    CentDoubleRow{"near_tie_below_to_even", 0.145, 0.14},
                    CentDoubleRow{"near_tie_above_to_even", 0.155, 0.16},
                    CentDoubleRow{"negative_near_tie", -0.145, -0.14},
                    CentDoubleRow{"near_tie_sum", 0.74 + 0.35 + 0.52 + 1.005, 2.62},
                    CentDoubleRow{"just_off_tie", 0.1450001, 0.15},
                    CentDoubleRow{"difference_of_cents", 15.0 - 9.61, 5.39},
                    CentDoubleRow{"large_exact_value_decides", 123456789012.345, 123456789012.35}),
    [](const auto& info) { return info.param.name; });

TEST(NearestCentDouble, NegativeValueRoundingToZeroIsPlainZero) {
    EXPECT_FALSE(std::signbit(nearest_cent(-0.001)));
}

TEST(Conversions, DoubleComparesWithMoneyByExactValue) {
    using std::partial_ordering;
    EXPECT_EQ(compare(25.0, "25"_usd), partial_ordering::equivalent);
    EXPECT_EQ(compare(0.1, "0.1"_usd), partial_ordering::greater); // 0.1000000000000000055...
    EXPECT_EQ(compare(0.3, "0.3"_usd), partial_ordering::less);    // 0.2999999999999999888...
    EXPECT_EQ(compare(-0.1, "-0.1"_usd), partial_ordering::less);
    EXPECT_EQ(compare(-0.00001, Currency{}), partial_ordering::less);
    EXPECT_EQ(compare(1e300, Currency::max()), partial_ordering::greater);
    EXPECT_EQ(compare(-1e300, Currency::min()), partial_ordering::less);
    EXPECT_EQ(compare(922337203685477.5, Currency::max()), partial_ordering::less);
    EXPECT_EQ(compare(922337203685477.625, Currency::max()), partial_ordering::greater);
    EXPECT_EQ(compare(std::nan(""), Currency{}), partial_ordering::unordered);
}

} // namespace
} // namespace quillet
