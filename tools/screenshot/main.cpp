// Saves a picture of the main window, menu bar included, to the file named on the
// command line: quillet_screenshot OUTPUT.png
#include "ui/main_window/main_window.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>

#include <cstdio>

int main(int argc, char* argv[]) {
    // Always offscreen, so the picture does not depend on the desktop it is taken on
    // and no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const QStringList args = QApplication::arguments();
    if (args.size() != 2) {
        std::fputs("usage: quillet_screenshot OUTPUT.png\n", stderr);
        return 2;
    }
    const QString output = args.at(1);

    quillet::ui::Quillet_main window;
    window.show();
    QApplication::processEvents();

    const QPixmap picture = window.grab();
    if (!QDir().mkpath(QFileInfo(output).absolutePath()) || !picture.save(output, "PNG")) {
        std::fprintf(stderr, "quillet_screenshot: cannot write %s\n", qPrintable(output));
        return 1;
    }
    return 0;
}
