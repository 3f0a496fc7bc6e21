// A seeded soak of the main window: thousands of random user actions on the
// offscreen window, the window's invariants checked after every one of them.
// A failure prints the seed and the actions that led to it; the same seed and
// count replay the same run:
//
//   QUILLET_SOAK_SEED=<seed> QUILLET_SOAK_ACTIONS=<count> gui_soak_test
//
// How a "Calculate" is judged. The test listens to the button itself: its
// `pressed` takes a copy of the controls (into a record kept across runs, as
// the window keeps its own), its `clicked` - delivered after the window's own
// handler - runs the engine on that copy and compares the nine result texts.
// A rejected focus check cancels the press before it clicks: the mouse release
// is swallowed, or Enter never presses the button. So a press without a click
// must have shown a box and left the results alone. The window's handler
// checks once more for checks still waiting; a click it cancelled that way
// shows exactly one focus-check box and leaves the results as they were, and
// is counted as cancelled, not as a wrong figure.

#include "tests/ui/main_window/window_test_support.h"

#include "engine/driver.h"
#include "engine/window_state.h"
#include "fuzz/result_forms.h"
#include "ui/main_window/control_table.h"
#include "ui/main_window/field_checks.h"
#include "ui/main_window/number_conventions.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace quillet::test {
namespace {

constexpr std::uint64_t default_seed = 20261207;
constexpr long default_actions = 4000; // per locale
constexpr std::size_t log_shown = 250;

long env_number(const char* name, long fallback) {
    const char* text = std::getenv(name);
    if (!text || !*text)
        return fallback;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return *end == '\0' && value >= 0 ? value : fallback;
}

// splitmix64: small, and the same sequence on every standard library.
class Random {
public:
    explicit Random(std::uint64_t seed)
        : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template <class T, std::size_t N> const T& pick(const std::array<T, N>& items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(N)))];
    }
    const char* pick(const std::vector<std::string>& items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))].c_str();
    }

private:
    std::uint64_t state_;
};

// ---- the window's controls -----------------------------------------------------

// ---- the hostile alphabet --------------------------------------------------------

// Pieces of text, each typed whole; one typing joins a few of them.
const std::array<const char*, 82> pieces{"0",
                                         "1",
                                         "7",
                                         "42",
                                         "0.5",
                                         "12.50",
                                         "100",
                                         "0.01",
                                         "-3",
                                         "+5",
                                         "-0",
                                         "-0.00",
                                         "+-1",
                                         "--2",
                                         "1,000.50",
                                         "1.000,5",
                                         "1,2,3",
                                         "1.2.3",
                                         ".",
                                         ",",
                                         "..",
                                         ",5",
                                         ".5",
                                         "5.",
                                         "$",
                                         "$5",
                                         "$-5",
                                         "-$5",
                                         "€",
                                         "€12",
                                         "12€",
                                         "1e3",
                                         "2.5E2",
                                         "1E-3",
                                         "e",
                                         "E",
                                         "d",
                                         "D",
                                         "1D2",
                                         "1d-2",
                                         "&H1F",
                                         "&HFF",
                                         "&O17",
                                         "&h",
                                         "&o8",
                                         "1e99999",
                                         "-1e99999",
                                         "9e307",
                                         "1e400",
                                         "1e-400",
                                         "1e20",
                                         " ",
                                         "  ",
                                         "\t",
                                         "None",
                                         "none",
                                         "NONE",
                                         "Free",
                                         "free",
                                         "FREE",
                                         "ß",
                                         "é",
                                         "Ж",
                                         "中",
                                         "١٢٣",
                                         "５",
                                         "½",
                                         "−5",
                                         "0x10",
                                         "∞",
                                         "NaN",
                                         "inf",
                                         "99999999999999999999",
                                         "0.0000001",
                                         "(5)",
                                         "1 2",
                                         "$0.01 - $0.99",
                                         "$25 - $49.99"};

// An amount a seller might type, the locale's way: whole, with cents, or with
// more decimals.
QString plausible_amount(Random& r) {
    QString out = QString::number(r.next() % (r.chance(20) ? 100000000 : 1000));
    if (r.chance(60))
        out += QLocale().decimalPoint() + QString::number(r.below(100)).rightJustified(2, u'0');
    if (r.chance(10))
        out += QString::number(r.below(10));
    return r.chance(10) ? QLatin1Char('-') + out : out;
}

QString hostile_text(Random& r) {
    // Texts the checks pass keep the window moving; the rest keep it busy
    // refusing them.
    if (r.chance(40))
        return plausible_amount(r);
    QString out;
    const int count = 1 + r.below(4);
    for (int i = 0; i < count; ++i) {
        if (r.chance(4)) { // a long run of digits, perhaps with a point
            const int length = 100 + r.below(300);
            for (int k = 0; k < length; ++k)
                out += QChar(u'0' + r.below(10));
            if (r.chance(50))
                out.insert(r.below(length), QLatin1Char('.'));
        } else {
            out += QString::fromUtf8(r.pick(pieces));
        }
    }
    return out;
}

// ---- the log -------------------------------------------------------------------

// A text for the log: tabs shown, long runs cut.
std::string quoted(const QString& s) {
    QString shown = s.size() > 48 ? s.left(40) + QStringLiteral("...(%1 chars)").arg(s.size()) : s;
    shown.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    return '"' + shown.toStdString() + '"';
}

std::string quoted(const std::string& s) {
    return quoted(QString::fromStdString(s));
}

// ---- the soak ------------------------------------------------------------------------

class Soak {
public:
    explicit Soak(std::uint64_t seed)
        : random_(seed) {
        QPushButton* calc = h_.control<QPushButton>("cmd_calc");
        QObject::connect(calc, &QPushButton::pressed, calc, [this] { calculate_pressed(); });
        QObject::connect(calc, &QPushButton::clicked, calc, [this] { calculate_clicked(); });
        for (QWidget* w : h_.window().controls().surface->findChildren<QWidget*>())
            if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
                pointer_targets_.push_back(w->objectName().toStdString());

        const ui::Controls& c = h_.window().controls();
        const auto name = [](const QWidget* w) { return w->objectName().toStdString(); };
        for (const ui::PriceFieldRow& row : ui::price_fields)
            price_fields_.push_back(name(c.*row.widget));
        for (const ui::SelectorRow& row : ui::selectors)
            selectors_.push_back(name(c.*row.widget));
        for (const ui::OptionRow& row : ui::options)
            check_boxes_.push_back(name(c.*row.widget));
        for (const QString& control : keyboard_order)
            focusable_.push_back(control.toStdString());
        for (const auto* names : {&price_fields_, &selectors_})
            for (const std::string& control : *names)
                start_texts_.emplace_back(control, h_.text(control.c_str()));
        for (const std::string& control : check_boxes_)
            start_ticks_.emplace_back(control, h_.ticked(control.c_str()));
        for (const std::string& control : selectors_)
            start_items_.emplace_back(control, h_.control<QComboBox>(control.c_str())->count());
    }

    // Runs `count` actions; false, with `report` filled, at the first broken invariant.
    bool run(long count, std::string& report);

private:
    struct Action {
        const char* name;
        int weight;
        void (Soak::*perform)();
    };
    static const std::array<Action, 12> actions;

    // The actions; each logs what it did.
    void move_focus();
    void click_into();
    void tab();
    void back_tab();
    void type();
    void pick_from_list();
    void tick();
    void press_enter();
    void calculate();
    void clear();
    void about();
    void move_mouse();

    void key(QWidget* target, QChar c);
    void check_invariants();
    void violation(const std::string& what) { violations_.push_back(what); }

    // "Calculate" as the button sees it.
    void calculate_pressed();
    void calculate_clicked();
    std::array<QString, 9> results() const;
    WindowState read_inputs() const;
    bool rejected_by_a_focus_check(const Message& box) const;
    void collect_boxes() { boxes_ += h_.take_boxes(); }

    WindowHarness h_;
    Random random_;
    std::vector<std::string> pointer_targets_;
    // The controls by kind, along the product's tables, and what Load shows.
    std::vector<std::string> price_fields_, selectors_, check_boxes_, focusable_;
    std::vector<std::pair<std::string, QString>> start_texts_;
    std::vector<std::pair<std::string, bool>> start_ticks_;
    std::vector<std::pair<std::string, int>> start_items_;
    std::deque<std::string> log_;
    std::string current_;
    std::vector<std::string> violations_;
    QList<Message> boxes_; // shown during the current action

    WindowState record_; // the test's copy of the window's record across runs
    struct Press {
        WindowState record;
        std::array<QString, 9> before;
        qsizetype boxes = 0;
    };
    std::optional<Press> press_;
    bool cleared_ = false;
    long runs_ = 0;
    long cancelled_ = 0;
    long refused_ = 0;
    long full_runs_ = 0;
    long failed_runs_ = 0;
    long boxes_shown_ = 0;
};

const std::array<Soak::Action, 12> Soak::actions{{
    {"focus", 12, &Soak::move_focus},
    {"click into", 6, &Soak::click_into},
    {"tab", 8, &Soak::tab},
    {"back tab", 4, &Soak::back_tab},
    {"type", 26, &Soak::type},
    {"pick", 5, &Soak::pick_from_list},
    {"tick", 12, &Soak::tick},
    {"enter", 8, &Soak::press_enter},
    {"calculate", 10, &Soak::calculate},
    {"clear", 3, &Soak::clear},
    {"about", 2, &Soak::about},
    {"mouse", 8, &Soak::move_mouse},
}};

bool Soak::run(long count, std::string& report) {
    int total_weight = 0;
    for (const Action& a : actions)
        total_weight += a.weight;
    for (long n = 1; n <= count; ++n) {
        int roll = random_.below(total_weight);
        const Action* chosen = &actions.front();
        for (const Action& a : actions) {
            if (roll < a.weight) {
                chosen = &a;
                break;
            }
            roll -= a.weight;
        }
        current_ = "#" + std::to_string(n) + " " + chosen->name;
        cleared_ = false;
        (this->*chosen->perform)();
        WindowHarness::settle();
        collect_boxes();
        check_invariants();
        for (const Message& box : boxes_)
            current_ += "\n      box: " + box.text.toStdString();
        boxes_shown_ += boxes_.size();
        boxes_.clear();
        log_.push_back(current_);
        if (log_.size() > log_shown)
            log_.pop_front();
        if (!violations_.empty() || testing::Test::HasFailure()) {
            std::ostringstream out;
            out << "broken after action " << n << ":\n";
            for (const std::string& v : violations_)
                out << "  " << v << "\n";
            out << "last " << log_.size() << " actions:\n";
            for (const std::string& line : log_)
                out << "  " << line << "\n";
            report = out.str();
            return false;
        }
    }
    std::ostringstream out;
    out << count << " actions, " << runs_ << " calculations compared (" << full_runs_
        << " through the sale stages, " << failed_runs_ << " failed), " << refused_
        << " presses refused, " << cancelled_ << " clicks cancelled by a focus check, "
        << boxes_shown_ << " boxes";
    report = out.str();
    return true;
}

// ---- actions ----------------------------------------------------------------------

void Soak::move_focus() {
    const char* name = random_.pick(focusable_);
    current_ += std::string(" ") + name;
    h_.focus(name);
}

void Soak::click_into() {
    const bool field = random_.chance(70);
    const char* name = field ? random_.pick(price_fields_) : random_.pick(selectors_);
    current_ += std::string(" ") + name;
    QWidget* target = h_.control(name);
    if (auto* box = qobject_cast<QComboBox*>(target))
        target = box->lineEdit(); // the edit part: the arrow would open the list
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, target->height() / 2));
}

void Soak::tab() {
    h_.tab();
}

void Soak::back_tab() {
    h_.back_tab();
}

// Typed where the focus is, as a user types: a blank ticks a focused box or
// presses a focused button, a tab moves on and lets the focus checks run. Half
// the time the user first goes to a text field, whose focus check may refuse
// to let go of the last one.
void Soak::type() {
    if (random_.chance(50)) {
        // The end price opens the sale stages: it is typed into more often.
        const char* name = random_.chance(20)   ? "txt_end_price"
                           : random_.chance(70) ? random_.pick(price_fields_)
                                                : random_.pick(selectors_);
        current_ += std::string(" into ") + name + ",";
        h_.focus(name);
    }
    const bool replace = random_.chance(60);
    const QString text = hostile_text(random_);
    current_ += std::string(replace ? " over " : " after ") + "the text of " +
                h_.focused().toStdString() + ": " + quoted(text);
    if (QWidget* target = QApplication::focusWidget(); target && replace) {
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(target, Qt::Key_Delete);
    }
    for (const QChar c : text)
        if (QWidget* target = QApplication::focusWidget())
            key(target, c);
}

void Soak::key(QWidget* target, QChar c) {
    if (c.unicode() < 0x80) {
        QTest::keyClick(target, static_cast<char>(c.unicode()));
        if (c == u'\t' || c == u' ')
            WindowHarness::settle(); // the focus may have moved: its checks run
    } else {
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void Soak::pick_from_list() {
    const char* name = random_.pick(selectors_);
    const bool down = random_.chance(60);
    const int steps = 1 + random_.below(3);
    current_ += std::string(" ") + name + (down ? " down " : " up ") + std::to_string(steps);
    h_.focus(name);
    for (int i = 0; i < steps; ++i)
        if (QWidget* target = QApplication::focusWidget())
            QTest::keyClick(target, down ? Qt::Key_Down : Qt::Key_Up);
}

void Soak::tick() {
    const char* name = random_.pick(check_boxes_);
    const bool slowly = random_.chance(25);
    current_ += std::string(" ") + name + (slowly ? " slowly" : "") +
                (h_.enabled(name) ? "" : " (disabled)");
    slowly ? h_.click_slowly(name) : h_.click(name);
}

void Soak::press_enter() {
    current_ += " on " + h_.focused().toStdString();
    if (QApplication::focusWidget())
        h_.press_enter();
}

void Soak::calculate() {
    const bool slowly = random_.chance(25);
    current_ += std::string(slowly ? " slowly" : "") + " from " + h_.focused().toStdString();
    slowly ? h_.click_slowly("cmd_calc") : h_.click("cmd_calc");
}

void Soak::clear() {
    const bool slowly = random_.chance(25);
    current_ += std::string(slowly ? " slowly" : "") + " from " + h_.focused().toStdString();
    slowly ? h_.click_slowly("cmd_clear") : h_.click("cmd_clear");
    cleared_ = true;
}

// Opens the modeless dialog (or brings the open one forward), closes it with
// its button or Escape or leaves it open, and goes back to the main window as
// the user's click would.
void Soak::about() {
    const int choice = random_.below(10);
    const char* how[] = {" closed with OK", " closed with Escape", " left open"};
    current_ += how[choice < 4 ? 0 : choice < 7 ? 1 : 2];
    h_.trigger("About");
    const QList<QDialog*> open = about_dialogs();
    if (open.size() != 1) {
        violation("About: " + std::to_string(open.size()) + " dialogs open");
        return;
    }
    QDialog* dialog = open.front();
    if (!QTest::qWaitForWindowActive(dialog))
        violation("About: the dialog did not become active");
    if (choice < 4) {
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    } else if (choice < 7) {
        QWidget* target = QApplication::focusWidget();
        QTest::keyClick(target && target->window() == dialog ? target : dialog, Qt::Key_Escape);
    }
    WindowHarness::settle();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (choice < 7 && !about_dialogs().isEmpty())
        violation("About: the dialog did not close");
    h_.window().activateWindow();
    if (!QTest::qWaitForWindowActive(&h_.window()))
        violation("About: the main window did not become active again");
}

void Soak::move_mouse() {
    if (random_.chance(25)) {
        const QPoint at(random_.below(h_.window().controls().surface->width()),
                        random_.below(h_.window().controls().surface->height()));
        current_ += " surface " + std::to_string(at.x()) + "," + std::to_string(at.y());
        h_.hover_surface(at);
        return;
    }
    const std::string& name = pointer_targets_[static_cast<std::size_t>(
        random_.below(static_cast<int>(pointer_targets_.size())))];
    QWidget* target = h_.control(name.c_str());
    const QPoint at(random_.below(std::max(1, target->width())),
                    random_.below(std::max(1, target->height())));
    current_ += " " + name + " " + std::to_string(at.x()) + "," + std::to_string(at.y());
    h_.hover(name.c_str(), at);
}

// ---- invariants -------------------------------------------------------------------

void Soak::check_invariants() {
    for (const auto& [name, items] : start_items_)
        if (const int n = h_.control<QComboBox>(name.c_str())->count(); n != items)
            violation(name + " holds " + std::to_string(n) + " items");

    const std::pair<const char*, const char*> interlocked[] = {
        {"chk_gallery", "chk_gfeatured"},
        {"chk_pic_pack", "chk_pic_show"},
        {"chk_pic_pack", "chk_supersize"},
    };
    for (const auto& [a, b] : interlocked)
        if (h_.ticked(a) && h_.ticked(b))
            violation(std::string(a) + " and " + b + " are ticked together");

    for (const ui::ResultRow& row : ui::results)
        if (const QString text = (h_.window().controls().*row.widget)->text();
            !fuzz::is_result_text(row.text, text.toStdString()))
            violation((h_.window().controls().*row.widget)->objectName().toStdString() + " shows " +
                      quoted(text));

    // A press that did not click must have been refused with a box.
    if (press_) {
        if (boxes_.size() == press_->boxes)
            violation("Calculate was pressed, did not calculate, and said nothing");
        if (results() != press_->before)
            violation("Calculate was pressed, did not calculate, yet the results changed");
        press_.reset();
        ++refused_;
    }

    // "Clear" always clears, also after a rejected text.
    if (cleared_) {
        for (const auto& [name, text] : start_texts_)
            if (h_.text(name.c_str()) != text)
                violation("after Clear " + name + " shows " + quoted(h_.text(name.c_str())));
        for (const auto& [name, ticked] : start_ticks_)
            if (h_.ticked(name.c_str()) != ticked || !h_.enabled(name.c_str()))
                violation("after Clear " + name + " is not as at the start");
        for (const QString& text : results())
            if (!text.isEmpty())
                violation("after Clear a result shows " + quoted(text));
    }

    // The About dialog may stay open beside the window, once; nothing else may.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && qobject_cast<QDialog*>(w) && !w->inherits("quillet::ui::frmAbout"))
            violation(std::string("a dialog is open: ") + w->metaObject()->className());
    if (about_dialogs().size() > 1)
        violation(std::to_string(about_dialogs().size()) + " About dialogs are open");
}

// ---- "Calculate" as the button sees it ------------------------------------------------

std::array<QString, 9> Soak::results() const {
    std::array<QString, 9> out;
    for (std::size_t i = 0; i < ui::results.size(); ++i)
        out[i] = (h_.window().controls().*ui::results[i].widget)->text();
    return out;
}

WindowState Soak::read_inputs() const {
    WindowState record = record_;
    read_controls_into(record, h_.window());
    return record;
}

void Soak::calculate_pressed() {
    collect_boxes();
    press_ = Press{read_inputs(), results(), boxes_.size()};
}

void Soak::calculate_clicked() {
    collect_boxes();
    if (!press_) {
        violation("Calculate clicked without being pressed");
        return;
    }
    const Press press = *press_;
    press_.reset();

    WindowState expected = press.record;
    int notices = 0;
    const CalcOutcome outcome =
        quillet::calculate(expected, ui::number_conventions(), [&notices](Notice) { ++notices; });
    std::array<QString, 9> wanted;
    for (std::size_t i = 0; i < ui::results.size(); ++i)
        wanted[i] = QString::fromStdString(expected.*ui::results[i].text);
    const std::array<QString, 9> shown = results();
    const QList<Message> said = boxes_.mid(press.boxes);

    if (shown == wanted) {
        ++runs_;
        if (!outcome.ok())
            ++failed_runs_;
        else if (sale_stages_run(expected, ui::number_conventions()))
            ++full_runs_;
        record_ = expected;
        const qsizetype should_say = notices + (outcome.ok() ? 0 : 1);
        if (said.size() != should_say)
            violation("Calculate showed " + std::to_string(said.size()) +
                      " boxes, the engine's run " + std::to_string(should_say));
        return;
    }
    if (shown == press.before && said.size() == 1 && rejected_by_a_focus_check(said.front())) {
        ++cancelled_;
        return;
    }
    const ui::Controls& c = h_.window().controls();
    const auto name = [](const QWidget* w) { return w->objectName().toStdString(); };
    std::string what = "Calculate differs from the engine's run on";
    for (const ui::PriceFieldRow& row : ui::price_fields)
        what += "\n        " + name(c.*row.widget) + " = " + quoted(press.record.*row.field.text);
    for (const ui::SelectorRow& row : ui::selectors)
        what += "\n        " + name(c.*row.widget) + " = " + quoted(press.record.*row.text);
    for (const ui::OptionRow& row : ui::options)
        if (is_ticked(press.record.*row.state))
            what += "\n        " + name(c.*row.widget) + " ticked";
    for (std::size_t i = 0; i < ui::results.size(); ++i)
        what += "\n        " + name(c.*ui::results[i].widget) + ": before " +
                quoted(press.before[i]) + ", shown " + quoted(shown[i]) + ", engine " +
                quoted(wanted[i]);
    violation(what);
}

// A box one of the focus checks shows, about a control whose text it rejects now.
bool Soak::rejected_by_a_focus_check(const Message& box) const {
    const NumberConventions conventions = ui::number_conventions();
    const auto rejects = [&](const std::string& name) {
        const auto prompt =
            ui::focus_check(h_.window().controls(), h_.control(name.c_str()), conventions);
        return prompt && ui::message(*prompt) == box;
    };
    return std::any_of(price_fields_.begin(), price_fields_.end(), rejects) ||
           std::any_of(selectors_.begin(), selectors_.end(), rejects);
}

// ---- the test ---------------------------------------------------------------------

// The locales the window is soaked in: the number conventions reach both the
// focus checks and the engine.
struct SoakLocale {
    const char* name;
    QLocale::Language language;
    QLocale::Territory territory;
};

// The offscreen platform says so each time the About dialog is raised; the
// soak raises it often enough to bury its own report.
QtMessageHandler forward = nullptr;
void drop_platform_notes(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.startsWith(QLatin1String("This plugin does not support")))
        forward(type, context, text);
}

class GuiSoak : public testing::TestWithParam<SoakLocale> {
protected:
    void SetUp() override {
        ensure_application();
        locale_.emplace(QLocale(GetParam().language, GetParam().territory));
        forward = qInstallMessageHandler(drop_platform_notes);
    }
    void TearDown() override {
        qInstallMessageHandler(forward);
        locale_.reset();
    }

    std::optional<ScopedLocale> locale_;
};

TEST_P(GuiSoak, RandomActionsKeepTheWindowSound) {
    const auto seed = static_cast<std::uint64_t>(
        env_number("QUILLET_SOAK_SEED", static_cast<long>(default_seed)));
    const long count = env_number("QUILLET_SOAK_ACTIONS", default_actions);
    QElapsedTimer clock;
    clock.start();
    Soak soak(seed);
    std::string report;
    const bool sound = soak.run(count, report);
    EXPECT_TRUE(sound) << "locale " << GetParam().name << ", seed " << seed
                       << " (QUILLET_SOAK_SEED=" << seed << " QUILLET_SOAK_ACTIONS=" << count
                       << " to replay)\n"
                       << report;
    if (sound)
        std::cout << GetParam().name << ", seed " << seed << ": " << report << " in "
                  << clock.elapsed() << " ms\n";
}

INSTANTIATE_TEST_SUITE_P(Locales, GuiSoak,
                         testing::Values(SoakLocale{"en_US", QLocale::English,
                                                    QLocale::UnitedStates},
                                         SoakLocale{"de_DE", QLocale::German, QLocale::Germany},
                                         SoakLocale{"fr_FR", QLocale::French, QLocale::France}),
                         RowName());

} // namespace
} // namespace quillet::test
