#pragma once

// The words of the main window's boxes, each a modal warning with one OK
// button: the titles, and the prompts that belong to no single control.

#include <QString>

#include <string_view>

namespace quillet::ui {

struct Prompt {
    std::string_view text;
    std::string_view title;
};

// What a box shows; a prompt, or one built around a field's words.
struct Message {
    QString text;
    QString title;

    bool operator==(const Message&) const = default;
};

Message message(const Prompt& prompt);

namespace prompts {

inline constexpr std::string_view error_title = "Error";
inline constexpr std::string_view price_title = "Incorrect Price Entered";

// The starting-price selector's check, and the listing-fee stage's notice
// about a start label outside the schedule. The other checks' prompts stand
// in their controls' rows (control_table.h).
inline constexpr Prompt invalid_start_range{"Invalid Start price range entered", error_title};

// A calculation that left the money range with no single input at fault.
inline constexpr Prompt figures_too_large{"The figures are too large to calculate with.",
                                          error_title};

} // namespace prompts

// A calculation that left the money range because of one input, named as a
// screen reader names it ("Reserve", spoken_name in control_table.h).
Message amount_too_large(const QString& words);

} // namespace quillet::ui
