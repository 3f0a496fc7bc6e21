#include "ui/main_window/quick_help.h"

#include "ui/main_window/control_table.h"
#include "ui/main_window/qt_text.h"

#include <QCheckBox>
#include <QEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QMouseEvent>
#include <QWidget>

namespace quillet::ui {

QuickHelp::QuickHelp(const Controls& controls, QObject* parent)
    : QObject(parent)
    , surface_(controls.surface)
    , line_(controls.lbl_help) {
    for (const PriceFieldRow& row : price_fields)
        lines_.insert(controls.*row.widget, Line{qstring(row.help), {}, false});
    for (const OptionRow& row : options)
        if (!row.help.empty())
            lines_.insert(controls.*row.widget, Line{qstring(row.help), {}, false});
    // The client area around the form, in a window larger than it, is the
    // form's background too.
    QList<QWidget*> watched{surface_->parentWidget(), surface_};
    watched += surface_->findChildren<QWidget*>();
    for (QWidget* w : watched) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
}

void QuickHelp::mouse_moved(const QPoint& pos) {
    QWidget* under = surface_->childAt(pos);
    QWidget* control = under ? control_of(surface_, under) : surface_;
    if (!control->isEnabled())
        control = control->parentWidget();
    if (const auto it = lines_.find(control); it != lines_.end())
        show(*it);
    else if (control == surface_ || qobject_cast<QGroupBox*>(control))
        line_->clear();
}

void QuickHelp::focus_entered(QWidget* control) {
    if (const auto it = lines_.find(control); it != lines_.end())
        show(*it);
}

// The line is one label row. With a wide font (real Verdana is wider than its
// usual substitute) the longest sentence, 105 characters, could overrun it;
// rather than cut or wrap it, the label's font steps down just enough for that
// sentence, and every shorter one keeps the full size. Worked out once a line.
void QuickHelp::show(Line& line) {
    if (!base_font_)
        base_font_ = line_->font();
    if (!line.fitted) {
        line.font = *base_font_;
        const int room = line_->contentsRect().width();
        while (QFontMetricsF(line.font).horizontalAdvance(line.text) > room &&
               line.font.pointSizeF() > 6)
            line.font.setPointSizeF(line.font.pointSizeF() - 0.25);
        line.fitted = true;
    }
    line_->setFont(line.font);
    line_->setText(line.text);
}

// The event reaches the widget under the pointer and, when that widget does
// not take it, its parents in turn; the line depends on the position only, so
// handling every delivery gives the same result. Nothing is swallowed, so the
// controls keep their own mouse handling.
bool QuickHelp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        auto* w = static_cast<QWidget*>(watched);
        if (w->window() == surface_->window()) {
            const QPoint local = static_cast<QMouseEvent*>(event)->position().toPoint();
            mouse_moved(surface_->mapFromGlobal(w->mapToGlobal(local)));
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quillet::ui
