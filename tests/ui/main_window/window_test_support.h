#pragma once

// A main window for tests, shown and activated on the platform the test runs
// on (offscreen, or those of scripts/test-desktops), with the locale pinned
// to US English unless a test asks for the system's, its warning boxes
// recorded instead of shown, its controls found by their control names. A watchdog fails the test
// on any real dialog other than the About and Target Price dialogs, and closes it so nothing waits.

#include "ui/main_window/main_window.h"
#include "ui/main_window/prompts.h"

#include <QList>
#include <QLocale>
#include <QMessageBox>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cctype>
#include <concepts>
#include <functional>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>

namespace quillet::ui {
// A failing comparison shows the box's words.
inline void PrintTo(const Message& m, std::ostream* os) {
    *os << "[" << m.title.toStdString() << "] " << m.text.toStdString();
}
} // namespace quillet::ui

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

class QDialog;
class QLineEdit;

namespace quillet::test {

namespace { // the test files' own table rows live in their unnamed namespace
template <class Row>
concept named_row = requires(const Row& r) {
    { r.name } -> std::convertible_to<const char*>;
};

// Table rows print as their name in failures, not as bytes.
template <named_row Row> void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}
} // namespace

// A table row's test is named by the row's name, letters and digits kept.
struct RowName {
    template <named_row Row> std::string operator()(const testing::TestParamInfo<Row>& info) const {
        std::string out;
        for (const char* p = info.param.name; *p; ++p)
            out += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return out;
    }
};

using ui::Message;
using ui::Quillet_main;

// The application, created on first use, with the locale pinned.
void ensure_application();

// Leaves the locale to the process environment (LANG, LC_ALL, LC_NUMERIC), as
// a user has it, instead; called before the application is created.
void keep_system_locale();

// The locale a test works under, until the end of its scope.
class ScopedLocale {
public:
    explicit ScopedLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~ScopedLocale() { QLocale::setDefault(before_); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    QLocale before_; // the default as it was
};

// The About dialogs on screen.
QList<QDialog*> about_dialogs();

// Runs the application's own event loop until the program ends, as main()
// does, and returns its exit code; fails after a few seconds instead of hanging.
int run_until_the_program_ends();

// Every control Tab reaches, in order: the one statement of the Tab order.
extern const QStringList keyboard_order;

// The nine result fields, in the order of the product's result table.
QList<QLineEdit*> result_fields(const Quillet_main& window);

// The test's own reading of the window's controls into `record`, along the
// product's tables, so that a fault in the window's binding shows up as a
// wrong figure; the form-level values stay the record's own.
void read_controls_into(WindowState& record, const Quillet_main& window);

// Answers the next real modal message box: `inspect` sees it, then it is
// closed with OK. Boxes left over are closed after a few seconds, so a test
// never hangs.
class RealBoxAnswerer {
public:
    explicit RealBoxAnswerer(std::function<void(QMessageBox*)> inspect);
    bool answered() const { return answered_; }

private:
    std::function<void(QMessageBox*)> inspect_;
    QTimer poll_;
    QTimer guard_;
    bool answered_ = false;
};

// The box of a price field's check.
Message price_box(const char* prompt);
// An "Error" box.
Message error_box(const char* prompt);

class WindowHarness {
public:
    WindowHarness();
    ~WindowHarness();

    Quillet_main& window() { return *window_; }
    const Quillet_main& window() const { return *window_; }

    // The control of that name; a name the window lacks fails the test that
    // asks, not the whole program.
    template <class T = QWidget> T* control(const char* name) const {
        if (T* found = window_->findChild<T*>(QString::fromLatin1(name)))
            return found;
        throw std::invalid_argument(std::string("no control named ") + name);
    }
    QString text(const char* name) const; // a text field's, drop-down's or label's text
    bool ticked(const char* name) const;
    bool enabled(const char* name) const;

    // Lets queued work (the focus checks) run.
    static void settle();

    // The user's actions.
    void focus(const char* name);                           // the focus moves onto it
    void type(const char* name, const QString& text);       // focus it, replace its text
    void tab();                                             // Tab from the focused control
    void back_tab();                                        // Shift+Tab
    void click(const char* name);                           // mouse click, focus included
    void click_slowly(const char* name);                    // press, let queued work run, release
    void press_enter();                                     // Enter on the focused control
    void trigger(const char* action);                       // a menu entry, by its name
    QDialog* open_about();                                  // Help > About; the dialog shown
    void hover(const char* name, QPoint at = QPoint(2, 2)); // pointer over a control
    void hover_surface(QPoint at);                          // pointer over the client area

    // The focus in the active window, a dialog's too; where no window is
    // active, the main window's own (on X and offscreen the harness activates
    // it; Weston's headless compositor, having no keyboard, activates none).
    QString focused() const;       // the control that has the focus, or ""
    QString selected_text() const; // the focused text's selection

    // Boxes shown so far, oldest first; taking them empties the record.
    QList<Message> take_boxes();

    // The README's worked example typed into the window, with that ending
    // price: an item bought for 4.00, started in "$1 - $9.99", 5.00 shipping
    // charged, 3.00 shipping paid, 1.00 other costs.
    void type_the_worked_example(const QString& end_price = QStringLiteral("10.00"));

private:
    QWidget* focus_widget() const;

    std::unique_ptr<Quillet_main> window_;
    std::shared_ptr<QList<Message>> boxes_ = std::make_shared<QList<Message>>();
    QTimer watchdog_;
};

} // namespace quillet::test
