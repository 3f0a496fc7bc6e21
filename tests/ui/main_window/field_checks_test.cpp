// The judgements behind the focus checks and the locale's
// number conventions, without a window.

#include "window_test_support.h"

#include "ui/main_window/field_checks.h"
#include "ui/main_window/number_conventions.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace quillet::ui {
namespace {

const NumberConventions us = number_conventions(QLocale(QLocale::English, QLocale::UnitedStates));

std::string row_name(const char* name) {
    std::string out;
    for (const char* p = name; *p; ++p)
        out += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
    return out;
}

template <class Row> std::string name_of(const testing::TestParamInfo<Row>& info) {
    return row_name(info.param.name);
}

// ---- price fields ------------------------------------------------------------

struct PriceRow {
    const char* name;
    const char* text;
    const char* keyword;
    bool passes;
};

class PriceText : public testing::TestWithParam<PriceRow> {};

TEST_P(PriceText, PassesOrNot) {
    const PriceRow& row = GetParam();
    EXPECT_EQ(price_text_passes(QString::fromUtf8(row.text), row.keyword, us), row.passes)
        << "text \"" << row.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Fields, PriceText,
    testing::Values(PriceRow{"keyword as written", "None", "none", true},
                    PriceRow{"keyword lower case", "none", "none", true},
                    PriceRow{"keyword capitals", "NONE", "none", true},
                    PriceRow{"keyword mixed case", "nOnE", "none", true},
                    PriceRow{"Free in item cost", "Free", "free", true},
                    PriceRow{"FREE in item cost", "FREE", "free", true},
                    PriceRow{"None in item cost", "None", "free", false},
                    PriceRow{"Free in a none field", "Free", "none", false},
                    PriceRow{"keyword blank before", " None", "none", false},
                    PriceRow{"keyword blank after", "None ", "none", false},
                    PriceRow{"keyword inside a word", "Nonesuch", "none", false},
                    PriceRow{"empty", "", "none", false}, PriceRow{"zero", "0", "none", true},
                    PriceRow{"zero in item cost", "0", "free", true},
                    PriceRow{"whole number", "12", "none", true},
                    PriceRow{"cents", "12.50", "none", true},
                    PriceRow{"blanks around a number", "  12  ", "none", true},
                    PriceRow{"negative", "-3", "none", false},
                    PriceRow{"dollar then minus", "$-5", "none", false},
                    PriceRow{"minus then dollar", "-$5", "none", false},
                    PriceRow{"negative beyond the range", "-1e400", "none", false},
                    PriceRow{"minus zero", "-0", "none", true},
                    PriceRow{"negative below a count", "-0.00001", "none", true},
                    PriceRow{"dollar sign", "$5", "none", true},
                    PriceRow{"thousands separator", "1,000.50", "none", true},
                    PriceRow{"number then letters", "12abc", "none", false},
                    PriceRow{"two decimal points", "1.2.3", "none", false},
                    PriceRow{"blank inside a number", "1 2", "none", false}),
    name_of<PriceRow>);

// ---- band selectors ----------------------------------------------------------

struct BandRow {
    const char* name;
    const char* text;
    bool passes;
};

class StartBand : public testing::TestWithParam<BandRow> {};

TEST_P(StartBand, PassesOnlyItsLabels) {
    const BandRow& row = GetParam();
    const QString text = QString::fromUtf8(row.text);
    EXPECT_EQ(start_band_passes(text), row.passes);
}

INSTANTIATE_TEST_SUITE_P(
    Selectors, StartBand,
    testing::Values(
        BandRow{"first label", "$0.01 - $0.99", true}, BandRow{"second label", "$1 - $9.99", true},
        BandRow{"third label", "$10 - $24.99", true}, BandRow{"fourth label", "$25 - $49.99", true},
        BandRow{"fifth label", "$50 - $199.99", true},
        BandRow{"sixth label", "$200 - $499.99", true}, BandRow{"last label", "$500 or more", true},
        BandRow{"other letter case", "$500 OR MORE", false},
        BandRow{"blank before", " $1 - $9.99", false}, BandRow{"blank after", "$1 - $9.99 ", false},
        BandRow{"None", "None", false}, BandRow{"a Buy-It-Now label", "$0.01 - $9.99", false},
        BandRow{"empty", "", false}, BandRow{"a number", "5", false}),
    name_of<BandRow>);

class BinBand : public testing::TestWithParam<BandRow> {};

TEST_P(BinBand, PassesItsLabelsAndNone) {
    const BandRow& row = GetParam();
    const QString text = QString::fromUtf8(row.text);
    EXPECT_EQ(bin_band_passes(text), row.passes);
}

INSTANTIATE_TEST_SUITE_P(
    Selectors, BinBand,
    testing::Values(BandRow{"None", "None", true}, BandRow{"none", "none", true},
                    BandRow{"NONE", "NONE", true}, BandRow{"first band", "$0.01 - $9.99", true},
                    BandRow{"second band", "$10 - $24.99", true},
                    BandRow{"third band", "$25 - $49.99", true},
                    BandRow{"top band", "$50 or more", true},
                    BandRow{"band in capitals", "$50 OR MORE", false},
                    BandRow{"None with a blank", "None ", false},
                    BandRow{"starting-price label", "$0.01 - $0.99", false},
                    BandRow{"another starting-price label", "$1 - $9.99", false},
                    BandRow{"empty", "", false}, BandRow{"a number", "25", false}),
    name_of<BandRow>);

// ---- number conventions ------------------------------------------------------

struct LocaleRow {
    const char* name;
    QLocale locale;
    const char* point;
    const char* group;
};

class Conventions : public testing::TestWithParam<LocaleRow> {};

TEST_P(Conventions, ComeFromTheLocale) {
    const LocaleRow& row = GetParam();
    const NumberConventions c = number_conventions(row.locale);
    EXPECT_EQ(c.decimal_point, row.point);
    EXPECT_EQ(c.group_separator, row.group);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, Conventions,
    testing::Values(
        LocaleRow{"US English", QLocale(QLocale::English, QLocale::UnitedStates), ".", ","},
        LocaleRow{"German", QLocale(QLocale::German, QLocale::Germany), ",", "."},
        LocaleRow{"British", QLocale(QLocale::English, QLocale::UnitedKingdom), ".", ","},
        LocaleRow{"C", QLocale::c(), ".", ","}),
    name_of<LocaleRow>);

TEST(Conventions, GroupedAmountsFollowTheLocale) {
    const NumberConventions german = number_conventions(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_TRUE(price_text_passes(QStringLiteral("1.000,50"), "none", german));
    EXPECT_FALSE(price_text_passes(QString::fromUtf8("5 €"), "none", german)); // dollars only
    EXPECT_TRUE(price_text_passes(QStringLiteral("$5"), "none", german));
    EXPECT_FALSE(price_text_passes(QStringLiteral("1,000.50"), "none", german));
    EXPECT_TRUE(price_text_passes(QStringLiteral("1,000.50"), "none", us));
}

} // namespace
} // namespace quillet::ui
