#pragma once

// The program's command line, read around the making of QApplication, which
// needs a display: --help and --version need none, so they are answered
// before it; Qt takes its own options (-platform, -style, -display...) out of
// argv while it is made, so whatever is left after it is a mistake.
//
//     if (const auto status = answer_own_options(argc, argv))
//         return *status;
//     DisplayWatch watch;
//     QApplication app(argc, argv);
//     watch.end();
//     if (const auto status = reject_leftover_arguments(argc, argv))
//         return *status;

#include <QtGlobal>

#include <optional>

namespace quillet::ui {

// For -h, --help or --version anywhere on the line: the answer, on standard
// output, and the exit status 0. Nothing otherwise.
std::optional<int> answer_own_options(int argc, char* argv[]);

// While it lives, Qt's failure to open a display, a fatal message that would
// abort the program with advice to reinstall it, ends the program instead
// with one plain line on standard error and the exit status 1. Qt's other
// messages meanwhile are held back, so that such a failure shows that line
// alone; end() passes them on. With QT_DEBUG_PLUGINS set, Qt's own report is
// wanted and the watch stands aside.
class DisplayWatch {
public:
    DisplayWatch();
    ~DisplayWatch() { end(); }
    DisplayWatch(const DisplayWatch&) = delete;
    DisplayWatch& operator=(const DisplayWatch&) = delete;

    void end();

private:
    bool watching_ = false;
};

// For arguments Qt left in argv: names the first on standard error and gives
// the exit status 2. Nothing when none is left.
std::optional<int> reject_leftover_arguments(int argc, char* argv[]);

} // namespace quillet::ui
