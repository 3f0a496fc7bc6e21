#pragma once

// Quillet_main, the only working window, with its checks and interlocks. Its
// handlers gather the controls, call the fee engine, and write back:
//
//   cmd_calc_Click   controls -> WindowState -> quillet::calculate -> result fields;
//                    the engine's notices and failures become warning boxes here
//   focus checks     a price field or band selector that loses the focus to another
//                    control is checked (field_checks.h); a rejection shows its
//                    prompt and takes the focus back
//   interlocks       Gallery / Gallery Featured, Picture Pack / Show / Supersize
//   quick help       lbl_help follows the mouse (quick_help.h)
//   colours          taken from the palette, again when it changes (window_colours.h)
//   Form_Load, Clear, About, Exit

#include "ui/main_window/form_layout.h"
#include "ui/main_window/prompts.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class QDialog;

// The engine's headers stay out of this one: moc cannot read <compare>.
namespace quillet {
struct CalcOutcome;
struct WindowState;
} // namespace quillet

namespace quillet::ui {

class Quillet_main : public QMainWindow {
    Q_OBJECT

public:
    explicit Quillet_main(QWidget* parent = nullptr);
    ~Quillet_main() override;

    // Shows one modal warning box and returns when it is closed. Tests put a
    // recorder here so that no real box opens.
    using WarningPresenter = std::function<void(QWidget* parent, const Message& message)>;
    void set_warning_presenter(WarningPresenter presenter);

private:
    // Load, Clear, About, Exit.
    void Form_Load();
    void set_defaults();
    void cmd_clear_Click();
    void About_Click();
    void Exit_Click();

    // Calculate.
    void cmd_calc_Click();
    void default_button_pressed();
    void report_failure(const CalcOutcome& outcome);

    // Interlocks.
    void chk_gallery_Click();
    void chk_gfeatured_Click();
    void chk_pic_pack_Click();

    // The GotFocus and LostFocus handlers of the six price
    // fields and the two band selectors, each one routine over a table.
    void focus_changed(QWidget* old, QWidget* now);
    void control_GotFocus(QWidget* control);
    void control_LostFocus(QWidget* control);
    bool run_pending_checks();
    bool check(QWidget* control);
    bool eventFilter(QObject* watched, QEvent* event) override;

    void changeEvent(QEvent* event) override;

    void warn(const Message& message);
    void give_focus_to(QWidget* control);
    QWidget* control_of(QWidget* w) const;

    Controls c_;
    std::unique_ptr<WindowState> record_; // keeps cost_bin and cost_reserve between runs
    WarningPresenter warn_;
    QPointer<QWidget> last_focus_; // the control of this window that had the focus last
    QList<QPointer<QWidget>> pending_checks_;
    QPointer<QDialog> about_;
    QMetaObject::Connection focus_connection_;
    bool exiting_ = false;
};

} // namespace quillet::ui
