// The rows of Fee Details for listings that use each kind of listing-fee
// line: the words the user reads, and amounts that add up, line by line, to
// the fee before its one rounding.

#include "ui/fee_details/detail_rows.h"

#include "engine/driver.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace quillet::test {
namespace {

using ui::DetailRow;

constexpr CheckState on = CheckState::ticked;

// The captions of the boxes these listings tick.
QString caption(CheckState WindowState::*box) {
    if (box == &WindowState::chk_gallery)
        return QStringLiteral("Gallery");
    if (box == &WindowState::chk_pic_pack)
        return QStringLiteral("Picture Pack");
    if (box == &WindowState::chk_doublecat)
        return QStringLiteral("Double Catergory");
    return QStringLiteral("?");
}

std::vector<std::string> rows_of(const std::function<void(WindowState&)>& set) {
    WindowState state;
    set(state);
    FeeDetails details;
    calculate(
        state, {}, [](Notice) {}, &details);
    std::vector<std::string> out;
    for (const DetailRow& row : ui::detail_rows(details, caption))
        out.push_back((row.what + QStringLiteral(" = ") + row.amount).toStdString());
    return out;
}

struct Listing {
    const char* name;
    std::function<void(WindowState&)> set;
    std::vector<std::string> rows;
};

void PrintTo(const Listing& listing, std::ostream* os) {
    *os << listing.name;
}

class DetailRows : public testing::TestWithParam<Listing> {};

TEST_P(DetailRows, SayWhatEachPartIsAndAddUp) {
    EXPECT_EQ(rows_of(GetParam().set), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Listings, DetailRows,
    testing::Values(
        // 3.6 + 0.35 + 2.5 + 0.6 = 7.05; 1.31 + 0.0275 x 285 = 9.1475; PayPal left
        // out: fees 16.20, spent 166.20; at 250.00 the fees 7.05 + 7.50
        Listing{"reserve_in_its_own_band",
                [](WindowState& s) {
                    s.cmb_start_price = "$200 - $499.99";
                    s.txt_reserve = "250";
                    s.chk_gallery = on;
                    s.combo_num_pics = "5";
                    s.txt_end_price = "310.00";
                    s.txt_item_cost = "150";
                    s.chk_paypal = CheckState::unticked;
                },
                {"Insertion fee, starting band $200 - $499.99 = 3.6", "Gallery = 0.35",
                 "Reserve fee: 1 % of 250.00 = 2.5",
                 "Pictures after the first: 4 \u00d7 0.15 = 0.6",
                 "Rounded to the cent: nothing to round = 0", "Listing Fees = 7.05",
                 "Final value fee, second tier: 1.31 + 2.75 % of (310.00 - 25.00) = 9.1475",
                 "Final value fee, rounded to the cent = 9.15",
                 "PayPal fee: 2.9 % of 310.00 (end price and shipping charged) + 0.30 = 9.29",
                 "PayPal fee, rounded to the cent = 9.29",
                 "Not counted: the PayPal box is unticked = ", "Return on Cost % = 86.52",
                 "Fees Share of Received % = 5.23", "Sold at the Ending Price = 143.80",
                 "Sold at the lowest price it can sell for: 250.00, the reserve = 85.45",
                 "Not sold = -7.05"}},
        // 3.6 + 0.25 + 3.125 + 1.5 = 8.475, a tie that goes to the even cent; at
        // 312.50 the fees 8.48 + 9.22 + 9.36
        Listing{
            "percent_reserve_and_pack_no_end_price",
            [](WindowState& s) {
                s.cmb_start_price = "$1 - $9.99";
                s.txt_reserve = "312.50";
                s.cmb_bin = "$50 or more";
                s.combo_num_pics = "7";
                s.chk_pic_pack = on;
            },
            {"Insertion fee, the reserve's band $200 - $499.99 in place of the starting band "
             "= 3.6",
             "Buy-It-Now fee, band $50 or more = 0.25", "Reserve fee: 1 % of 312.50 = 3.125",
             "Picture Pack: 7 pictures, more than the 6 of its lower fee = 1.5",
             "Rounded to the cent: 8.475 to 8.48 = 0.005", "Listing Fees = 8.48",
             "Return on Cost % = ", "Fees Share of Received % = ", "Sold at the Ending Price = ",
             "Sold at the lowest price it can sell for: 312.50, the reserve = 285.44",
             "Not sold = -8.48"}},
        // A flat reserve fee, and every line once more for the second category;
        // at 100.00 the fees 8.80 + 3.37 + 3.20
        Listing{
            "flat_reserve_doubled",
            [](WindowState& s) {
                s.txt_reserve = "100";
                s.chk_doublecat = on;
            },
            {"Insertion fee, the reserve's band $50 - $199.99 in place of the starting band "
             "= 2.4",
             "Reserve fee: flat, for a reserve of 100.00 = 2",
             "Double Catergory: every line above once more = 4.4",
             "Rounded to the cent: nothing to round = 0", "Listing Fees = 8.80",
             "Return on Cost % = ", "Fees Share of Received % = ", "Sold at the Ending Price = ",
             "Sold at the lowest price it can sell for: 100.00, the reserve = 84.63",
             "Not sold = -8.80"}}),
    [](const testing::TestParamInfo<Listing>& info) { return std::string(info.param.name); });

} // namespace
} // namespace quillet::test
