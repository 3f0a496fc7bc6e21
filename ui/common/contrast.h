#pragma once

// How well one colour reads on another.

#include <QColor>

namespace quillet::ui {

// WCAG 2 contrast ratio of two opaque colours, from 1 to 21.
double contrast_ratio(const QColor& a, const QColor& b);

} // namespace quillet::ui
