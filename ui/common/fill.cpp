#include "ui/common/fill.h"

#include <QPalette>
#include <QWidget>

namespace quillet::ui {

void fill(QWidget* w, const QColor& colour) {
    QPalette p;
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace quillet::ui
