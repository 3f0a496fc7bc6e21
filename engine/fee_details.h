#pragma once

// What a calculation added up, recorded by the stages as they work, so that a
// breakdown shown beside the figures can never disagree with them. Data only:
// amounts, rates, counts and the schedule's own band labels; the window
// writes the words.

#include "currency.h"
#include "window_state.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillet {

// Every line's fee is exactly what the stage added, so the lines (with
// `second_category`) add up to `unrounded` exactly.
struct ListingFeeParts {
    struct Insertion {
        std::string_view band; // the schedule's label, which lives as long as the program
        bool reserve_replaced_band = false; // the reserve's band, not the chosen one
        Currency fee;
    };
    struct UpgradeLine {
        CheckState WindowState::*box = nullptr; // the upgrade's box, as in the schedule
        Currency fee;
    };
    struct BuyItNow {
        std::string_view band; // the schedule's label; unknown texts take the top band
        Currency fee;
    };
    struct Reserve {
        Currency reserve;
        std::optional<double> rate; // the percentage tier's rate; empty for a flat fee
        Currency fee;               // a percentage at the nearest ten-thousandth
    };
    struct ExtraPictures {
        double count = 0; // the pictures after the first
        double rate = 0;
        Currency fee; // count x rate at the nearest ten-thousandth
    };
    struct PicturePack {
        double pictures = 0;
        double limit = 0; // the most pictures the lower fee covers
        Currency fee;
    };

    std::optional<Insertion> insertion; // empty when the band is none of the schedule's
    std::vector<UpgradeLine> upgrades;  // the ticked ones, in the schedule's order
    std::optional<BuyItNow> buy_it_now;
    std::optional<Reserve> reserve;
    std::optional<ExtraPictures> extra_pictures;
    std::optional<Currency> picture_show;
    std::optional<Currency> supersize;
    std::optional<PicturePack> picture_pack;
    std::optional<Currency> second_category; // every line above once more
    Currency unrounded;
    Currency shown; // txt_list_fee
};

// shown = nearest cent of unrounded = nearest cent of (fixed + product), where
// product = rate x (price - threshold) at the nearest ten-thousandth.
struct FinalValueFeeParts {
    int tier = 0; // 0, 1 or 2: the schedule's first, second or third
    Currency fixed;
    Currency rate;
    Currency price;     // the end price
    Currency threshold; // the break the rate counts from; 0 in the first tier
    Currency product;
    Currency unrounded;
    Currency shown; // txt_fvf
};

struct PayPalFeeParts {
    Currency base; // end price + shipping charged
    double rate = 0;
    double fixed = 0;
    Currency unrounded; // base x rate + fixed in double precision, at the nearest ten-thousandth
    Currency shown;     // txt_paypal_fee
    // In the total fees (the box ticked), as the total fees read the box; empty
    // when the run stopped before them.
    std::optional<bool> counted;
};

// Percentages of the figures as shown, rounded as the profit margin is; empty
// where the divisor is 0, a figure is missing or the share is out of range.
struct FigureShares {
    std::string return_on_cost;   // profit / total spent x 100
    std::string fees_of_received; // total fees / total received x 100
};

// The profit as the calculation writes it in three ends of the auction.
struct SaleOutcomes {
    std::string at_end_price; // txt_profit
    // The lowest price the item can sell for: the reserve, raised to a whole
    // cent, else the lowest price of the chosen starting band.
    std::optional<Currency> lowest_price;
    bool lowest_is_reserve = false;
    std::string at_lowest_price; // txt_profit at that price; empty when there is none
    std::string not_sold;        // minus the listing fee
};

// A stage that fails, or does not run, leaves its parts empty.
struct FeeDetails {
    std::optional<ListingFeeParts> listing_fee;
    std::optional<PayPalFeeParts> paypal_fee;
    std::optional<FinalValueFeeParts> final_value_fee;
    FigureShares shares;
    SaleOutcomes outcomes;
};

} // namespace quillet
