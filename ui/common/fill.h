#pragma once

#include <QColor>

class QWidget;

namespace quillet::ui {

// Paints the whole of `w` in `colour`. Only the Window role becomes the
// widget's own; every other role still follows its parent and the application.
void fill(QWidget* w, const QColor& colour);

} // namespace quillet::ui
