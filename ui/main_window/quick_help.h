#pragma once

// The help line: as the mouse moves, lbl_help shows the sentence of
// the option or price field under the pointer, and empties over the window's
// background or a frame's. Any other control (a label, a drop-down, a button,
// "Sub Title") leaves the line as it is. The keyboard reaches the same
// sentences: an option or price field that takes the focus from another
// control shows its line too. A disabled control and a separator
// line take no mouse, so the pointer over one is over the frame beneath. The
// sentences are the help lines of the control tables' rows.

#include "ui/main_window/form_layout.h"

#include <QFont>
#include <QHash>
#include <QObject>
#include <QString>

#include <optional>

class QPoint;

namespace quillet::ui {

class QuickHelp : public QObject {
public:
    // Watches every widget on the controls' surface; call after the form is built.
    QuickHelp(const Controls& controls, QObject* parent);

    // The mouse-move handlers, all in one: what the line shows with the pointer
    // at `pos` on the surface.
    void mouse_moved(const QPoint& pos);

    // The focus moved onto `control` from another control of the window, also
    // by way of a box (a refused field given the focus back); the focus the
    // window opens with, or takes back onto the control that left, is no move.
    void focus_entered(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Line {
        QString text;
        QFont font; // the line's own font, or a smaller one where the text needs it
        bool fitted = false;
    };
    void show(Line& line);

    QWidget* surface_;
    QLabel* line_;
    std::optional<QFont> base_font_; // the label's own, taken at the first line shown
    QHash<const QWidget*, Line> lines_;
};

} // namespace quillet::ui
