#include "window_test_support.h"

#include "ui/main_window/control_table.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace quillet::test {

namespace {

QApplication* application = nullptr;
bool system_locale = false;

// The application goes before main() returns: torn down among the static
// objects it would outlive Qt's own.
class ApplicationEnvironment : public testing::Environment {
public:
    void TearDown() override {
        delete application;
        application = nullptr;
    }
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

} // namespace

void ensure_application() {
    static int argc = 1;
    static char name[] = "quillet_main_window_test";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) {
        application = new QApplication(argc, argv);
        if (!system_locale)
            QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
}

void keep_system_locale() {
    system_locale = true;
}

QList<QDialog*> about_dialogs() {
    QList<QDialog*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("quillet::ui::frmAbout") && w->isVisible())
            out << static_cast<QDialog*>(w);
    return out;
}

int run_until_the_program_ends() {
    QTimer::singleShot(5000, [] {
        ADD_FAILURE() << "the program did not end";
        QCoreApplication::exit(99);
    });
    return QApplication::exec();
}

const QStringList keyboard_order{
    "txt_item_cost",    "cmb_start_price", "cmb_bin",         "txt_reserve",    "txt_end_price",
    "txt_ship_charged", "txt_ship_cost",   "txt_other_costs", "combo_num_pics", "chk_pic_show",
    "chk_supersize",    "chk_pic_pack",    "chk_gallery",     "chk_bold",       "chk_10day",
    "chk_border",       "chk_sub",         "chk_highlight",   "chk_gift",       "chk_doublecat",
    "chk_gfeatured",    "chk_fplus",       "chk_hfeatured",   "chk_paypal",     "cmd_calc",
    "cmd_clear",
};

QList<QLineEdit*> result_fields(const Quillet_main& window) {
    QList<QLineEdit*> fields;
    for (const ui::ResultRow& row : ui::results)
        fields << window.controls().*row.widget;
    return fields;
}

void read_controls_into(WindowState& record, const Quillet_main& window) {
    const ui::Controls& c = window.controls();
    for (const ui::PriceFieldRow& row : ui::price_fields)
        record.*row.field.text = (c.*row.widget)->text().toStdString();
    for (const ui::SelectorRow& row : ui::selectors)
        record.*row.text = (c.*row.widget)->currentText().toStdString();
    for (const ui::OptionRow& row : ui::options) {
        const Qt::CheckState state = (c.*row.widget)->checkState();
        record.*row.state = state == Qt::Checked            ? CheckState::ticked
                            : state == Qt::PartiallyChecked ? CheckState::greyed
                                                            : CheckState::unticked;
    }
    for (const ui::ResultRow& row : ui::results)
        record.*row.text = (c.*row.widget)->text().toStdString();
}

RealBoxAnswerer::RealBoxAnswerer(std::function<void(QMessageBox*)> inspect)
    : inspect_(std::move(inspect)) {
    poll_.setInterval(20);
    QObject::connect(&poll_, &QTimer::timeout, &poll_, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll_.stop();
        answered_ = true;
        inspect_(box);
        if (box->isVisible())
            box->done(QMessageBox::Ok);
    });
    poll_.start();
    guard_.setSingleShot(true);
    QObject::connect(&guard_, &QTimer::timeout, &guard_, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    guard_.start(8000);
}

Message price_box(const char* prompt) {
    return {QString::fromUtf8(prompt), QStringLiteral("Incorrect Price Entered")};
}

Message error_box(const char* prompt) {
    return {QString::fromUtf8(prompt), QStringLiteral("Error")};
}

WindowHarness::WindowHarness() {
    ensure_application();
    window_ = std::make_unique<Quillet_main>();
    window_->set_warning_presenter(
        [boxes = boxes_](QWidget*, const Message& message) { boxes->append(message); });
    watchdog_.setInterval(50);
    QObject::connect(&watchdog_, &QTimer::timeout, &watchdog_, [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && qobject_cast<QDialog*>(w) &&
                !w->inherits("quillet::ui::frmAbout") &&
                !w->inherits("quillet::ui::TargetPriceDialog")) {
                ADD_FAILURE() << "unexpected dialog " << w->metaObject()->className() << " \""
                              << w->windowTitle().toStdString() << "\"";
                w->close();
            }
        }
    });
    watchdog_.start();
    window_->show();
    window_->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
}

WindowHarness::~WindowHarness() {
    watchdog_.stop();
    window_.reset();
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString WindowHarness::text(const char* name) const {
    QWidget* w = control(name);
    if (auto* box = qobject_cast<QComboBox*>(w))
        return box->currentText();
    if (auto* field = qobject_cast<QLineEdit*>(w))
        return field->text();
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    ADD_FAILURE() << "no text control " << name;
    return {};
}

bool WindowHarness::ticked(const char* name) const {
    return control<QCheckBox>(name)->checkState() == Qt::Checked;
}

bool WindowHarness::enabled(const char* name) const {
    return control(name)->isEnabled();
}

void WindowHarness::settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

void WindowHarness::focus(const char* name) {
    control(name)->setFocus(Qt::TabFocusReason);
    settle();
}

// The focus widget of the active window, or of the main window where no window
// is active (a compositor without a seat activates none).
QWidget* WindowHarness::focus_widget() const {
    QWidget* w = QApplication::focusWidget();
    return w ? w : window_->focusWidget();
}

void WindowHarness::type(const char* name, const QString& text) {
    focus(name);
    QWidget* target = control(name)->window()->focusWidget();
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_Delete);
    // QTest maps only ASCII to keys; a no-break space or an Arabic digit
    // comes as the text of a key the keyboard has no name for.
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(target, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void WindowHarness::type_the_worked_example(const QString& end_price) {
    type("cmb_start_price", QStringLiteral("$1 - $9.99"));
    type("txt_end_price", end_price);
    type("txt_ship_charged", QStringLiteral("5.00"));
    type("txt_item_cost", QStringLiteral("4.00"));
    type("txt_ship_cost", QStringLiteral("3.00"));
    type("txt_other_costs", QStringLiteral("1.00"));
}

void WindowHarness::tab() {
    QTest::keyClick(focus_widget(), Qt::Key_Tab);
    settle();
}

void WindowHarness::back_tab() {
    QTest::keyClick(focus_widget(), Qt::Key_Backtab, Qt::ShiftModifier);
    settle();
}

void WindowHarness::click(const char* name) {
    QTest::mouseClick(control(name), Qt::LeftButton);
    settle();
}

void WindowHarness::click_slowly(const char* name) {
    QWidget* target = control(name);
    QTest::mousePress(target, Qt::LeftButton);
    settle();
    QTest::mouseRelease(target, Qt::LeftButton);
    settle();
}

void WindowHarness::press_enter() {
    QTest::keyClick(focus_widget(), Qt::Key_Return);
    settle();
}

void WindowHarness::trigger(const char* action) {
    control<QAction>(action)->trigger();
    settle();
}

QDialog* WindowHarness::open_about() {
    trigger("About");
    return about_dialogs().value(0);
}

// Through the window, as the platform delivers a move: QTest's widget move
// sets the real cursor, which an X server reports only later.
void WindowHarness::hover(const char* name, QPoint at) {
    QWindow* window = window_->windowHandle();
    QTest::mouseMove(window, window->mapFromGlobal(control(name)->mapToGlobal(at)));
    settle();
}

void WindowHarness::hover_surface(QPoint at) {
    QWindow* window = window_->windowHandle();
    QTest::mouseMove(window, window->mapFromGlobal(window_->controls().surface->mapToGlobal(at)));
    settle();
}

QString WindowHarness::focused() const {
    for (QWidget* w = focus_widget(); w; w = w->parentWidget()) {
        QWidget* parent = w->parentWidget();
        if (parent && (parent == window_->controls().surface || qobject_cast<QGroupBox*>(parent)))
            return w->objectName();
    }
    return {};
}

QString WindowHarness::selected_text() const {
    QWidget* w = focus_widget();
    if (auto* field = qobject_cast<QLineEdit*>(w))
        return field->selectedText();
    if (auto* box = qobject_cast<QComboBox*>(w); box && box->lineEdit())
        return box->lineEdit()->selectedText();
    return {};
}

QList<Message> WindowHarness::take_boxes() {
    QList<Message> taken = *boxes_;
    boxes_->clear();
    return taken;
}

} // namespace quillet::test
