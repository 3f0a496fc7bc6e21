#include "ui/target_price/target_price_dialog.h"

#include "engine/target_price.h"
#include "engine/text_readings.h"
#include "ui/common/fonts.h"
#include "ui/common/twips.h"
#include "ui/main_window/announcement.h"
#include "ui/target_price/outcome_text.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace quillet::ui {

namespace {

// The dialog's client area, in twips, laid out as the main window's frames
// are: a captioned frame around each control, 120 twips in from its edges.
constexpr int width_twips = 7200;
constexpr int height_twips = 3960;

struct Rect {
    int left, top, width, height;
};

// A place in twips as pixels at the widget's DPI.
QRect pixel_rect(const QWidget& w, Rect r) {
    return Twips(w).rect(r.left, r.top, r.width, r.height);
}

QGroupBox* frame(QWidget* parent, const char* name, const char* caption, Rect r) {
    auto* box = new QGroupBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(pixel_rect(*box, r));
    return box;
}

template <class Widget>
Widget* place(QWidget* parent, const char* name, const char* spoken, Rect r) {
    auto* w = new Widget(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setAccessibleName(QString::fromUtf8(spoken));
    w->setGeometry(pixel_rect(*w, r));
    return w;
}

QPushButton* button(QWidget* parent, const char* name, const char* text, Rect r) {
    auto* b = place<QPushButton>(parent, name, "", r);
    b->setText(QString::fromUtf8(text));
    b->setAccessibleName(b->text().remove(QLatin1Char('&')));
    return b;
}

TargetGoal goal_at(int index) {
    return static_cast<TargetGoal>(index);
}

} // namespace

TargetPriceDialog::TargetPriceDialog(QWidget* parent, Client client)
    : QDialog(parent)
    , client_(std::move(client)) {
    setObjectName(QStringLiteral("TargetPrice"));
    setWindowTitle(QStringLiteral("Target Price"));
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(ui::font("Verdana", 9.75));
    setFixedSize(Twips(*this).size(width_twips, height_twips));

    QGroupBox* fr_goal = frame(this, "fr_goal", "Goal:", {120, 120, 3615, 855});
    goal_ = place<QComboBox>(fr_goal, "cmb_goal", "Goal", {120, 360, 3375, 360});
    goal_->addItems(target_words::goal_items());

    QGroupBox* fr_target = frame(this, "fr_target", "Target:", {3840, 120, 3240, 855});
    target_ = place<QLineEdit>(fr_target, "txt_target", "Target", {120, 360, 3000, 375});

    QGroupBox* fr_lowest = frame(this, "fr_lowest", "Lowest Ending Price:", {120, 1080, 3615, 855});
    lowest_ =
        place<QLineEdit>(fr_lowest, "txt_lowest", "Lowest Ending Price", {120, 360, 3375, 375});
    lowest_->setReadOnly(true);

    QGroupBox* fr_outcome = frame(this, "fr_outcome", "Outcome:", {120, 2040, 6960, 1215});
    // Named by its text, so that Tab and flat review read the outcome itself.
    outcome_ = place<QLabel>(fr_outcome, "lbl_outcome", "", {120, 300, 6720, 855});
    outcome_->setWordWrap(true);
    outcome_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    outcome_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    find_ = button(this, "cmd_find", "&Find", {3840, 1320, 3240, 495});
    use_ = button(this, "cmd_use", "&Use This Price", {120, 3360, 3360, 495});
    close_ = button(this, "cmd_close", "Close", {3720, 3360, 3360, 495});
    find_->setDefault(true);
    use_->setEnabled(false);

    // Reading order: the goal, its target, Find, the answer, then the rest.
    for (QWidget* w : {static_cast<QWidget*>(goal_), static_cast<QWidget*>(target_),
                       static_cast<QWidget*>(find_), static_cast<QWidget*>(lowest_),
                       static_cast<QWidget*>(outcome_), static_cast<QWidget*>(use_),
                       static_cast<QWidget*>(close_)})
        w->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(goal_, target_);
    setTabOrder(target_, find_);
    setTabOrder(find_, lowest_);
    setTabOrder(lowest_, outcome_);
    setTabOrder(outcome_, use_);
    setTabOrder(use_, close_);

    for (QWidget* w : {static_cast<QWidget*>(goal_), static_cast<QWidget*>(target_),
                       static_cast<QWidget*>(lowest_), static_cast<QWidget*>(outcome_)})
        w->installEventFilter(this);
    connect(goal_, &QComboBox::currentIndexChanged, this, &TargetPriceDialog::goal_changed);
    connect(target_, &QLineEdit::textEdited, this, [this] { show_answer({}, {}); });
    connect(find_, &QPushButton::clicked, this, &TargetPriceDialog::find);
    connect(use_, &QPushButton::clicked, this, &TargetPriceDialog::use_this_price);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject); // Escape too
    // The target is checked once the focus has left it for another control of
    // the dialog, as a price field is; Close is the way out. Find runs a check
    // still waiting at once, so it is shown only once.
    focus_connection_ =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
            if (old != target_ || !now || now->window() != this || now == close_)
                return;
            check_waiting_ = true;
            QTimer::singleShot(0, this, [this] {
                if (check_waiting_)
                    target_passes();
            });
        });
    goal_changed();
    // Made after the first goal is shown, which is not news. Orca takes a
    // drop-down's new item only from a list it can select in, which Qt 6.4
    // does not offer, so each goal chosen is announced.
    announcer_ = new Announcer(this);
    goal_->setFocus(Qt::OtherFocusReason);
}

TargetPriceDialog::~TargetPriceDialog() {
    disconnect(focus_connection_);
    for (QObject* w : {static_cast<QObject*>(goal_), static_cast<QObject*>(target_),
                       static_cast<QObject*>(lowest_), static_cast<QObject*>(outcome_)})
        w->removeEventFilter(this);
}

// Enter finds from every control but a button, which takes it itself. Some
// desktops' styles would open the goal list with it (Space and Alt+Down still
// do), or pass it on from a field to nothing.
bool TargetPriceDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && !goal_->view()->isVisible()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            find_->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TargetPriceDialog::goal_changed() {
    if (announcer_)
        announcer_->announce(goal_->currentText());
    const bool break_even = goal_at(goal_->currentIndex()) == TargetGoal::break_even;
    target_->setEnabled(!break_even);
    target_->setText(break_even ? QString() : target_words::amount({}, client_.conventions()));
    show_answer({}, {});
}

// A number under the window's conventions; a margin below 100.
bool TargetPriceDialog::target_passes() {
    check_waiting_ = false;
    const TargetGoal goal = goal_at(goal_->currentIndex());
    if (goal == TargetGoal::break_even || !isVisible())
        return true;
    const NumberConventions conventions = client_.conventions();
    const MoneyReading target = money_from_text(target_->text().toStdString(), conventions);
    if (target.ok() && (goal != TargetGoal::margin || target.value < "100"_usd))
        return true;
    client_.warn(this, target_words::target_refused(goal, conventions));
    target_->setFocus(Qt::OtherFocusReason);
    target_->selectAll();
    return false;
}

void TargetPriceDialog::find() {
    if (!target_passes())
        return;
    WindowState record;
    if (const auto mend = client_.read_inputs(record)) {
        show_answer({}, target_words::mend_first(*mend));
        return;
    }
    const NumberConventions conventions = client_.conventions();
    TargetRequest request{goal_at(goal_->currentIndex()), {}};
    if (request.goal != TargetGoal::break_even)
        request.target = money_from_text(target_->text().toStdString(), conventions).value;
    const TargetAnswer answer = find_target_price(record, conventions, request);
    // In the user's form, so that Use This Price writes what they would have typed.
    const QString price = answer.verdict == TargetVerdict::found
                              ? target_words::amount(answer.price, conventions)
                              : QString();
    show_answer(price, target_words::outcome(answer, request, conventions, client_.field_words));
}

void TargetPriceDialog::use_this_price() {
    const QString price = lowest_->text();
    if (price.isEmpty())
        return;
    accept();
    client_.use_price(price);
}

// The answer, with the outcome as its description so that a screen reader
// reads both when the focus comes to the price. The focus moves first: Orca
// takes a text change in the field about to get the focus for the focus
// itself, and then drops the focus event with its name and description.
void TargetPriceDialog::show_answer(const QString& price, const QString& outcome) {
    if (!outcome.isEmpty())
        lowest_->setFocus(Qt::OtherFocusReason);
    lowest_->setText(price);
    lowest_->setAccessibleDescription(outcome);
    outcome_->setText(outcome);
    use_->setEnabled(!price.isEmpty());
    if (!outcome.isEmpty())
        lowest_->selectAll();
}

} // namespace quillet::ui
