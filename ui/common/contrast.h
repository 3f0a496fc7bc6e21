#pragma once

// How well one colour reads on another, and a dark palette to try both
// windows' colours in.

#include <QColor>
#include <QPalette>

namespace quillet::ui {

// WCAG 2 contrast ratio of two opaque colours, from 1 to 21.
double contrast_ratio(const QColor& a, const QColor& b);

// A dark palette in the manner of Fusion's dark look (Qt 6.5 and later), for
// the documentation's dark picture and the tests; the program itself follows
// whatever palette the desktop or the style gives it.
QPalette dark_palette();

} // namespace quillet::ui
