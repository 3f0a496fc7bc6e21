#include "engine/text_forms.h"

#include <gtest/gtest.h>

#include <limits>

namespace quillet {
namespace {

struct CentsRow {
    const char* name;
    Currency in;
    const char* text;
};

class CentsFormOfMoney : public testing::TestWithParam<CentsRow> {};

TEST_P(CentsFormOfMoney, WritesTwoDecimals) {
    EXPECT_EQ(format_cents(GetParam().in), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CentsFormOfMoney,
    testing::Values(CentsRow{"half", "12.5"_usd, "12.50"}, CentsRow{"small", "0.05"_usd, "0.05"},
                    CentsRow{"zero", Currency{}, "0.00"}, CentsRow{"negative", "-3"_usd, "-3.00"},
                    CentsRow{"thousands", "1234.5"_usd, "1234.50"},
                    CentsRow{"halfway_away", "0.125"_usd, "0.13"},
                    CentsRow{"negative_halfway_away", "-0.125"_usd, "-0.13"},
                    CentsRow{"negative_to_zero", "-0.0049"_usd, "0.00"},
                    CentsRow{"top", Currency::max(), "922337203685477.58"},
                    CentsRow{"bottom", Currency::min(), "-922337203685477.58"}),
    [](const auto& info) { return info.param.name; });

struct CentsDoubleRow {
    const char* name;
    double in;
    const char* text;
};

class CentsFormOfDouble : public testing::TestWithParam<CentsDoubleRow> {};

TEST_P(CentsFormOfDouble, WritesTwoDecimals) {
    EXPECT_EQ(format_cents(GetParam().in), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CentsFormOfDouble,
    testing::Values(CentsDoubleRow{"sum_of_tenths", 0.1 + 0.2, "0.30"},
                    CentsDoubleRow{"whole", 7, "7.00"},
                    CentsDoubleRow{"negative_half", -0.5, "-0.50"},
                    CentsDoubleRow{"exact_tie_away", 0.125, "0.13"},
                    // The double nearest 0.145 counts as halfway, like in nearest_cent.
                    CentsDoubleRow{"near_tie_away", 0.145, "0.15"},
                    CentsDoubleRow{"negative_near_tie_away", -0.145, "-0.15"},
                    CentsDoubleRow{"other_costs_sum", 0.74 + 0.35 + 0.52 + 1.005, "2.62"},
                    CentsDoubleRow{"negative_zero", -0.0, "0.00"},
                    CentsDoubleRow{"negative_to_zero", -0.004, "0.00"},
                    CentsDoubleRow{"carry", 9.999, "10.00"},
                    CentsDoubleRow{"large", 922337203685477.5, "922337203685477.50"}),
    [](const auto& info) { return info.param.name; });

TEST(CentsFormOfDouble, NonFiniteIsNamed) {
    EXPECT_EQ(format_cents(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(format_cents(-std::numeric_limits<double>::infinity()), "-inf");
}

struct PlainRow {
    const char* name;
    Currency in;
    const char* text;
};

class PlainForm : public testing::TestWithParam<PlainRow> {};

TEST_P(PlainForm, WritesOnlyNeededDecimals) {
    EXPECT_EQ(format_money_plain(GetParam().in), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PlainForm,
    testing::Values(PlainRow{"whole", "100"_usd, "100"}, PlainRow{"cents", "0.05"_usd, "0.05"},
                    PlainRow{"two", "2.00"_usd, "2"}, PlainRow{"tenth", "0.10"_usd, "0.1"},
                    PlainRow{"trailing", "29.20"_usd, "29.2"}, PlainRow{"fee", "1.31"_usd, "1.31"},
                    PlainRow{"zero", Currency{}, "0"}, PlainRow{"negative", "-0.52"_usd, "-0.52"},
                    PlainRow{"four_places", "0.0005"_usd, "0.0005"},
                    PlainRow{"bottom", Currency::min(), "-922337203685477.5808"}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace quillet
