#include "ui/target_price/target_price_dialog.h"

#include "engine/target_price.h"
#include "engine/text_readings.h"
#include "ui/common/contrast.h"
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

QGroupBox* frame(QWidget* parent, const char* name, const char* caption, TwipsRect r) {
    auto* box = new QGroupBox(QString::fromUtf8(caption), parent);
    box->setObjectName(QString::fromLatin1(name));
    place(*box, r);
    return box;
}

template <class Widget>
Widget* make(QWidget* parent, const char* name, const char* spoken, TwipsRect r) {
    auto* w = new Widget(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setAccessibleName(QString::fromUtf8(spoken));
    place(*w, r);
    return w;
}

QPushButton* button(QWidget* parent, const char* name, const char* text, TwipsRect r) {
    auto* b = make<QPushButton>(parent, name, "", r);
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
    setFont(ui::font("Verdana", 9.75));
    setFixedSize(Twips(*this).size(width_twips, height_twips));

    QGroupBox* fr_goal = frame(this, "fr_goal", "Goal:", {120, 120, 3615, 855});
    goal_ = make<QComboBox>(fr_goal, "cmb_goal", "Goal", {120, 360, 3375, 360});
    goal_->addItems(target_words::goal_items());

    QGroupBox* fr_target = frame(this, "fr_target", "Target:", {3840, 120, 3240, 855});
    target_ = make<QLineEdit>(fr_target, "txt_target", "Target", {120, 360, 3000, 375});

    QGroupBox* fr_lowest = frame(this, "fr_lowest", "Lowest Ending Price:", {120, 1080, 3615, 855});
    lowest_ =
        make<QLineEdit>(fr_lowest, "txt_lowest", "Lowest Ending Price", {120, 360, 3375, 375});
    lowest_->setReadOnly(true);

    QGroupBox* fr_outcome = frame(this, "fr_outcome", "Outcome:", {120, 2040, 6960, 1215});
    // Named by its text, so that Tab and flat review read the outcome itself.
    outcome_ = make<QLabel>(fr_outcome, "lbl_outcome", "", {120, 300, 6720, 855});
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
    connect(target_, &QLineEdit::textEdited, this, &TargetPriceDialog::schedule_answer);
    connect(find_, &QPushButton::clicked, this, [this] { answer(true); });
    connect(use_, &QPushButton::clicked, this, &TargetPriceDialog::use_this_price);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject); // Escape too: it hides
    // Answers follow every change, once the changes of a moment are in.
    refresh_.setSingleShot(true);
    refresh_.setInterval(0);
    connect(&refresh_, &QTimer::timeout, this, [this] { answer(false); });
    goal_changed();
    // Made after the first goal is shown, which is not news. Orca takes a
    // drop-down's new item only from a list it can select in, which Qt 6.4
    // does not offer, so each goal chosen is announced.
    announcer_ = new Announcer(this);
    goal_->setFocus(Qt::OtherFocusReason);
}

TargetPriceDialog::~TargetPriceDialog() {
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

void TargetPriceDialog::inputs_changed() {
    schedule_answer();
}

void TargetPriceDialog::schedule_answer() {
    if (isVisible())
        refresh_.start();
}

void TargetPriceDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    schedule_answer();
}

void TargetPriceDialog::goal_changed() {
    if (announcer_)
        announcer_->announce(goal_->currentText());
    const bool break_even = goal_at(goal_->currentIndex()) == TargetGoal::break_even;
    target_->setEnabled(!break_even);
    target_->setText(break_even ? QString() : target_words::amount({}, client_.conventions()));
    schedule_answer();
}

// The target as a number under the window's conventions, a margin below 100;
// nothing when Target holds something else. Break-even needs none.
std::optional<Currency> TargetPriceDialog::target(const NumberConventions& conventions) const {
    const TargetGoal goal = goal_at(goal_->currentIndex());
    if (goal == TargetGoal::break_even)
        return Currency{};
    const MoneyReading target = money_from_text(target_->text().toStdString(), conventions);
    if (target.ok() && (goal != TargetGoal::margin || target.value < "100"_usd))
        return target.value;
    return std::nullopt;
}

// The answer on the window's inputs as they stand. Find (`asked`) also shows
// a box for a refused target and takes the focus to the answer; an answer
// that follows a change moves nothing. While an input or the target is
// refused, the last answer stays, marked out of date, with the reason.
void TargetPriceDialog::answer(bool asked) {
    refresh_.stop();
    const NumberConventions conventions = client_.conventions();
    const TargetGoal goal = goal_at(goal_->currentIndex());
    const std::optional<Currency> wanted = target(conventions);
    if (!wanted) {
        const Message refused = target_words::target_refused(goal, conventions);
        mark_out_of_date(refused.text);
        if (asked) {
            client_.warn(this, refused);
            target_->setFocus(Qt::OtherFocusReason);
            target_->selectAll();
        }
        return;
    }
    WindowState record;
    if (const auto mend = client_.read_inputs(record)) {
        mark_out_of_date(target_words::mend_first(*mend));
        return;
    }
    const TargetRequest request{goal, *wanted};
    const TargetAnswer found = find_target_price(record, conventions, request);
    // In the user's form, so that Use This Price writes what they would have typed.
    const QString price = found.verdict == TargetVerdict::found
                              ? target_words::amount(found.price, conventions)
                              : QString();
    show_answer(price, target_words::outcome(found, request, conventions, client_.field_words),
                asked);
}

// The price goes into Ending Price and is calculated; the dialog stays, and
// says what the calculation came to, since the focus stays here.
void TargetPriceDialog::use_this_price() {
    const QString price = lowest_->text();
    if (price.isEmpty() || !use_->isEnabled())
        return;
    if (const std::optional<QString> outcome = client_.use_price(price))
        announcer_->announce(*outcome);
}

// The answer, with the outcome as its description so that a screen reader
// reads both when the focus comes to the price. The focus moves first: Orca
// takes a text change in the field about to get the focus for the focus
// itself, and then drops the focus event with its name and description.
void TargetPriceDialog::show_answer(const QString& price, const QString& outcome, bool focus) {
    if (focus)
        lowest_->setFocus(Qt::OtherFocusReason);
    show_out_of_date(false);
    lowest_->setText(price);
    lowest_->setAccessibleDescription(outcome);
    outcome_->setText(outcome);
    use_->setEnabled(!price.isEmpty());
    if (focus)
        lowest_->selectAll();
}

// The last answer no longer belongs to what is on screen: it is drawn as
// out-of-date figures are, cannot be used, and the outcome says why.
void TargetPriceDialog::mark_out_of_date(const QString& reason) {
    show_out_of_date(!lowest_->text().isEmpty());
    lowest_->setAccessibleDescription(reason);
    outcome_->setText(reason);
    use_->setEnabled(false);
}

void TargetPriceDialog::show_out_of_date(bool marked) {
    QFont font = lowest_->font();
    font.setItalic(marked);
    lowest_->setFont(font);
    QPalette fainter;
    if (marked)
        fainter.setColor(QPalette::Text, eased_text(palette().color(QPalette::Text),
                                                    palette().color(QPalette::Base), 5.0, 80));
    lowest_->setPalette(fainter);
}

} // namespace quillet::ui
