#pragma once

// Every message the main window can show, with its title: the one table of
// the window's words. Each box is a modal warning with one OK button.

#include <QString>

#include <string_view>

namespace quillet::ui {

struct Prompt {
    std::string_view text;
    std::string_view title;
};

// What a box shows; the prompts below, or one built around a field's caption.
struct Message {
    QString text;
    QString title;

    bool operator==(const Message&) const = default;
};

Message message(const Prompt& prompt);

namespace prompts {

inline constexpr std::string_view error_title = "Error";
inline constexpr std::string_view price_title = "Incorrect Price Entered";

// The price fields' checks.
inline constexpr Prompt end_price{
    "Please enter a valid price. You can None or 0 for no ending price.", price_title};
inline constexpr Prompt item_cost{
    "Please enter a valid price. You can also enter Free or 0 for no reserve.", price_title};
inline constexpr Prompt other_costs{
    "Please enter a valid price. You can enter None or 0 for no costs.", price_title};
inline constexpr Prompt reserve{
    "Please enter a valid amount. You can also enter none or 0 for no reserve", price_title};
inline constexpr Prompt ship_charged{
    "Please enter a valid price. You can enter None or 0 for no shipping charges.", price_title};
inline constexpr Prompt ship_cost{
    "Please enter a valid price. You can enter None or 0 for no shipping costs.", price_title};

// The band selectors' checks; the first is also the listing-fee
// stage's notice about a start label outside the schedule.
inline constexpr Prompt invalid_start_range{"Invalid Start price range entered", error_title};
inline constexpr Prompt invalid_bin{"Error: Invalid buy-it-now price entered.", error_title};

// A calculation that left the money range with no single input at fault.
inline constexpr Prompt figures_too_large{"The figures are too large to calculate with.",
                                          error_title};

} // namespace prompts

// A calculation that left the money range because of one input; `caption` is
// the caption of the frame holding it, without its colon ("Reserve").
Message amount_too_large(const QString& caption);

} // namespace quillet::ui
