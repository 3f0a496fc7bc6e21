// The selectors check a typed text when the focus leaves them: the
// starting-price and Buy-It-Now ones for a label of their lists, the picture
// count for a whole number.

#include "window_test_support.h"

#include <QComboBox>

#include <gtest/gtest.h>

namespace quillet::test {
namespace {

QStringList items(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

class Selectors : public testing::Test {
protected:
    void leave_with(const char* name, const QString& text) {
        h.type(name, text);
        h.tab();
    }

    // Those not in `of`.
    static QStringList other_than(const QStringList& labels, const QStringList& of) {
        QStringList out;
        for (const QString& label : labels)
            if (!of.contains(label))
                out << label;
        return out;
    }

    WindowHarness h;
    const QStringList start_labels = items(h.control<QComboBox>("cmb_start_price"));
    const QStringList bin_labels = items(h.control<QComboBox>("cmb_bin"));
};

const Message invalid_start = error_box("Invalid Start price range entered");
const Message invalid_bin = error_box("Error: Invalid buy-it-now price entered.");

TEST_F(Selectors, PickingAnyItemPassesSilently) {
    for (const char* name : {"cmb_start_price", "cmb_bin", "combo_num_pics"}) {
        auto* box = h.control<QComboBox>(name);
        for (int i = box->count() - 1; i >= 0; --i) {
            h.focus(name);
            box->setCurrentIndex(i);
            h.tab();
            EXPECT_EQ(box->currentText(), box->itemText(i));
        }
    }
    EXPECT_TRUE(h.take_boxes().isEmpty());
}

TEST_F(Selectors, StartingPriceRejectsATypedNonLabelAndKeepsIt) {
    for (const QString& typed :
         QStringList{start_labels.first() + ' ', start_labels.last().toUpper(), "", "5"} +
             other_than(bin_labels, start_labels)) {
        leave_with("cmb_start_price", typed);
        EXPECT_EQ(h.take_boxes(), QList<Message>{invalid_start})
            << '"' << typed.toStdString() << '"';
        EXPECT_EQ(h.focused(), QStringLiteral("cmb_start_price"));
        EXPECT_EQ(h.text("cmb_start_price"), typed);
    }
}

TEST_F(Selectors, StartingPriceAcceptsATypedLabel) {
    leave_with("cmb_start_price", start_labels.last());
    EXPECT_TRUE(h.take_boxes().isEmpty());
    EXPECT_EQ(h.focused(), QStringLiteral("cmb_bin"));
    EXPECT_EQ(h.text("cmb_start_price"), start_labels.last());
}

TEST_F(Selectors, BuyItNowAcceptsNoneInAnyCaseAndItsLabels) {
    for (const QString& typed : bin_labels + QStringList{"none", "NONE"}) {
        leave_with("cmb_bin", typed);
        EXPECT_TRUE(h.take_boxes().isEmpty()) << typed.toStdString();
        EXPECT_EQ(h.text("cmb_bin"), typed) << "the text stays as typed";
    }
}

TEST_F(Selectors, BuyItNowRejectsStartingPriceLabelsNumbersAndEmpty) {
    for (const QString& typed :
         QStringList{"25", "", bin_labels.first() + ' '} + other_than(start_labels, bin_labels)) {
        leave_with("cmb_bin", typed);
        EXPECT_EQ(h.take_boxes(), QList<Message>{invalid_bin}) << '"' << typed.toStdString() << '"';
        EXPECT_EQ(h.focused(), QStringLiteral("cmb_bin"));
        EXPECT_EQ(h.text("cmb_bin"), typed);
    }
}

const Message invalid_count{
    QStringLiteral(
        "Please enter a valid number of pictures. You can enter any whole number from 0 up."),
    QStringLiteral("Incorrect Number Entered")};

// No part of a picture is charged: Tab, Enter and Calculate all refuse what
// is not a whole number, keep it, and give the focus back.
TEST_F(Selectors, PictureCountTakesOnlyAWholeNumber) {
    for (const char* typed : {"0", "3", " 12 ", "20", "007"}) {
        leave_with("combo_num_pics", QString::fromLatin1(typed));
        EXPECT_TRUE(h.take_boxes().isEmpty()) << '"' << typed << '"';
    }
    for (const char* typed : {"2.5", "-1", "+2", "1e3", "lots", "", "1 2", "\u0663"}) {
        h.focus("combo_num_pics"); // an Arabic-Indic three is pasted, not typed
        h.control<QComboBox>("combo_num_pics")->setEditText(QString::fromUtf8(typed));
        h.tab();
        EXPECT_EQ(h.take_boxes(), QList<Message>{invalid_count}) << '"' << typed << '"';
        EXPECT_EQ(h.focused(), QStringLiteral("combo_num_pics"));
        EXPECT_EQ(h.text("combo_num_pics"), QString::fromUtf8(typed));
        h.press_enter();
        EXPECT_EQ(h.take_boxes(), QList<Message>{invalid_count});
        h.click("cmd_calc");
        EXPECT_EQ(h.take_boxes(), QList<Message>{invalid_count});
        EXPECT_TRUE(h.text("txt_list_fee").isEmpty()) << "no run";
    }
}

TEST_F(Selectors, TypingNeitherCompletesNorAddsToTheList) {
    const int counts = h.control<QComboBox>("combo_num_pics")->count();
    h.type("cmb_bin", QStringLiteral("n"));
    EXPECT_EQ(h.text("cmb_bin"), QStringLiteral("n"));
    h.type("cmb_bin", QStringLiteral("None"));
    h.type("cmb_start_price", QStringLiteral("$1 - $9.99"));
    h.press_enter();
    EXPECT_EQ(items(h.control<QComboBox>("cmb_start_price")), start_labels);
    h.type("combo_num_pics", QStringLiteral("20"));
    EXPECT_EQ(h.text("combo_num_pics"), QStringLiteral("20"));
    h.press_enter();
    EXPECT_EQ(h.control<QComboBox>("combo_num_pics")->count(), counts);
    EXPECT_EQ(h.text("combo_num_pics"), QStringLiteral("20"));
}

TEST_F(Selectors, EnterInABoxKeepsItsTextAsTyped) {
    h.type("cmb_bin", QStringLiteral("none"));
    h.press_enter();
    EXPECT_EQ(h.text("cmb_bin"), QStringLiteral("none"));
}

TEST_F(Selectors, TheListsPopUpWithoutAnyCheck) {
    h.type("cmb_bin", QStringLiteral("junk"));
    h.control<QComboBox>("cmb_bin")->showPopup();
    WindowHarness::settle();
    EXPECT_TRUE(h.take_boxes().isEmpty());
    h.control<QComboBox>("cmb_bin")->hidePopup();
    WindowHarness::settle();
    EXPECT_TRUE(h.take_boxes().isEmpty());
}

} // namespace
} // namespace quillet::test
