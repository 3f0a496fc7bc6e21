#pragma once

// When a control's check runs, and what a rejection cancels.
//
//  - A control that loses the focus to another control of the window is
//    checked once the focus has settled (a queued call), never in the middle
//    of the focus change. The focus going to a menu, a drop-down's list, a box
//    or another program is no such move; coming back from there onto another
//    control is.
//  - A command first settles the checks still waiting (settle()), and a
//    rejection cancels it: a button pressed with the mouse does nothing on its
//    release, and Enter does nothing.
//  - Enter leaves the focus where it is, so it also checks the focused control
//    when that is one Enter checks; then it runs the default command. It is
//    taken on the control that has the focus, before that control or a frame
//    around it can: platform themes differ on what Return presses (GNOME's has
//    it press check boxes and swallows it in group boxes). A focused push
//    button takes Enter itself.
//  - Clear is the way out: a rejection met while it is held down is still
//    shown, and then Clear runs all the same.
//
// A rejection is the client's to show: it shows the prompt and gives the focus
// back. The text is never altered.

#include "ui/main_window/prompts.h"

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class QAbstractButton;
class QWidget;

namespace quillet::ui {

class FocusChecks : public QObject {
public:
    struct Client {
        // The control of the window a focused widget belongs to (a drop-down
        // for its edit part), or null for none.
        std::function<QWidget*(QWidget*)> control_of;
        // The prompt for a control's rejected text; none when the text passes
        // or the control has no check.
        std::function<std::optional<Prompt>(QWidget*)> check;
        // Whether Enter checks the control while it keeps the focus.
        std::function<bool(QWidget*)> checked_on_enter;
        // A control took the focus from another control of the window.
        std::function<void(QWidget*)> got_focus;
        // Shows the prompt and gives the focus back to the control.
        std::function<void(QWidget*, const Prompt&)> reject;
        // Enter's command, and Clear's.
        std::function<void()> enter;
        std::function<void()> clear;
    };

    // Watches the focus within `window`, Enter on the controls of `surface`
    // and the release of its buttons; `clear` is the way out.
    FocusChecks(QWidget* window, QWidget* surface, QAbstractButton* clear, Client client);

    // Runs the checks still waiting; false when one rejected its text.
    bool settle();

    // The control of the window that had the focus last, if any.
    QWidget* last_control() const { return last_focus_; }

    // No check runs any more: the program is ending, or the window is being
    // torn down and its children losing the focus must not reach the checks.
    void stop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focus_changed(QWidget* now);
    bool check(QWidget* control);
    void enter_pressed(QWidget* on); // the control that took the key

    QWidget* window_;
    QAbstractButton* clear_;
    Client client_;
    QPointer<QWidget> last_focus_; // the control of the window that had the focus last
    QList<QPointer<QWidget>> waiting_;
    QMetaObject::Connection focus_connection_;
    bool stopped_ = false;
};

} // namespace quillet::ui
