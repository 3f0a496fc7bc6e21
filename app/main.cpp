#include "ui/main_window/main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Names the desktop file, so that the desktop matches the windows to their
    // launcher: Wayland's app id, and on X11 a property beside WM_CLASS.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILLET_APP_ID));
    quillet::ui::Quillet_main window;
    window.show();
    return app.exec();
}
