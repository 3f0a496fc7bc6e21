#pragma once

// What a screen reader hears after Calculate, with the focus left where it
// is. Qt 6.4 has no announcement event (QAccessibleAnnouncementEvent came with
// Qt 6.8), and its AT-SPI bridge drops QAccessible::Alert; it does pass on an
// object being shown and its name changing. So the outcome is a notification:
// a label without size, of role Notification, whose name is the outcome and
// which is shown anew each time. AT-SPI receives
// object:property-change:accessible-name and object:state-changed:showing
// from an object of role notification, which screen readers speak (Orca
// presents a notification as it shows). A box shown by the run is itself an
// alert and speaks for itself. While another window is active (a dialog that
// is closing) the notification waits until this one is active again: Orca
// drops one that comes among the events of a window becoming active.

#include "ui/main_window/form_layout.h"

#include <QObject>
#include <QString>

class QLabel;

namespace quillet::ui {

// "Profit ($) 26.57, Profit Margin % 66.42" from the result fields; the
// listing fee alone when no sale figure is shown. The note that the item would
// not sell at that price follows, when it is shown.
QString outcome_text(const Controls& controls);

class Announcer : public QObject {
public:
    // The notification's label, a child of `window` outside its client area.
    explicit Announcer(QWidget* window);

    void announce(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show(const QString& text);

    QWidget* window_;
    QLabel* label_;
    QString waiting_;
};

} // namespace quillet::ui
