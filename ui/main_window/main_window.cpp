#include "ui/main_window/main_window.h"

#include "engine/driver.h"
#include "engine/sale_outcomes.h"
#include "ui/about/about_dialog.h"
#include "ui/common/app_icon.h"
#include "ui/common/fonts.h"
#include "ui/common/outline_style.h"
#include "ui/compare/compare_window.h"
#include "ui/fee_details/fee_details_window.h"
#include "ui/main_window/accessibility.h"
#include "ui/main_window/announcement.h"
#include "ui/main_window/compare_rows.h"
#include "ui/main_window/control_table.h"
#include "ui/main_window/copy_figures.h"
#include "ui/main_window/field_checks.h"
#include "ui/main_window/focus_checks.h"
#include "ui/main_window/form_scrolling.h"
#include "ui/main_window/menus.h"
#include "ui/main_window/no_sale_note.h"
#include "ui/main_window/number_conventions.h"
#include "ui/main_window/qt_text.h"
#include "ui/main_window/quick_help.h"
#include "ui/main_window/stale_marking.h"
#include "ui/main_window/state_binding.h"
#include "ui/main_window/window_colours.h"
#include "ui/target_price/target_price_dialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace quillet::ui {

namespace {

void show_warning_box(QWidget* parent, const Message& message) {
    QMessageBox box(QMessageBox::Warning, message.title, message.text, QMessageBox::Ok, parent);
    box.exec();
}

// Every window the menus open comes up the same way: shown, on top, active.
void bring_up(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

Quillet_main::Quillet_main(QWidget* parent)
    : QMainWindow(parent)
    , warn_(show_warning_box) {
    install_font_substitutes();
    install_accessible_interfaces();
    install_outline_style();
    setObjectName(QStringLiteral("Quillet_main"));
    setWindowTitle(QStringLiteral("Quillet"));
    setWindowIcon(quillet_window_icon());

    QWidget* surface = make_surface(*this);
    c_ = build_form(surface);
    describe_controls(c_);
    help_ = new QuickHelp(c_, this);
    announcer_ = new Announcer(this);
    stale_ = new StaleMarking(
        c_, [this](const QString& text) { announcer_->announce(text); }, this);
    stale_->on_marking([this](bool marked) { marking_changed(marked); });
    // An auto-default button outside a dialog drops its default flag, and its
    // look, as soon as the focus leaves it; "Calculate" keeps both by not being
    // one, and still takes Enter while focused. A focused "Clear" takes Enter
    // itself and shows it.
    c_.cmd_calc->setAutoDefault(false);
    c_.cmd_clear->setAutoDefault(true);

    build_menus();
    connect(c_.cmd_calc, &QPushButton::clicked, this, &Quillet_main::cmd_calc_Click);
    connect(c_.cmd_clear, &QPushButton::clicked, this, &Quillet_main::cmd_clear_Click);
    connect(c_.chk_gallery, &QCheckBox::toggled, this, &Quillet_main::chk_gallery_Click);
    connect(c_.chk_gfeatured, &QCheckBox::toggled, this, &Quillet_main::chk_gfeatured_Click);
    connect(c_.chk_pic_pack, &QCheckBox::toggled, this, &Quillet_main::chk_pic_pack_Click);

    fit_to_client_area(*this);
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());

    Form_Load();

    // The window opens with the focus, and the whole text, in the item cost.
    c_.txt_item_cost->setFocus(Qt::OtherFocusReason);
    c_.txt_item_cost->selectAll();

    checks_ = new FocusChecks(this, surface, c_.cmd_clear, focus_client());
    keep_focus_in_view(surface);
}

Quillet_main::~Quillet_main() {
    checks_->stop();
}

void Quillet_main::set_warning_presenter(WarningPresenter presenter) {
    warn_ = std::move(presenter);
}

void Quillet_main::build_menus() {
    const MenuActions menus = add_menus(*this);
    open_menus_with_f10(*this);
    connect(menus.exit, &QAction::triggered, this, &Quillet_main::Exit_Click);
    copy_figures_ = menus.copy_figures;
    connect(menus.copy_figures, &QAction::triggered, this, &Quillet_main::Copy_Figures_Click);
    keep_ = menus.keep_for_comparison;
    keep_->setEnabled(false); // nothing calculated yet
    connect(keep_, &QAction::triggered, this, &Quillet_main::Keep_Click);
    connect(menus.compare, &QAction::triggered, this, &Quillet_main::Compare_Click);
    connect(menus.target_price, &QAction::triggered, this, &Quillet_main::Target_Price_Click);
    connect(menus.fee_details, &QAction::triggered, this, &Quillet_main::Fee_Details_Click);
    connect(menus.about, &QAction::triggered, this, &Quillet_main::About_Click);
}

// What the focus checks ask of this window.
FocusChecks::Client Quillet_main::focus_client() {
    return {
        .control_of = [this](QWidget* w) { return control_of(c_.surface, w); },
        // The locale's conventions as they are when the check runs.
        .check =
            [this](QWidget* control) { return focus_check(c_, control, number_conventions()); },
        .checked_on_enter = [this](QWidget* control) { return checked_on_enter(c_, control); },
        .got_focus =
            [this](QWidget* control) {
                if (price_field_of(c_, control))
                    static_cast<QLineEdit*>(control)->selectAll();
                help_->focus_entered(control);
            },
        .reject =
            [this](QWidget* control, const Prompt& prompt) {
                warn(message(prompt));
                give_focus_to(control);
            },
        .enter = [this] { c_.cmd_calc->click(); },
        .clear = [this] { cmd_clear_Click(); },
    };
}

// ---- load, clear, About, Exit ------------------------------------

// Fills the drop-downs' lists, then shows the start state.
void Quillet_main::Form_Load() {
    for (const SelectorRow& row : selectors)
        (c_.*row.widget)->addItems(row.items());
    show_record(WindowState{}, c_);
}

void Quillet_main::cmd_clear_Click() {
    // A rejected text is still reported, but Clear goes on: it is the way out.
    checks_->settle();
    c_.lbl_help->clear();
    stale_->cleared(); // first, so that resetting the inputs marks nothing
    show_record(WindowState{}, c_);
    show_no_sale(c_.lbl_no_sale, NoSale::none);
    details_ = FeeDetails{};
    show_details();
    keep_->setEnabled(false);
    announcer_->announce(QStringLiteral("Cleared"));
}

// One modeless dialog without an owner, so that the main window stays usable
// beside it; it ends with the program (Exit_Click). A closed dialog deletes
// itself (later); a hidden one is on its way out, and the next "About" builds
// a new one.
void Quillet_main::About_Click() {
    if (!about_ || !about_->isVisible())
        about_ = new frmAbout(nullptr);
    bring_up(about_);
}

// Ends the program at once: no focus check, no further handler. Closing the
// window from its title bar does the same.
void Quillet_main::Exit_Click() {
    checks_->stop();
    if (about_)
        about_->close();
    QCoreApplication::exit(0);
}

void Quillet_main::closeEvent(QCloseEvent* event) {
    Exit_Click();
    QMainWindow::closeEvent(event);
}

// ---- Target Price ----------------------------------------------------

// One dialog for the run, so that it keeps its goal and target.
void Quillet_main::Target_Price_Click() {
    if (!target_price_) {
        TargetPriceDialog::Client client{
            .read_inputs = [this](WindowState& record) { return target_inputs(record); },
            .conventions = [] { return number_conventions(); },
            .field_words = [this](InputField field) { return input_control(c_, field).words; },
            .use_price = [this](const QString& price) { return calculate_at(price); },
            .warn = [this](QWidget* parent, const Message& message) { warn_(parent, message); },
        };
        target_price_ = new TargetPriceDialog(this, std::move(client));
        watch_inputs(c_, target_price_, [this] { target_price_->inputs_changed(); });
    }
    bring_up(target_price_);
}

std::optional<QString> Quillet_main::target_inputs(WindowState& record) {
    const NumberConventions conventions = number_conventions();
    for (const PriceFieldRow& row : price_fields)
        if (row.widget != &Controls::txt_end_price && focus_check(c_, c_.*row.widget, conventions))
            return spoken_name(c_, row);
    for (const SelectorRow& row : selectors)
        if (focus_check(c_, c_.*row.widget, conventions))
            return spoken_name(c_, row);
    read_controls(c_, record);
    return std::nullopt;
}

std::optional<QString> Quillet_main::calculate_at(const QString& price) {
    c_.txt_end_price->setText(price);
    return calculate();
}

// ---- Fee Details and Copy Figures ------------------------------------

// Built on first use, so that the window starts no slower and no larger; it
// then stays, hidden when closed, and follows every calculation.
void Quillet_main::Fee_Details_Click() {
    if (!details_window_) {
        details_window_ = new FeeDetailsWindow(this);
        details_window_->addAction(copy_figures_); // its shortcut works there too
        details_window_->set_out_of_date(stale_->marked());
        show_details();
    }
    bring_up(details_window_);
}

void Quillet_main::show_details() {
    if (!details_window_)
        return;
    const auto caption_of = [this](CheckState WindowState::*box) {
        for (const OptionRow& row : options)
            if (row.state == box)
                return spoken_name(c_, row);
        return QString();
    };
    details_window_->show_rows(detail_rows(details_, caption_of));
}

// Whoever shows the figures hears of the out-of-date marking; figures out of
// date are not worth keeping.
void Quillet_main::marking_changed(bool marked) {
    if (details_window_)
        details_window_->set_out_of_date(marked);
    if (marked && keep_)
        keep_->setEnabled(false);
}

// The figures of the active window: Fee Details' rows or the comparison
// while one of them is the one.
void Quillet_main::Copy_Figures_Click() {
    const QWidget* active = QApplication::activeWindow();
    if (compare_ && active == compare_) {
        compare_->copy(number_conventions());
        return;
    }
    if (details_window_ && active == details_window_) {
        details_window_->copy(number_conventions());
        return;
    }
    copy_figures(c_, stale_->marked(), stale_->paypal_left_out(), number_conventions());
    announcer_->announce(copied_words(stale_->marked()));
}

// ---- Keep and Compare ---------------------------------------------

// Built when first needed, so that the window starts no slower; it then
// stays, hidden when closed, with its columns.
void Quillet_main::build_compare() {
    if (compare_)
        return;
    compare_ = new CompareWindow(
        this, {.rows = compare_rows(c_),
               .restore = [this](const WindowState& record) { restore(record); }});
    compare_->addAction(copy_figures_); // its shortcut works there too
    // Keep leaves the focus with the inputs the seller goes on changing.
    compare_->setAttribute(Qt::WA_ShowWithoutActivating);
}

void Quillet_main::Keep_Click() {
    if (!keep_->isEnabled())
        return;
    build_compare();
    WindowState kept;
    read_controls(c_, kept);
    compare_->keep(kept, details_.shares);
    compare_->show();
    compare_->raise();
}

void Quillet_main::Compare_Click() {
    build_compare();
    bring_up(compare_);
}

// A kept listing's inputs, back in this window and calculated.
void Quillet_main::restore(const WindowState& record) {
    show_record(record, c_);
    activateWindow();
    cmd_calc_Click();
}

// ---- Calculate -----------------------------------------------------

void Quillet_main::cmd_calc_Click() {
    if (const std::optional<QString> outcome = calculate())
        announcer_->announce(*outcome);
}

std::optional<QString> Quillet_main::calculate() {
    if (!checks_->settle())
        return std::nullopt;
    read_controls(c_, record_);
    const NoticeSink notify = [this](Notice notice) {
        switch (notice) {
        case Notice::invalid_start_price_range:
            warn(message(prompts::invalid_start_range));
            break;
        }
    };
    const CalcOutcome outcome =
        quillet::calculate(record_, number_conventions(), notify, &details_);
    write_results(record_, c_);
    stale_->calculated();
    keep_->setEnabled(outcome.ok());
    stale_->set_paypal_left_out(details_.paypal_fee && details_.paypal_fee->counted == false);
    show_no_sale(c_.lbl_no_sale, no_sale_at_end_price(record_, details_));
    show_details();
    if (!outcome.ok()) {
        report_failure(outcome); // the box is an alert of its own
        return std::nullopt;
    }
    return outcome_text(c_);
}

void Quillet_main::report_failure(const CalcOutcome& outcome) {
    const InputControl input = input_control(c_, outcome.field);
    if (!input.control) {
        warn(message(prompts::figures_too_large));
        return;
    }
    const PriceFieldRow* price = price_field_of(c_, input.control);
    if (outcome.failure == Failure::conversion && price)
        warn(message(price->prompt));
    else
        warn(amount_too_large(input.words));
    give_focus_to(input.control);
}

// ---- interlocks ----------------------------------------------------

void Quillet_main::chk_gallery_Click() {
    c_.chk_gfeatured->setEnabled(c_.chk_gallery->checkState() != Qt::Checked);
}

void Quillet_main::chk_gfeatured_Click() {
    c_.chk_gallery->setEnabled(c_.chk_gfeatured->checkState() != Qt::Checked);
}

void Quillet_main::chk_pic_pack_Click() {
    if (c_.chk_pic_pack->checkState() == Qt::Checked) {
        c_.chk_pic_show->setEnabled(false);
        c_.chk_supersize->setEnabled(false);
        c_.chk_pic_show->setCheckState(Qt::Unchecked);
        c_.chk_supersize->setCheckState(Qt::Unchecked);
    }
    if (c_.chk_pic_pack->checkState() == Qt::Unchecked) {
        c_.chk_pic_show->setEnabled(true);
        c_.chk_supersize->setEnabled(true);
    }
}

// ---- colours --------------------------------------------------------------------

// The derived colours follow a new palette (the desktop's or the style's). The
// window hears of it before its children take the new palette on.
void Quillet_main::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange && c_.surface)
        apply_window_colours(c_, palette(), stale_ && stale_->marked());
    // Queued: the window gives its focus back only after the activation.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && checks_)
        QMetaObject::invokeMethod(
            this, [this] { leave_idle_menu_bar(*menuBar(), checks_->last_control()); },
            Qt::QueuedConnection);
    QMainWindow::changeEvent(event);
}

// ---- helpers -------------------------------------------------------------------

void Quillet_main::warn(const Message& message) {
    warn_(this, message);
}

// Focus given back by the program selects the whole text, as a field's own
// GotFocus does, also when the window is not active yet (the box just closed).
// It is then the only selection: a field that had just taken the focus, and
// selected its text, lost it to the box rather than to another control, and
// so kept that selection.
void Quillet_main::give_focus_to(QWidget* control) {
    for (QLineEdit* field : c_.surface->findChildren<QLineEdit*>()) {
        if (field != control && field->parentWidget() != control)
            field->deselect();
    }
    control->setFocus(Qt::OtherFocusReason);
    if (auto* field = qobject_cast<QLineEdit*>(control))
        field->selectAll();
    else if (auto* box = qobject_cast<QComboBox*>(control); box && box->lineEdit())
        box->lineEdit()->selectAll();
}

} // namespace quillet::ui
