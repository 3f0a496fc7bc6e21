// What the window says beside its figures: a note between the buttons when
// the item would not sell at the Ending Price, heard with the outcome; and the
// PayPal fee struck out and described while the total fees leave it out.

#include "window_test_support.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace quillet::test {
namespace {

class FigureNotes : public testing::Test {
protected:
    // What a screen reader last heard from the window's notification.
    QString heard() const {
        for (QLabel* label : h.window().findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (label->property("quillet_notification").toBool())
                return label->text();
        return {};
    }

    WindowHarness h;
};

TEST_F(FigureNotes, APriceThatCannotSellSaysSoUntilTheNextCalculationOrClear) {
    const struct {
        const char* name;
        const char* start;
        const char* reserve;
        const char* end_price;
        const char* note;
    } cases[] = {
        {"below the reserve", "$0.01 - $0.99", "250", "200", "Would not sell: below the reserve"},
        {"at the reserve", "$0.01 - $0.99", "250", "250", ""},
        {"below the starting band", "$10 - $24.99", "None", "9.99",
         "Would not sell: below the starting price"},
        {"no end price", "$10 - $24.99", "250", "None", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        h.type("cmb_start_price", QString::fromUtf8(c.start));
        h.type("txt_reserve", QString::fromUtf8(c.reserve));
        h.type("txt_end_price", QString::fromUtf8(c.end_price));
        h.click("cmd_calc");
        const QString note = QString::fromUtf8(c.note);
        EXPECT_EQ(h.text("lbl_no_sale"), note);
        EXPECT_EQ(heard().endsWith(QStringLiteral(". ") + note), !note.isEmpty())
            << heard().toStdString();
    }
    h.type("txt_reserve", QStringLiteral("250"));
    h.type("txt_end_price", QStringLiteral("200"));
    h.click("cmd_calc");
    ASSERT_FALSE(h.text("lbl_no_sale").isEmpty());
    h.click("cmd_clear");
    EXPECT_EQ(h.text("lbl_no_sale"), QString());
}

// The note stands between the buttons, clear of every control, and its words
// fit in it.
TEST_F(FigureNotes, TheNoteCoversNoControlAndFits) {
    auto* note = h.control<QLabel>("lbl_no_sale");
    for (QWidget* w :
         h.window().controls().surface->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w != note) {
            EXPECT_FALSE(w->geometry().intersects(note->geometry()))
                << w->objectName().toStdString();
        }
    }
    for (const char* words :
         {"Would not sell: below the reserve", "Would not sell: below the starting price"}) {
        const QRect needs = note->fontMetrics().boundingRect(
            note->contentsRect(), Qt::AlignCenter | Qt::TextWordWrap, QString::fromUtf8(words));
        EXPECT_TRUE(note->contentsRect().contains(needs)) << words;
    }
}

// Struck out and described while the box is unticked at Calculate, and copied
// with the same words after the figure; ticked again, the next run clears both.
TEST_F(FigureNotes, AnUncountedPayPalFeeSaysSo) {
    h.type("txt_end_price", QStringLiteral("40"));
    h.click("chk_paypal");
    ASSERT_FALSE(h.ticked("chk_paypal"));
    h.click("cmd_calc");
    auto* fee = h.control<QLineEdit>("txt_paypal_fee");
    EXPECT_TRUE(fee->font().strikeOut());
    EXPECT_EQ(fee->accessibleDescription(),
              QStringLiteral("Not counted: the PayPal box is unticked"));
    h.trigger("CopyFigures");
    EXPECT_TRUE(QApplication::clipboard()->text().contains(
        QStringLiteral("Paypal Fees ($)\t1.46\tNot counted: the PayPal box is unticked\n")));

    h.click("chk_paypal");
    EXPECT_EQ(
        fee->accessibleDescription(),
        QStringLiteral("Not counted: the PayPal box is unticked. Out of date: press Calculate"));
    h.click("cmd_calc");
    EXPECT_FALSE(fee->font().strikeOut());
    EXPECT_EQ(fee->accessibleDescription(), QString());
}

} // namespace
} // namespace quillet::test
