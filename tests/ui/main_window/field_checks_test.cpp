// The judgements behind the focus checks and the locale's
// number conventions, without a window.

#include "window_test_support.h"

#include "ui/main_window/field_checks.h"
#include "ui/main_window/number_conventions.h"

#include <QLocale>

#include <utility>

#include <gtest/gtest.h>

namespace quillet::ui {
namespace {

const NumberConventions us = number_conventions(QLocale(QLocale::English, QLocale::UnitedStates));

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

// The check's own rules: its keyword in any letter case, and no amount below
// 0. Which texts read as numbers at all is the strict reading's (the
// engine's tests).
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
                    PriceRow{"zero in item cost", "0", "free", true},
                    PriceRow{"negative", "-3", "none", false},
                    PriceRow{"dollar then minus", "$-5", "none", false},
                    PriceRow{"minus then dollar", "-$5", "none", false},
                    PriceRow{"negative beyond the range", "-1e400", "none", false},
                    PriceRow{"minus zero", "-0", "none", true},
                    PriceRow{"negative below a count", "-0.00001", "none", true}),
    test::RowName());

// ---- band selectors ----------------------------------------------------------

// Each selector passes exactly its own list's labels, as written: not with a
// blank around them, in other capitals, or another selector's label. The
// Buy-It-Now one passes its "None" in any letter case.
TEST(BandSelectors, PassOnlyTheirOwnLabelsAsWritten) {
    struct Band {
        QStringList labels;
        bool (*passes)(const QString&);
    };
    const Band start{start_band_items(), start_band_passes};
    const Band bin{bin_band_items(), bin_band_passes};
    for (const auto& [band, other] : {std::pair{start, bin}, std::pair{bin, start}}) {
        ASSERT_FALSE(band.labels.isEmpty());
        for (const QString& label : band.labels) {
            EXPECT_TRUE(band.passes(label)) << label.toStdString();
            EXPECT_FALSE(band.passes(QLatin1Char(' ') + label)) << label.toStdString();
            EXPECT_FALSE(band.passes(label + QLatin1Char(' '))) << label.toStdString();
        }
        for (const QString& label : other.labels) {
            if (!band.labels.contains(label)) {
                EXPECT_FALSE(band.passes(label)) << label.toStdString();
            }
        }
        EXPECT_FALSE(band.passes(band.labels.last().toUpper()));
        EXPECT_FALSE(band.passes(QString()));
    }
    for (const char* none : {"none", "NONE"})
        EXPECT_TRUE(bin_band_passes(QString::fromLatin1(none))) << none;
}

// ---- number conventions ------------------------------------------------------

} // namespace
} // namespace quillet::ui
