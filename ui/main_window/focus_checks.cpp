#include "ui/main_window/focus_checks.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace quillet::ui {

FocusChecks::FocusChecks(QWidget* window, QWidget* surface, QAbstractButton* clear, Client client)
    : QObject(window)
    , window_(window)
    , clear_(clear)
    , client_(std::move(client))
    , last_focus_(client_.control_of(window->focusWidget())) {
    // Key events reach the focused control first; a drop-down takes them for
    // its edit part, and its list is a window of its own.
    for (QWidget* w : surface->findChildren<QWidget*>()) {
        if (client_.control_of(w) == w)
            w->installEventFilter(this);
    }
    focus_connection_ = connect(qApp, &QApplication::focusChanged, this,
                                [this](QWidget*, QWidget* now) { focus_changed(now); });
}

bool FocusChecks::settle() {
    while (!waiting_.isEmpty()) {
        const QPointer<QWidget> control = waiting_.takeFirst();
        if (control && !stopped_ && !check(control)) {
            waiting_.clear();
            return false;
        }
    }
    return true;
}

void FocusChecks::stop() {
    stopped_ = true;
    waiting_.clear();
    disconnect(focus_connection_);
}

void FocusChecks::focus_changed(QWidget* now) {
    if (stopped_ || !now || now->window() != window_)
        return;
    QWidget* entered = client_.control_of(now);
    QWidget* left = last_focus_;
    if (!entered || entered == left)
        return;
    last_focus_ = entered;
    if (left) {
        // A box shown in the middle of a focus change would leave the toolkit
        // half way through it.
        waiting_.append(left);
        QMetaObject::invokeMethod(this, &FocusChecks::settle, Qt::QueuedConnection);
    }
    client_.got_focus(entered);
}

// A button pressed with the mouse took the focus before its click: that press
// does nothing more, except that Clear still clears.
bool FocusChecks::check(QWidget* control) {
    const auto prompt = client_.check(control);
    if (!prompt)
        return true;
    auto* pressed = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    const bool way_out = pressed && pressed->isDown() && pressed == clear_;
    if (pressed)
        pressed->setDown(false);
    client_.reject(control, *prompt);
    if (way_out)
        client_.clear();
    return false;
}

void FocusChecks::enter_pressed(QWidget* on) {
    if (!settle())
        return;
    QWidget* focused = client_.control_of(on);
    if (focused && client_.checked_on_enter(focused) && !check(focused))
        return;
    client_.enter();
}

// A button acts on its release: the checks waiting from the press that gave it
// the focus run first, and a rejection swallows the release. Enter on any
// control but a push button is the default button's.
bool FocusChecks::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        if (qobject_cast<QAbstractButton*>(watched) && !waiting_.isEmpty() && !settle())
            return true;
        break;
    case QEvent::KeyPress:
        if (qobject_cast<QPushButton*>(watched))
            break;
        if (const int key = static_cast<QKeyEvent*>(event)->key();
            key == Qt::Key_Return || key == Qt::Key_Enter) {
            enter_pressed(static_cast<QWidget*>(watched));
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace quillet::ui
