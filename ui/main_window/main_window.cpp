#include "ui/main_window/main_window.h"

#include "ui/main_window/qt_text.h"

#include "engine/driver.h"
#include "engine/fee_schedule.h"
#include "engine/stages.h"
#include "engine/window_state.h"
#include "ui/about/about_dialog.h"
#include "ui/about/app_icon.h"
#include "ui/about/fonts.h"
#include "ui/main_window/accessibility.h"
#include "ui/main_window/field_checks.h"
#include "ui/main_window/menu_keys.h"
#include "ui/main_window/number_conventions.h"
#include "ui/main_window/quick_help.h"
#include "ui/main_window/state_binding.h"
#include "ui/main_window/window_colours.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
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

template <class Container> void append_items(QComboBox* box, const Container& bands) {
    for (const auto& band : bands)
        box->addItem(qstring(band.label));
}

// The program sets a drop-down by its text alone and chooses no list position,
// so the list opens with nothing marked.
void show_text(QComboBox* box, const QString& text) {
    box->setCurrentIndex(-1);
    box->setEditText(text);
}

// The window's default button: Enter that no control took presses "Calculate".
// A focused push button takes Enter itself.
class DefaultButton : public QObject {
public:
    DefaultButton(QPushButton* button, std::function<void()> press, QObject* parent)
        : QObject(parent)
        , button_(button)
        , press_(std::move(press)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && button_->isEnabled()) {
                press_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPushButton* button_;
    std::function<void()> press_;
};

} // namespace

Quillet_main::Quillet_main(QWidget* parent)
    : QMainWindow(parent)
    , record_(std::make_unique<WindowState>())
    , warn_(show_warning_box) {
    install_font_substitutes();
    setObjectName(QStringLiteral("Quillet_main"));
    setWindowTitle(QStringLiteral("Quillet"));
    setWindowIcon(quillet_window_icon());

    auto* surface = new QWidget(this);
    surface->setObjectName(QStringLiteral("Form"));
    setCentralWidget(surface);
    c_ = build_form(surface);
    describe_controls(c_);
    new QuickHelp(c_, this);
    surface->installEventFilter(new DefaultButton(
        c_.cmd_calc, [this] { default_button_pressed(); }, this));
    for (QAbstractButton* button : surface->findChildren<QAbstractButton*>())
        button->installEventFilter(this);
    // An auto-default button outside a dialog drops its default flag, and its
    // look, as soon as the focus leaves it; "Calculate" keeps both by not being
    // one, and still takes Enter while focused. A focused "Clear" takes Enter
    // itself and shows it.
    c_.cmd_calc->setAutoDefault(false);
    c_.cmd_clear->setAutoDefault(true);

    QMenu* file = menuBar()->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("file"));
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("Exit"));
    QMenu* help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("Help"));
    QAction* about = help->addAction(QStringLiteral("About"));
    about->setObjectName(QStringLiteral("About"));
    open_menus_with_f10(*this);

    connect(exit, &QAction::triggered, this, &Quillet_main::Exit_Click);
    connect(about, &QAction::triggered, this, &Quillet_main::About_Click);
    connect(c_.cmd_calc, &QPushButton::clicked, this, &Quillet_main::cmd_calc_Click);
    connect(c_.cmd_clear, &QPushButton::clicked, this, &Quillet_main::cmd_clear_Click);
    connect(c_.chk_gallery, &QCheckBox::stateChanged, this, &Quillet_main::chk_gallery_Click);
    connect(c_.chk_gfeatured, &QCheckBox::stateChanged, this, &Quillet_main::chk_gfeatured_Click);
    connect(c_.chk_pic_pack, &QCheckBox::stateChanged, this, &Quillet_main::chk_pic_pack_Click);
    focus_connection_ =
        connect(qApp, &QApplication::focusChanged, this, &Quillet_main::focus_changed);

    // The client area is fixed; the window adds its menu bar above it.
    const QSize client(pixels(client_width_twips), pixels(client_height_twips));
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());

    Form_Load();

    // The window opens with the focus, and the whole text, in the item cost.
    c_.txt_item_cost->setFocus(Qt::OtherFocusReason);
    c_.txt_item_cost->selectAll();
    last_focus_ = c_.txt_item_cost;
}

Quillet_main::~Quillet_main() {
    // Children losing the focus while the window is torn down must not reach
    // the checks of a half-destroyed window.
    disconnect(focus_connection_);
}

void Quillet_main::set_warning_presenter(WarningPresenter presenter) {
    warn_ = std::move(presenter);
}

// ---- load, clear, About, Exit ------------------------------------

void Quillet_main::Form_Load() {
    set_defaults();
}

void Quillet_main::set_defaults() {
    c_.txt_item_cost->setText(QStringLiteral("Free"));
    for (QLineEdit* field :
         {c_.txt_end_price, c_.txt_ship_cost, c_.txt_ship_charged, c_.txt_other_costs})
        field->setText(QStringLiteral("None"));
    c_.chk_paypal->setCheckState(Qt::Checked);

    // Filling a list leaves the box's text as it was (Qt would choose its first item).
    const struct {
        QComboBox* box;
        std::function<void(QComboBox*)> fill;
    } lists[] = {
        {c_.cmb_start_price, [](QComboBox* b) { append_items(b, insertion_fees); }},
        {c_.cmb_bin,
         [](QComboBox* b) {
             b->addItem(qstring(bin_none));
             append_items(b, bin_fees);
         }},
        {c_.combo_num_pics,
         [](QComboBox* b) {
             for (int n = 1; n <= 12; ++n)
                 b->addItem(QString::number(n));
         }},
    };
    for (const auto& list : lists) {
        const QString text = list.box->currentText();
        list.fill(list.box);
        show_text(list.box, text);
    }
}

void Quillet_main::cmd_clear_Click() {
    // A rejected text is still reported, but Clear goes on: it is the way out.
    run_pending_checks();
    c_.lbl_help->clear();
    c_.txt_item_cost->setText(QStringLiteral("Free"));
    show_text(c_.cmb_start_price, qstring(insertion_fees.front().label));
    show_text(c_.cmb_bin, qstring(bin_none));
    for (QLineEdit* field : {c_.txt_reserve, c_.txt_end_price, c_.txt_ship_charged,
                             c_.txt_ship_cost, c_.txt_other_costs})
        field->setText(QStringLiteral("None"));
    c_.Txt_ebay_fees->clear();
    show_text(c_.combo_num_pics, QStringLiteral("1"));
    // Unticking runs the interlocks, which enable the partners again.
    for (QCheckBox* box :
         {c_.chk_sub, c_.chk_pic_show, c_.chk_supersize, c_.chk_pic_pack, c_.chk_gallery,
          c_.chk_bold, c_.chk_10day, c_.chk_border, c_.chk_highlight, c_.chk_gift, c_.chk_doublecat,
          c_.chk_gfeatured, c_.chk_fplus, c_.chk_hfeatured})
        box->setCheckState(Qt::Unchecked);
    c_.chk_paypal->setCheckState(Qt::Checked);
    for (QLineEdit* result :
         {c_.txt_list_fee, c_.txt_paypal_fee, c_.txt_fvf, c_.txt_total_fee, c_.txt_total_recv,
          c_.txt_total_spent, c_.txt_profit, c_.txt_profit_margin})
        result->clear();
}

// One modeless dialog without an owner, so that it outlives the main window
// when that is closed first. A closed dialog deletes itself (later); a hidden
// one is on its way out, and the next "About" builds a new one.
void Quillet_main::About_Click() {
    if (!about_ || !about_->isVisible())
        about_ = new frmAbout(nullptr);
    about_->show();
    about_->raise();
    about_->activateWindow();
}

// Ends the program at once: no focus check, no further handler.
void Quillet_main::Exit_Click() {
    exiting_ = true;
    pending_checks_.clear();
    disconnect(focus_connection_);
    if (about_)
        about_->close();
    QCoreApplication::exit(0);
}

// ---- Calculate -----------------------------------------------------

void Quillet_main::cmd_calc_Click() {
    if (!run_pending_checks())
        return;
    read_controls(c_, *record_);
    const NoticeSink notify = [this](Notice notice) {
        switch (notice) {
        case Notice::invalid_start_price_range:
            warn(message(prompts::invalid_start_range));
            break;
        }
    };
    const CalcOutcome outcome = calculate(*record_, number_conventions(), notify);
    write_results(*record_, c_);
    if (!outcome.ok())
        report_failure(outcome);
}

// Enter leaves the focus where it is, so no focus check has judged the price
// field being typed in: its own check speaks first, and a rejected text is
// reported instead of calculated. The selectors keep no such guard: the
// listing fee reports a start label it does not know.
void Quillet_main::default_button_pressed() {
    if (!run_pending_checks())
        return;
    QWidget* focused = control_of(QApplication::focusWidget());
    if (focused && price_field(focused->objectName().toStdString()) && !check(focused))
        return;
    c_.cmd_calc->click();
}

void Quillet_main::report_failure(const CalcOutcome& outcome) {
    QWidget* field = ui::control_of(c_, outcome.field);
    if (!field) {
        warn(message(prompts::figures_too_large));
        return;
    }
    const PriceField* check = price_field(field->objectName().toStdString());
    if (outcome.failure == Failure::conversion && check) {
        warn(message(check->prompt));
    } else {
        QString caption = static_cast<QGroupBox*>(field->parentWidget())->title();
        while (caption.endsWith(u':') || caption.endsWith(u' '))
            caption.chop(1);
        warn(amount_too_large(caption));
    }
    give_focus_to(field);
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

// ---- focus checks ---------------------------------------

// A GotFocus and a LostFocus are a move from one control of this window to
// another. Focus going to a menu, a drop-down's list, a message box or another
// program is not one; coming back from there onto another control than the
// one that had the focus is, so the control left behind is still checked.
void Quillet_main::focus_changed(QWidget*, QWidget* now) {
    if (exiting_ || !now || now->window() != this)
        return;
    QWidget* entered = control_of(now);
    QWidget* left = last_focus_;
    if (!entered || entered == left)
        return;
    last_focus_ = entered;
    if (left)
        control_LostFocus(left);
    control_GotFocus(entered);
}

void Quillet_main::control_GotFocus(QWidget* control) {
    if (auto* field = qobject_cast<QLineEdit*>(control);
        field && price_field(field->objectName().toStdString()))
        field->selectAll();
}

// The check runs once the focus has settled, outside the focus change: a box
// shown in the middle of one would leave the toolkit half way through it.
void Quillet_main::control_LostFocus(QWidget* control) {
    if (!has_focus_check(control->objectName().toStdString()))
        return;
    pending_checks_.append(control);
    QMetaObject::invokeMethod(this, &Quillet_main::run_pending_checks, Qt::QueuedConnection);
}

// Runs the checks still waiting; false when one rejected its text.
bool Quillet_main::run_pending_checks() {
    while (!pending_checks_.isEmpty()) {
        const QPointer<QWidget> control = pending_checks_.takeFirst();
        if (control && !exiting_ && !check(control)) {
            pending_checks_.clear();
            return false;
        }
    }
    return true;
}

// One control's check; a rejection shows its box and gives the focus back.
// A button pressed with the mouse took the focus before its click: that press
// does nothing more, so a rejected text is never calculated and no box is
// ticked, except that Clear still clears, being the way out of the text.
bool Quillet_main::check(QWidget* control) {
    const QString text = qobject_cast<QComboBox*>(control)
                             ? static_cast<QComboBox*>(control)->currentText()
                             : static_cast<QLineEdit*>(control)->text();
    const auto prompt =
        focus_check(control->objectName().toStdString(), text, number_conventions());
    if (!prompt)
        return true;
    auto* pressed = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    const bool clear = pressed && pressed->isDown() && pressed == c_.cmd_clear;
    if (pressed)
        pressed->setDown(false);
    warn(message(*prompt));
    give_focus_to(control);
    if (clear)
        cmd_clear_Click();
    return false;
}

// A button acts on its release; the checks waiting from the press that gave
// it the focus run first, and a rejection swallows the release.
bool Quillet_main::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && !pending_checks_.isEmpty() &&
        !run_pending_checks())
        return true;
    return QMainWindow::eventFilter(watched, event);
}

// ---- colours --------------------------------------------------------------------

// The derived colours follow a new palette (the desktop's or the style's). The
// window hears of it before its children take the new palette on.
void Quillet_main::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange && c_.surface)
        apply_window_colours(c_, palette());
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

// The control a focused widget belongs to: a drop-down for its edit part.
QWidget* Quillet_main::control_of(QWidget* w) const {
    while (w && w->parentWidget() && w->parentWidget() != c_.surface &&
           !qobject_cast<QGroupBox*>(w->parentWidget()))
        w = w->parentWidget();
    return w && w->parentWidget() ? w : nullptr;
}

} // namespace quillet::ui
