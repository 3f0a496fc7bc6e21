#include "engine/currency.h"

#include "printers.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(Currency, LiteralsAreExactCounts) {
    EXPECT_EQ("19.95"_usd.count(), 199500);
    EXPECT_EQ("0.0525"_usd.count(), 525);
    EXPECT_EQ("-3"_usd.count(), -30000);
}

TEST(Currency, ArithmeticIsExactOrThrowsAtTheRangesEnds) {
    EXPECT_EQ("0.1"_usd + "0.2"_usd, "0.3"_usd);
    EXPECT_EQ("1"_usd - "1.0001"_usd, "-0.0001"_usd);
    EXPECT_EQ(Currency::min() + Currency::max(), Currency::from_count(-1));
    EXPECT_EQ("212.35"_usd * 2, "424.70"_usd);
    EXPECT_THROW(Currency::max() + Currency::from_count(1), MoneyOutOfRange);
    EXPECT_THROW(Currency::min() - Currency::from_count(1), MoneyOutOfRange);
    EXPECT_THROW(Currency::max() * 2, MoneyOutOfRange);
}

struct ProductRow {
    const char* name;
    Currency a, b, product;
};

class MoneyProduct : public testing::TestWithParam<ProductRow> {};

TEST_P(MoneyProduct, RoundsToNearestTenThousandthTiesToEven) {
    const ProductRow& row = GetParam();
    EXPECT_EQ(multiply(row.a, row.b), row.product);
    EXPECT_EQ(multiply(row.b, row.a), row.product);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MoneyProduct,
    testing::Values(ProductRow{"exact", "10"_usd, "0.0525"_usd, "0.525"_usd},
                    ProductRow{"tie_down_to_even", "1.62"_usd, "0.0525"_usd, "0.085"_usd},
                    ProductRow{"tie_up_to_even", "1.66"_usd, "0.0525"_usd, "0.0872"_usd},
                    ProductRow{"negative_tie", "-1.62"_usd, "0.0525"_usd, "-0.085"_usd},
                    ProductRow{"above_half", "0.01"_usd, "0.0275"_usd, "0.0003"_usd},
                    ProductRow{"below_half", "0.0001"_usd, "0.0001"_usd, Currency{}},
                    ProductRow{"large", "900000000000"_usd, "1000"_usd, "900000000000000"_usd}),
    [](const auto& info) { return info.param.name; });

TEST(Currency, ProductOutsideRangeThrows) {
    EXPECT_THROW(multiply("1000000000"_usd, "1000000000"_usd), MoneyOutOfRange);
    EXPECT_THROW(multiply(Currency::min(), "-1"_usd), MoneyOutOfRange);
}

struct CentRow {
    const char* name;
    Currency in, out;
};

class NearestCentMoney : public testing::TestWithParam<CentRow> {};

TEST_P(NearestCentMoney, HalfGoesToEvenCent) {
    EXPECT_EQ(nearest_cent(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NearestCentMoney,
    testing::Values(
        CentRow{"half_to_zero", "0.005"_usd, Currency{}},
        CentRow{"half_up", "0.015"_usd, "0.02"_usd}, CentRow{"p1250", "0.125"_usd, "0.12"_usd},
        CentRow{"p1350", "0.135"_usd, "0.14"_usd}, CentRow{"p4450", "0.445"_usd, "0.44"_usd},
        CentRow{"p8750", "0.875"_usd, "0.88"_usd}, CentRow{"below_half", "2.1235"_usd, "2.12"_usd},
        CentRow{"above_half", "2.1251"_usd, "2.13"_usd},
        CentRow{"negative_half", "-0.525"_usd, "-0.52"_usd},
        CentRow{"negative_above", "-0.5251"_usd, "-0.53"_usd},
        CentRow{"top", Currency::max(), Currency::from_count(INT64_MAX - 7)},
        CentRow{"bottom", Currency::min(), Currency::from_count(INT64_MIN + 8)}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace quillet
