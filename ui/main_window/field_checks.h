#pragma once

// The checks a price field or band selector runs when it loses the focus.
// They only judge a text; the window shows the prompt and gives the focus
// back. None alters the text.

#include "engine/text_readings.h"
#include "ui/main_window/control_table.h"
#include "ui/main_window/prompts.h"

#include <QString>

#include <optional>
#include <string_view>

class QWidget;

namespace quillet::ui {

// A number by the locale-aware numeric test that is not below 0 (no price
// is), or the field's keyword as the engine reads one (is_keyword).
bool price_text_passes(const QString& text, std::string_view keyword,
                       const NumberConventions& conventions);

// The row of the price field `control` is, or null.
const PriceFieldRow* price_field_of(const Controls& controls, const QWidget* control);

// Whether Enter checks `control` while it keeps the focus: a price field or
// the picture count, whose texts the engine reads as amounts.
bool checked_on_enter(const Controls& controls, const QWidget* control);

// The check of a control on losing the focus: the prompt to show when it
// rejects the control's text; nothing when the text passes or the control has
// no check.
std::optional<Prompt> focus_check(const Controls& controls, const QWidget* control,
                                  const NumberConventions& conventions);

} // namespace quillet::ui
