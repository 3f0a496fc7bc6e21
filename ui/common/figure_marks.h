#pragma once

// The words that mark a figure, the same in every window that shows or copies
// one.

#include <string_view>

namespace quillet::ui {

// A figure's accessible description while the inputs have changed since it was
// calculated.
inline constexpr std::string_view out_of_date_text = "Out of date: press Calculate";

// The first line of copied figures that are out of date.
inline constexpr std::string_view out_of_date_line =
    "Out of date: the inputs changed after these figures were calculated";

// The PayPal fee that the total fees leave out.
inline constexpr std::string_view paypal_left_out_text = "Not counted: the PayPal box is unticked";

} // namespace quillet::ui
