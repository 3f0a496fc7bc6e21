#include "ui/common/command_line.h"

#include "ui/common/version.h"

#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace quillet::ui {

namespace {

constexpr const char* usage = R"(Usage: quillet [OPTION]...
Opens the window in which to work out eBay listing fees and profit.

  -h, --help     show this help and exit
      --version  show the version and exit

Qt's own options, such as -platform NAME, -style NAME or -display DISPLAY,
are accepted as well. The window needs a graphical display: run quillet from
a desktop session, or with DISPLAY (X11) or WAYLAND_DISPLAY (Wayland) set.
)";

bool is_set(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// What the user reads instead of Qt's advice to reinstall: what was tried,
// and what to do.
std::string no_display_line() {
    std::string tried;
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        if (is_set(name))
            tried += std::string(tried.empty() ? "" : ", ") + name + "=" + std::getenv(name);
    }
    const std::string what = tried.empty() ? "quillet: needs a graphical display, and none is set"
                                           : "quillet: cannot open the display (" + tried + ")";
    return what + ": run it from a desktop session, or set DISPLAY (X11) or WAYLAND_DISPLAY "
                  "(Wayland) to a running one\n";
}

// One of Qt's messages, kept until the watch ends. The context's texts are
// copied: Qt only lends them for the call.
struct Held {
    QtMsgType type;
    std::string file, function, category;
    int line;
    QString text;
};

QtMessageHandler previous_handler = nullptr;
// Qt may report from another of its threads while the application is made.
std::mutex held_lock;
std::vector<Held> held;

void pass_on_held() {
    qInstallMessageHandler(previous_handler);
    const std::lock_guard lock(held_lock);
    for (const Held& m : held) {
        const QMessageLogContext context(m.file.c_str(), m.line, m.function.c_str(),
                                         m.category.c_str());
        qt_message_output(m.type, context, m.text);
    }
    held.clear();
}

void hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const auto copy = [](const char* s) { return std::string(s != nullptr ? s : ""); };
    std::unique_lock lock(held_lock);
    if (type != QtFatalMsg) {
        held.push_back({type, copy(context.file), copy(context.function), copy(context.category),
                        context.line, text});
        return;
    }
    // Qt's platform start-up fails with this fatal message when no platform
    // plugin it tried could open its display; a plugin that is not there at
    // all (a mistyped -platform) is Qt's to report, not a missing display.
    const bool not_found = std::any_of(held.begin(), held.end(), [](const Held& m) {
        return m.text.contains(QLatin1String("Could not find the Qt platform plugin"));
    });
    if (text.contains(QLatin1String("platform plugin")) && !not_found) {
        std::fputs(no_display_line().c_str(), stderr);
        std::fflush(stderr);
        // QApplication is half made: nothing may run after this, exit handlers included.
        std::_Exit(1);
    }
    lock.unlock();
    pass_on_held();
    previous_handler(type, context, text);
}

} // namespace

std::optional<int> answer_own_options(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s\n", name_and_version());
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(usage, stdout);
            return 0;
        }
    }
    return std::nullopt;
}

DisplayWatch::DisplayWatch() {
    if (qEnvironmentVariableIsSet("QT_DEBUG_PLUGINS"))
        return;
    previous_handler = qInstallMessageHandler(hold);
    watching_ = true;
}

void DisplayWatch::end() {
    if (!watching_)
        return;
    watching_ = false;
    pass_on_held();
}

std::optional<int> reject_leftover_arguments(int argc, char* argv[]) {
    if (argc < 2)
        return std::nullopt;
    const char* kind = argv[1][0] == '-' ? "option" : "argument";
    std::fprintf(stderr, "quillet: unknown %s '%s'\nTry 'quillet --help' for more information.\n",
                 kind, argv[1]);
    return 2;
}

} // namespace quillet::ui
