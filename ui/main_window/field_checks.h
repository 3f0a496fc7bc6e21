#pragma once

// The checks a price field or band selector runs when it loses the focus.
// They only judge a text; the window shows the prompt and gives the focus
// back. None alters the text.

#include "engine/text_readings.h"
#include "ui/main_window/prompts.h"

#include <QString>

#include <array>
#include <optional>
#include <string_view>

namespace quillet::ui {

// A price field passes a number (by the locale-aware numeric test) or its
// keyword in any letter case, but not with blanks around the keyword.
struct PriceField {
    std::string_view control;
    std::string_view keyword; // lower case
    Prompt prompt;
};

inline constexpr std::array<PriceField, 6> price_fields{{
    {"txt_end_price", "none", prompts::end_price},
    {"txt_item_cost", "free", prompts::item_cost},
    {"txt_other_costs", "none", prompts::other_costs},
    {"txt_reserve", "none", prompts::reserve},
    {"txt_ship_charged", "none", prompts::ship_charged},
    {"txt_ship_cost", "none", prompts::ship_cost},
}};

// The row of a price field, or null for any other control.
const PriceField* price_field(std::string_view control);

bool price_text_passes(const QString& text, std::string_view keyword,
                       const NumberConventions& conventions);

// Exactly one of the seven starting-price labels.
bool start_band_passes(const QString& text);

// "none" in any letter case, or exactly one of the four Buy-It-Now labels.
bool bin_band_passes(const QString& text);

// Whether the named control checks its text when it loses the focus.
bool has_focus_check(std::string_view control);

// The check of the named control on losing the focus: the prompt to show when
// it rejects `text`, nothing when the text passes or the control has no check.
std::optional<Prompt> focus_check(std::string_view control, const QString& text,
                                  const NumberConventions& conventions);

} // namespace quillet::ui
