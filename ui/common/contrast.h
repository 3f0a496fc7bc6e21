#pragma once

// How well one colour reads on another.

#include <QColor>

namespace quillet::ui {

// WCAG 2 contrast ratio of two opaque colours, from 1 to 21.
double contrast_ratio(const QColor& a, const QColor& b);

// `text` eased toward `background` in steps of 5 % of the way, at most
// `furthest_percent`, while it keeps a contrast of `least` against it. A text
// colour under 4.5:1 on that background is first replaced by black or white,
// whichever reads better.
QColor eased_text(QColor text, const QColor& background, double least, int furthest_percent);

// `colour` moved toward black or white, whichever stands out more on
// `background`, in steps of 5 % of the way, until it has a contrast of `least`
// against it; `colour` itself where it has already.
QColor brought_out(const QColor& colour, const QColor& background, double least);

} // namespace quillet::ui
