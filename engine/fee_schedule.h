#pragma once

// The marketplace's fee schedule, built in as constants. The band labels are
// also the items of the window's two price-band selectors.

#include "currency.h"
#include "window_state.h"

#include <array>
#include <string_view>

namespace quillet {

struct Band {
    std::string_view label;
    Currency fee;
};

// Insertion fee by starting-price band, in list order.
inline constexpr std::array<Band, 7> insertion_fees{{
    {"$0.01 - $0.99", "0.25"_usd},
    {"$1 - $9.99", "0.35"_usd},
    {"$10 - $24.99", "0.60"_usd},
    {"$25 - $49.99", "1.20"_usd},
    {"$50 - $199.99", "2.40"_usd},
    {"$200 - $499.99", "3.60"_usd},
    {"$500 or more", "4.80"_usd},
}};

// Buy-It-Now fee by band, in list order after the keyword "None" (no
// Buy-It-Now). Any other text takes the last band's fee.
inline constexpr std::array<Band, 4> bin_fees{{
    {"$0.01 - $9.99", "0.05"_usd},
    {"$10 - $24.99", "0.10"_usd},
    {"$25 - $49.99", "0.20"_usd},
    {"$50 or more", "0.25"_usd},
}};

struct Upgrade {
    CheckState WindowState::*box;
    Currency price;
};

// Listing upgrades, each charged when its box is ticked.
inline constexpr std::array<Upgrade, 10> upgrades{{
    {&WindowState::chk_sub, "0.50"_usd},
    {&WindowState::chk_gallery, "0.35"_usd},
    {&WindowState::chk_bold, "1.00"_usd},
    {&WindowState::chk_10day, "0.40"_usd},
    {&WindowState::chk_border, "3.00"_usd},
    {&WindowState::chk_highlight, "5.00"_usd},
    {&WindowState::chk_gift, "0.25"_usd},
    {&WindowState::chk_gfeatured, "19.95"_usd},
    {&WindowState::chk_fplus, "19.95"_usd},
    {&WindowState::chk_hfeatured, "39.95"_usd},
}};

struct ReserveTier {
    Currency below; // the tier holds reserves under this bound
    Currency fee;   // a flat fee, or zero for the 1 % tiers
    std::string_view insertion_label;
};

// Reserve tiers, tested in order; a bound belongs to the tier above it. A
// reserve at or above the last bound takes the last tier.
inline constexpr std::array<ReserveTier, 6> reserve_tiers{{
    {"1"_usd, "1.00"_usd, "$0.01 - $0.99"},
    {"10"_usd, "1.00"_usd, "$1 - $9.99"},
    {"25"_usd, "1.00"_usd, "$10 - $24.99"},
    {"50"_usd, "1.00"_usd, "$25 - $49.99"},
    {"200"_usd, "2.00"_usd, "$50 - $199.99"},
    {"500"_usd, Currency{}, "$200 - $499.99"},
}};
inline constexpr std::string_view reserve_top_label = "$500 or more";
inline constexpr double reserve_percent_rate = 0.01; // from 200 up, no upper limit

// Picture options.
inline constexpr Currency picture_show_fee = "0.25"_usd;
inline constexpr Currency supersize_fee = "0.75"_usd;
inline constexpr Currency picture_pack_fee = "1.00"_usd;       // up to 6 pictures
inline constexpr Currency picture_pack_large_fee = "1.50"_usd; // above 6
inline constexpr double picture_pack_small_limit = 6;
inline constexpr double extra_picture_rate = 0.15; // each picture after the first

// Final value fee: one tier applies, never the sum of tiers. A tier holds the
// end prices up to its bound and charges its rate on the part of the price
// above the bound before it (0 for the first), plus its fixed amount.
struct FinalValueTier {
    Currency up_to;
    Currency rate;
    Currency fixed;
};
inline constexpr std::array<FinalValueTier, 3> fvf_tiers{{
    {"25"_usd, "0.0525"_usd, {}},
    {"1000"_usd, "0.0275"_usd, "1.31"_usd},      // not 1.3125
    {Currency::max(), "0.015"_usd, "28.12"_usd}, // not 28.125
}};

// PayPal: a rate on the amount paid plus a fixed fee per payment.
inline constexpr double paypal_rate = 0.029;
inline constexpr double paypal_fixed = 0.30;

} // namespace quillet
