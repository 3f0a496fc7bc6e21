#pragma once

// How well one colour reads on another.

#include <QColor>

namespace quillet::ui {

// WCAG 2 contrast ratio of two opaque colours, from 1 to 21.
double contrast_ratio(const QColor& a, const QColor& b);

// `text` eased toward `background`, in steps of 5 % up to `furthest` percent
// of the way, as far as a contrast of `target` against it allows: a fainter
// text that still reads. A text already below 4.5:1 (a palette at odds with
// itself) starts from black or white, whichever reads better.
QColor eased_text(QColor text, const QColor& background, double target, int furthest);

} // namespace quillet::ui
