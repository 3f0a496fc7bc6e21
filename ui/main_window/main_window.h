#pragma once

// Quillet_main, the program's main window, with its checks and interlocks. Its
// handlers gather the controls, call the fee engine, and write back:
//
//   cmd_calc_Click   controls -> WindowState -> quillet::calculate -> result fields;
//                    the engine's notices and failures become warning boxes here
//   focus checks     a price field or band selector that loses the focus to another
//                    control is checked (field_checks.h) when focus_checks.h says;
//                    a rejection shows its prompt and takes the focus back
//   interlocks       Gallery / Gallery Featured, Picture Pack / Show / Supersize
//   quick help       lbl_help follows the mouse and the focus (quick_help.h)
//   out of date      figures marked from an input's change to the next run
//                    (stale_marking.h); Edit > Copy Figures (copy_figures.h);
//                    the outcome announced to a screen reader (announcement.h)
//   colours          taken from the palette, again when it changes (window_colours.h)
//   menus            File, Edit, Tools, Help, opened from the keyboard too (menus.h);
//                    Tools > Target Price opens ui/target_price, which follows
//                    the inputs; Tools > Fee Details ui/fee_details, which
//                    shows the last calculation's breakdown; Edit > Keep for
//                    Comparison adds the inputs and figures to ui/compare,
//                    Tools > Compare shows it
//   Form_Load, Clear, About, Exit
//
// What each input and result control means to these is its row in
// control_table.h.

// moc (Qt 6.4) cannot parse <compare>, which the engine's money type brings
// in, and needs none of the engine's types.
#ifndef Q_MOC_RUN
#include "engine/fee_details.h"
#include "engine/stages.h"
#include "engine/window_state.h"
#endif
#include "ui/main_window/focus_checks.h"
#include "ui/main_window/form_layout.h"
#include "ui/main_window/prompts.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <optional>

class QAction;
class QDialog;

namespace quillet::ui {
class Announcer;
class CompareWindow;
class FeeDetailsWindow;
class QuickHelp;
class StaleMarking;
class TargetPriceDialog;
} // namespace quillet::ui

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

    // The controls, for walking the control tables' rows (tests do).
    const Controls& controls() const { return c_; }

    // For the Target Price dialog: runs the field checks on every input but
    // Ending Price, without a box, and gives the words of the first that
    // rejects its text; otherwise nothing, with the controls copied into
    // `record` and the conventions Calculate reads them under.
    std::optional<QString> target_inputs(WindowState& record);
    // Writes `price` into Ending Price and runs Calculate, without announcing
    // it: the outcome a screen reader should hear, or nothing after a box.
    std::optional<QString> calculate_at(const QString& price);

private:
    void build_menus();
    FocusChecks::Client focus_client();

    // Load, Clear, About, Exit.
    void Form_Load();
    void cmd_clear_Click();
    void About_Click();
    void Exit_Click();
    void Target_Price_Click();
    void Fee_Details_Click();
    void Copy_Figures_Click();
    void show_details();
    void Keep_Click();
    void Compare_Click();
    void build_compare();
    void restore(const WindowState& record);
    void marking_changed(bool marked);

    // Calculate: the run, then its outcome announced.
    void cmd_calc_Click();
    std::optional<QString> calculate();
    void report_failure(const CalcOutcome& outcome);

    // Interlocks.
    void chk_gallery_Click();
    void chk_gfeatured_Click();
    void chk_pic_pack_Click();

    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

    void warn(const Message& message);
    void give_focus_to(QWidget* control);

    Controls c_;
    WindowState record_; // keeps cost_bin and cost_reserve between runs
    WarningPresenter warn_;
    FocusChecks* checks_ = nullptr;
    StaleMarking* stale_ = nullptr;
    Announcer* announcer_ = nullptr;
    QuickHelp* help_ = nullptr;
    QPointer<QDialog> about_;
    QPointer<TargetPriceDialog> target_price_; // made when first opened
    QAction* copy_figures_ = nullptr;
    FeeDetails details_;                         // the last calculation's breakdown
    FeeDetailsWindow* details_window_ = nullptr; // built when first opened
    QAction* keep_ = nullptr;                    // enabled while the figures belong to the inputs
    CompareWindow* compare_ = nullptr;           // built on the first Keep or Compare
};

} // namespace quillet::ui
