#pragma once

// The window takes every colour from the palette, light or dark, so that it
// follows the desktop and the style. A few are derived from it here, for the
// system colours Qt has no role for and for the figures:
//
//   "Costs and Profits:"       the button colour a shade darker (a scroll bar's)
//   its labels and PayPal box  the window colour, their own background
//   the separator lines        the inactive mid tone (an inactive title bar's)
//   the nine figures           the text colour, eased toward the disabled
//                              fields' background for a read-only look only
//                              as far as 7:1 against it allows
//   figures out of date        eased further, to 5:1, and drawn in italic
//                              (stale_marking.h): 4.5:1 with room for the
//                              italic's thinner strokes
//
// The result fields stay disabled; only their disabled text colour is set, so
// that the figures read as well as any input. The window applies these again
// whenever its palette changes.

#include "ui/main_window/form_layout.h"

#include <QPalette>

namespace quillet::ui {

// Sets the result fields' figure colour from `palette`.
void colour_figures(const Controls& controls, const QPalette& palette, bool out_of_date);

// Sets the derived colours of the window's controls from `palette`.
void apply_window_colours(const Controls& controls, const QPalette& palette,
                          bool figures_out_of_date = false);

} // namespace quillet::ui
