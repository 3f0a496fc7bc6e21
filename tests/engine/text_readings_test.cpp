#include "engine/text_readings.h"

#include "conventions.h"
#include "printers.h"

#include "engine/text_forms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quillet {
namespace {

constexpr double inf = std::numeric_limits<double>::infinity();
const std::string huge_hex = "&H" + std::string(300, 'F');

struct LeadingRow {
    const char* name;
    const char* text;
    double value;
};

class LeadingNumber : public testing::TestWithParam<LeadingRow> {};

TEST_P(LeadingNumber, ReadsLongestLeadingNumber) {
    EXPECT_EQ(leading_number(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LeadingNumber,
    testing::Values(LeadingRow{"decimal", "12.50", 12.5}, LeadingRow{"blanks_around", "  12 ", 12},
                    LeadingRow{"blank_inside", "1 2", 12},
                    LeadingRow{"tab_and_line_feed", "1\t2\n3", 123},
                    LeadingRow{"currency_sign", "$5", 0}, LeadingRow{"comma_stops", "1,000.00", 1},
                    LeadingRow{"letters_stop", "12abc", 12}, LeadingRow{"keyword", "None", 0},
                    LeadingRow{"lower_keyword", "none", 0}, LeadingRow{"empty", "", 0},
                    LeadingRow{"negative", "-3", -3}, LeadingRow{"tiny", "0.00001", 0.00001},
                    LeadingRow{"two_points", "1.2.3", 1.2}, LeadingRow{"exponent", "2.5E2", 250},
                    LeadingRow{"d_exponent", "2.5d-1", 0.25}, LeadingRow{"plus", "+7", 7},
                    LeadingRow{"blank_after_sign", "- 5", -5}, LeadingRow{"point_first", ".5", 0.5},
                    LeadingRow{"point_last", "5.", 5}, LeadingRow{"lone_point", ".", 0},
                    LeadingRow{"lone_sign", "-", 0}, LeadingRow{"two_signs", "+-5", 0},
                    LeadingRow{"exponent_without_digits", "3e", 3},
                    LeadingRow{"exponent_sign_only", "3e+x", 3}, LeadingRow{"result", "0.00", 0},
                    LeadingRow{"hex", "&HFF", 255}, LeadingRow{"hex_lower", "&hff", 255},
                    LeadingRow{"octal", "&O17", 15}, LeadingRow{"hex_no_digits", "&H", 0},
                    LeadingRow{"hex_stops", "&H1G", 1}, LeadingRow{"octal_stops", "&o78", 7},
                    LeadingRow{"ampersand_alone", "&5", 0}, LeadingRow{"huge", "1e400", inf},
                    LeadingRow{"huge_negative", "-1e400", -inf},
                    LeadingRow{"underflow", "1e-400", 0},
                    LeadingRow{"zero_huge_exponent", "0e99999999999999999999", 0},
                    LeadingRow{"long_exponent", "1e99999999999999999999", inf},
                    LeadingRow{"leading_zeros_offset", "0.000000001e9", 1},
                    LeadingRow{"huge_hex", huge_hex.c_str(), inf}),
    [](const auto& info) { return info.param.name; });

TEST(LeadingNumber, DigitsGoToNearestDouble) {
    // Seventeen and more digits still round once, correctly.
    EXPECT_EQ(leading_number("0.1000000000000000055511151231257827"), 0.1);
    EXPECT_EQ(leading_number("9007199254740993"), 9007199254740992.0);
    EXPECT_EQ(leading_number("9007199254740993.0000000001"), 9007199254740994.0);
    EXPECT_EQ(leading_number("&H20000000000001"), 9007199254740992.0);
    EXPECT_EQ(leading_number("&O400000000000000001"), 9007199254740992.0);
    EXPECT_TRUE(std::signbit(leading_number("-0")));
}

struct StrictRow {
    const char* name;
    const char* text;
    Failure failure;
    Currency value;
};

class StrictReading : public testing::TestWithParam<StrictRow> {};

TEST_P(StrictReading, UnderUsConventions) {
    const StrictRow& row = GetParam();
    const NumberConventions us;
    const MoneyReading reading = money_from_text(row.text, us);
    EXPECT_EQ(reading.failure, row.failure);
    if (row.failure == Failure::none) {
        EXPECT_EQ(reading.value, row.value);
    }
    // The numeric test accepts exactly the same texts, apart from the range.
    EXPECT_EQ(is_numeric_text(row.text, us), row.failure != Failure::conversion);
}

constexpr Failure ok = Failure::none;
constexpr Failure bad = Failure::conversion;
constexpr Failure range = Failure::out_of_range;

INSTANTIATE_TEST_SUITE_P(
    Rows, StrictReading,
    testing::Values(
        StrictRow{"decimal", "12.50", ok, "12.5"_usd},
        StrictRow{"blanks_around", " 12 ", ok, "12"_usd},
        StrictRow{"tab_around", "\t12\t", ok, "12"_usd}, StrictRow{"blank_inside", "1 2", bad, {}},
        StrictRow{"dollar", "$5", ok, "5"_usd}, StrictRow{"grouped", "1,000.00", ok, "1000"_usd},
        StrictRow{"grouped_with_dollar", "$1,234.50", ok, "1234.5"_usd},
        StrictRow{"two_groups", "1,234,567", ok, "1234567"_usd},
        StrictRow{"short_group", "1,00", bad, {}}, StrictRow{"long_group", "1,0000", bad, {}},
        StrictRow{"long_first_group", "1000,000", bad, {}},
        StrictRow{"group_after_point", "1.000,5", bad, {}}, StrictRow{"letters", "12abc", bad, {}},
        StrictRow{"keyword", "None", bad, {}}, StrictRow{"lower_keyword", "none", bad, {}},
        StrictRow{"free", "Free", bad, {}}, StrictRow{"empty", "", bad, {}},
        StrictRow{"blanks_only", "   ", bad, {}}, StrictRow{"negative", "-3", ok, "-3"_usd},
        StrictRow{"plus", "+3", ok, "3"_usd}, StrictRow{"below_precision", "0.00001", ok, {}},
        StrictRow{"tie_to_even_down", "0.00125", ok, "0.0012"_usd},
        StrictRow{"tie_to_even_up", "0.00135", ok, "0.0014"_usd},
        StrictRow{"negative_tie", "-0.00125", ok, "-0.0012"_usd},
        StrictRow{"above_tie", "0.000050001", ok, "0.0001"_usd},
        StrictRow{"half_of_smallest", "0.00005", ok, {}}, StrictRow{"two_points", "1.2.3", bad, {}},
        StrictRow{"sign_then_dollar", "-$5", ok, "-5"_usd},
        StrictRow{"dollar_then_sign", "$-5", ok, "-5"_usd},
        StrictRow{"blank_after_dollar", "$ 5", ok, "5"_usd},
        StrictRow{"dollar_after", "5$", ok, "5"_usd}, StrictRow{"two_dollars", "$5$", bad, {}},
        StrictRow{"two_signs", "--5", bad, {}}, StrictRow{"trailing_sign", "5-", bad, {}},
        StrictRow{"parentheses", "(5)", bad, {}}, StrictRow{"lone_point", ".", bad, {}},
        StrictRow{"point_first", ".5", ok, "0.5"_usd}, StrictRow{"point_last", "5.", ok, "5"_usd},
        StrictRow{"exponent", "1e3", ok, "1000"_usd},
        StrictRow{"d_exponent", "1D3", ok, "1000"_usd},
        StrictRow{"negative_exponent", "125e-5", ok, "0.0012"_usd},
        StrictRow{"exponent_without_digits", "1e", bad, {}}, StrictRow{"hex", "&H10", bad, {}},
        StrictRow{"line_feed", "5\n", bad, {}},
        StrictRow{"euro_not_ours", "5 \xE2\x82\xAC", bad, {}},
        StrictRow{"top", "922337203685477.5807", ok, Currency::max()},
        StrictRow{"above_top", "922337203685477.5808", range, {}},
        StrictRow{"rounds_above_top", "922337203685477.58075", range, {}},
        StrictRow{"bottom", "-922337203685477.5808", ok, Currency::min()},
        StrictRow{"below_bottom", "-922337203685477.5809", range, {}},
        StrictRow{"huge_exponent", "1e400", range, {}},
        StrictRow{"tiny_exponent", "1e-400", ok, {}},
        StrictRow{"zero_huge_exponent", "0e999999999999", ok, {}},
        StrictRow{"many_digits", "123456789012345678901234567890", range, {}}),
    [](const auto& info) { return info.param.name; });

// Prices as people write them under their own conventions, the window's
// plain figures in every locale, and the near misses that stay refused.
TEST(StrictReading, UnderTheUsersConventions) {
    using namespace test_conventions;
    const NumberConventions us, de = german(), fr = french(), in = indian(), ar = arabic();
    struct Row {
        const NumberConventions& conventions;
        const char* text;
        std::optional<Currency> value;
    };
    const Row rows[] = {
        {de, "12,50", "12.5"_usd},
        {de, "1.234,50 $", "1234.5"_usd},
        {de, "-5 $", "-5"_usd},
        {de, "$5", "5"_usd},                   // dollars in every locale
        {de, "1\u00A0$", "1"_usd},             // no-break space before the sign
        {de, "1.234,50 \u20AC", std::nullopt}, // the locale's own currency is not ours
        {de, "1.000", "1000"_usd},             // German grouping comes first
        {de, "26.57", "26.57"_usd},            // the window's own figure
        {de, "-22.94", "-22.94"_usd},
        {de, "1.2345", "1.2345"_usd},  // not a German grouping, so plain
        {de, "1.23456", std::nullopt}, // neither
        {de, "1,000.00", std::nullopt},
        {de, "None", std::nullopt},
        {fr, "1 234,50", "1234.5"_usd},                   // ordinary space
        {fr, "1\u00A0234,50", "1234.5"_usd},              // no-break space
        {fr, "1\u202F234,50", "1234.5"_usd},              // narrow no-break space, as Qt writes
        {fr, "1\u2009234\u2009567,5 $", "1234567.5"_usd}, // thin space
        {fr, "1 23,50", std::nullopt},
        {fr, "12 $", "12"_usd},
        {fr, "26.57", "26.57"_usd},
        {us, "1 234.50", std::nullopt},    // a space groups only where the locale's does
        {in, "1,23,456.00", "123456"_usd}, // India's own groups
        {in, "12,34,56,789", "123456789"_usd},
        {in, "1,234,567.5", "1234567.5"_usd}, // and plain groups of three
        {in, "1,23,4567", std::nullopt},
        {in, "123,45,678", std::nullopt},
        {us, "1,23,456.00", std::nullopt},
        {ar, "\u0661\u0662\u066B\u0665", "12.5"_usd}, // ١٢٫٥
        {ar, "\u0661\u066C\u0662\u0663\u0664\u066B\u0665\u0660", "1234.5"_usd},
        {ar, "\u061C-\u0665", "-5"_usd}, // the locale's minus sign
        {ar, "-5", "-5"_usd},
        {ar, "12.5", "12.5"_usd}, // ASCII and plain
        {ar, "1\u066C234", "1234"_usd},
        {ar, "\u0661\u066C\u0662\u0663", std::nullopt},
        {us, "\u0661\u0662", std::nullopt}, // another locale's digits
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        const MoneyReading reading = money_from_text(row.text, row.conventions);
        EXPECT_EQ(is_numeric_text(row.text, row.conventions), row.value.has_value());
        EXPECT_EQ(reading.ok(), row.value.has_value());
        if (row.value) {
            EXPECT_EQ(reading.value, *row.value);
        }
    }
}

// What the dialogs show and Copy Figures writes reads back in every locale.
TEST(UserForm, ReadsBackUnderTheSameConventions) {
    using namespace test_conventions;
    EXPECT_EQ(in_user_form("-1234.50", german()), "-1234,50");
    EXPECT_EQ(in_user_form("-25.88", arabic()), "\u061C-\u0662\u0665\u066B\u0668\u0668");
    EXPECT_EQ(in_user_form("-25.88", arabic(), Form::spreadsheet), "-25\u066B88");
    for (const NumberConventions& c : {NumberConventions{}, german(), french(), indian(), arabic()})
        for (Form form : {Form::own, Form::spreadsheet})
            for (const char* plain : {"0.00", "25.88", "-1234567.89", "0.0001"}) {
                const MoneyReading reading = money_from_text(in_user_form(plain, c, form), c);
                ASSERT_TRUE(reading.ok()) << plain;
                EXPECT_EQ(reading.value, money_from_text(plain, {}).value) << plain;
            }
}

TEST(Keyword, MatchesWholeTextInAnyCase) {
    EXPECT_TRUE(is_keyword("None", "None"));
    EXPECT_TRUE(is_keyword("nONE", "None"));
    EXPECT_FALSE(is_keyword(" None", "None"));
    EXPECT_FALSE(is_keyword("Nones", "None"));
    EXPECT_FALSE(is_keyword("", "None"));
}

} // namespace
} // namespace quillet
