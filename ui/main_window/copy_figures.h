#pragma once

// Edit > Copy Figures: the nine figures as plain text for a spreadsheet, one
// "caption<TAB>figure" line each in the result table's order (column by
// column, as the window reads), so that they paste as two columns. The
// caption is the result field's spoken one, the label's words without its
// colon. Each figure is in the spreadsheet form of the user's conventions
// (in_user_form): the locale's decimal point, ASCII digits and minus, no
// grouping, so that a spreadsheet set to the same locale reads a number. Figures marked out
// of date (stale_marking.h) get a first line that says so; a PayPal fee the
// total fees left out is followed by a tab and the words that say so, the
// figure still a number.

#include "engine/text_readings.h"
#include "ui/main_window/form_layout.h"

#include <QString>

namespace quillet::ui {

QString figures_text(const Controls& controls, bool out_of_date, bool paypal_left_out,
                     const NumberConventions& conventions);

// What a screen reader hears once they are copied.
QString copied_words(bool out_of_date);

// Puts figures_text on the clipboard.
void copy_figures(const Controls& controls, bool out_of_date, bool paypal_left_out,
                  const NumberConventions& conventions);

} // namespace quillet::ui
