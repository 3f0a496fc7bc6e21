#include "ui/common/command_line.h"
#include "ui/main_window/main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    namespace ui = quillet::ui;
    if (const auto status = ui::answer_own_options(argc, argv))
        return *status;
    ui::DisplayWatch watch; // no display: one plain line, not Qt's abort
    QApplication app(argc, argv);
    watch.end();
    if (const auto status = ui::reject_leftover_arguments(argc, argv))
        return *status;

    // Names the desktop file, so that the desktop matches the windows to their
    // launcher: Wayland's app id, and on X11 a property beside WM_CLASS.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILLET_APP_ID));
    ui::Quillet_main window;
    window.show();
    return app.exec();
}
