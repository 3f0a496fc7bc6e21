// The window's answer to Enter: from the key event on the ending price field
// to the nine result fields written, and on to those nine drawn by the event
// loop, on the offscreen platform. Each iteration starts from empty
// results, so every one of them is written afresh; clearing them is not timed.

#include "ui/main_window/control_table.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/prompts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QEvent>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <benchmark/benchmark.h>

#include <array>
#include <bitset>

namespace {

using quillet::ui::Message;
using quillet::ui::Quillet_main;
using quillet::ui::results;

// Set when an iteration did not produce the figures; the run then fails, so
// that a window that answered wrongly is never reported as a fast one.
bool failed = false;

// A shown window with a typical listing typed in and the focus in the ending
// price; a warning box is counted, never shown, so nothing can block.
class FilledWindow : public QObject {
public:
    FilledWindow() {
        window_.set_warning_presenter([this](QWidget*, const Message&) { ++boxes_; });
        window_.show();
        window_.activateWindow();
        (void)QTest::qWaitForWindowActive(&window_);

        control<QComboBox>("cmb_start_price")->setEditText(QStringLiteral("$10 - $24.99"));
        control<QCheckBox>("chk_gallery")->setCheckState(Qt::Checked);
        control<QLineEdit>("txt_ship_charged")->setText(QStringLiteral("5.00"));
        control<QLineEdit>("txt_item_cost")->setText(QStringLiteral("4.00"));
        control<QLineEdit>("txt_ship_cost")->setText(QStringLiteral("3.00"));
        end_price_ = control<QLineEdit>("txt_end_price");
        end_price_->setText(QStringLiteral("24.99"));
        end_price_->setFocus(Qt::TabFocusReason);
        for (std::size_t i = 0; i < results.size(); ++i) {
            results_[i] = window_.controls().*results[i].widget;
            results_[i]->installEventFilter(this);
        }
        settle();
        // One answer first, so that clearing changes, and redraws, all nine.
        QTest::keyClick(end_price_, Qt::Key_Return);
        wait_for_results_drawn();
    }

    QWidget* end_price() const { return end_price_; }

    // Empties the results and lets their repaint run, outside the timing.
    void clear_results() {
        for (QLineEdit* r : results_)
            r->clear();
        wait_for_results_drawn();
    }

    // Runs the event loop until each of the nine fields has been drawn since
    // the last call; a second without that is a fault.
    void wait_for_results_drawn() {
        const QDeadlineTimer deadline(1000);
        while (drawn_.count() < results_.size() && !deadline.hasExpired())
            QCoreApplication::processEvents();
        if (drawn_.count() < results_.size())
            undrawn_ = true;
        drawn_.reset();
    }

    // Why an iteration did not produce the nine figures, or null when it did.
    const char* fault() const {
        if (boxes_ != 0)
            return "a warning box was raised";
        if (undrawn_)
            return "the results were not drawn within a second";
        if (QApplication::focusWidget() != end_price_)
            return "the focus left the ending price";
        for (const QLineEdit* r : results_)
            if (r->text().isEmpty())
                return "a result field was left empty";
        return nullptr;
    }

    static void settle() {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            for (std::size_t i = 0; i < results_.size(); ++i)
                if (watched == results_[i])
                    drawn_.set(i);
        return QObject::eventFilter(watched, event);
    }

private:
    template <class T> T* control(const char* name) const {
        T* w = window_.findChild<T*>(QString::fromLatin1(name));
        if (!w)
            qFatal("window_bench: no control %s", name);
        return w;
    }

    Quillet_main window_;
    QLineEdit* end_price_ = nullptr;
    std::array<QLineEdit*, results.size()> results_{};
    std::bitset<results.size()> drawn_;
    bool undrawn_ = false;
    int boxes_ = 0;
};

void enter_to_results(benchmark::State& state, bool paint) {
    FilledWindow w;
    for (auto _ : state) {
        state.PauseTiming();
        w.clear_results();
        state.ResumeTiming();
        QTest::keyClick(w.end_price(), Qt::Key_Return);
        if (paint)
            w.wait_for_results_drawn();
    }
    if (const char* fault = w.fault()) {
        state.SkipWithError(fault);
        failed = true;
    }
}

// The calculation, the focused field's check and the nine fields' texts.
void BM_EnterToResultsWritten(benchmark::State& state) {
    enter_to_results(state, false);
}

// The same, and then the event loop until the nine fields are drawn.
void BM_EnterToResultsDrawn(benchmark::State& state) {
    enter_to_results(state, true);
}

} // namespace

BENCHMARK(BM_EnterToResultsWritten)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EnterToResultsDrawn)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    // A display is never needed: the window draws offscreen unless told otherwise.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    // The engine reads figures with the locale's separators; these are US figures.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return failed ? 1 : 0;
}
