// The sale stages one by one, on records as the stages before them leave them.

#include "engine/stages.h"

#include "printers.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

const NumberConventions us;
const NoticeSink no_notices = [](Notice) { FAIL() << "unexpected notice"; };
const StageContext context{us, no_notices};

struct FinalValueRow {
    const char* end_price;
    const char* fvf;
    const char* ebay_fees; // with a listing fee of 0.35
};

class FinalValueFee : public testing::TestWithParam<FinalValueRow> {};

TEST_P(FinalValueFee, PicksOneTierAndShowsPlainForm) {
    WindowState s;
    s.txt_end_price = GetParam().end_price;
    s.txt_list_fee = "0.35";
    ASSERT_NO_THROW(calc_final_value_fee(s, context));
    EXPECT_EQ(s.txt_fvf, GetParam().fvf);
    EXPECT_EQ(s.Txt_ebay_fees, GetParam().ebay_fees);
}

INSTANTIATE_TEST_SUITE_P(
    Breaks, FinalValueFee,
    testing::Values(FinalValueRow{"0.01", "0", "0.35"},         // 0.0005
                    FinalValueRow{"1.62", "0.08", "0.44"},      // 0.08505 -> 0.0850, tie to even
                    FinalValueRow{"2.00", "0.1", "0.46"},       // 0.105
                    FinalValueRow{"10.00", "0.52", "0.88"},     // unrounded 0.525 in the total
                    FinalValueRow{"24.99", "1.31", "1.66"},     // 1.312
                    FinalValueRow{"25.00", "1.31", "1.66"},     // 1.3125, first tier
                    FinalValueRow{"25.01", "1.31", "1.66"},     // 1.3103, second tier
                    FinalValueRow{"50.00", "2", "2.35"},        // 1.9975
                    FinalValueRow{"100.00", "3.37", "3.72"},    // 3.3725
                    FinalValueRow{"1000.00", "28.12", "28.47"}, // 28.1225, second tier
                    FinalValueRow{"1000.50", "28.13", "28.48"}, // 28.1275, third tier
                    FinalValueRow{"1072.00", "29.2", "29.55"},
                    FinalValueRow{"2000.00", "43.12", "43.47"},
                    FinalValueRow{"1,000.00", "28.12", "28.47"}, // read as typed
                    FinalValueRow{"-10", "-0.52", "-0.18"},      // -0.525 + 0.35 = -0.175
                    FinalValueRow{"1e3", "28.12", "28.47"}));

struct PaypalRow {
    const char* end_price;
    const char* shipping;
    const char* fee;
};

class PaypalFee : public testing::TestWithParam<PaypalRow> {};

TEST_P(PaypalFee, RoundsOnceToEvenCent) {
    WindowState s;
    s.txt_end_price = GetParam().end_price;
    s.txt_ship_charged = GetParam().shipping;
    ASSERT_NO_THROW(calc_paypal_fee(s, context));
    EXPECT_EQ(s.txt_paypal_fee, GetParam().fee);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PaypalFee,
    testing::Values(PaypalRow{"10.00", "None", "0.59"}, PaypalRow{"5.00", "None", "0.44"},
                    PaypalRow{"15.00", "None", "0.74"}, PaypalRow{"25.00", "None", "1.02"},
                    PaypalRow{"10.00", "5.50", "0.75"}, PaypalRow{"100.00", "10.00", "3.49"},
                    PaypalRow{"1000.00", "None", "29.30"},
                    PaypalRow{"1,000.00", "None", "29.30"}, // strict reading: 1000
                    PaypalRow{"10.00", "none", "0.59"}, PaypalRow{"10.00", "Free", "0.59"},
                    PaypalRow{"10.00", "1,000", "29.59"}, // shipping read as typed
                    PaypalRow{"31.55", "None", "1.21"},   // 1.21494999... as a double
                    PaypalRow{"$10", "None", "0.59"}));

TEST(Totals, OtherCostsWithThreeDecimalsRoundHalfAway) {
    WindowState s;
    s.txt_list_fee = "0.35";
    s.txt_paypal_fee = "0.74";
    s.txt_fvf = "0.52";
    s.txt_other_costs = "1.005"; // the double sum is 2.6149999999999998
    ASSERT_NO_THROW(calc_total_fees(s, context));
    EXPECT_EQ(s.txt_total_fee, "2.62");
}

TEST(Totals, KeywordsCountAsZero) {
    WindowState s; // shipping charged, item cost, shipping cost and other costs at keywords
    s.txt_end_price = "10.00";
    s.txt_list_fee = "0.35";
    s.txt_paypal_fee = "0.59";
    s.txt_fvf = "0.52";
    s.txt_item_cost = "free";
    s.txt_ship_cost = "NONE";
    for (auto stage :
         {calc_total_fees, calc_total_received, calc_total_spent, calc_profit, calc_margin})
        ASSERT_NO_THROW(stage(s, context));
    EXPECT_EQ(s.txt_total_fee, "1.46");
    EXPECT_EQ(s.txt_total_recv, "10.00");
    EXPECT_EQ(s.txt_total_spent, "1.46");
    EXPECT_EQ(s.txt_profit, "8.54");
    EXPECT_EQ(s.txt_profit_margin, "85.40");
}

TEST(Totals, ItemCostHalfCentGoesToEven) {
    WindowState s;
    s.txt_item_cost = "4.125";
    s.txt_total_fee = "1.46";
    ASSERT_NO_THROW(calc_total_spent(s, context));
    EXPECT_EQ(s.txt_total_spent, "5.58");
}

TEST(Totals, NothingReceivedGivesZeroMargin) {
    for (const char* received : {"0.00", "-0.00"}) {
        WindowState s;
        s.txt_total_recv = received;
        s.txt_profit = "-3.00";
        ASSERT_NO_THROW(calc_margin(s, context));
        EXPECT_EQ(s.txt_profit_margin, "0.00");
    }
}

TEST(Totals, LossShowsMinusSign) {
    WindowState s;
    s.txt_total_recv = "5.00";
    s.txt_total_spent = "9.61";
    ASSERT_NO_THROW(calc_profit(s, context));
    ASSERT_NO_THROW(calc_margin(s, context));
    EXPECT_EQ(s.txt_profit, "-4.61");
    EXPECT_EQ(s.txt_profit_margin, "-92.20");
}

} // namespace
} // namespace quillet
