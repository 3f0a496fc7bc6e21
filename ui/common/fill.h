#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace quillet::ui {

// Paints the whole of `w` in `colour`. Only the Window role becomes the
// widget's own; every other role still follows its parent and the application.
inline void fill(QWidget* w, const QColor& colour) {
    QPalette p;
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace quillet::ui
