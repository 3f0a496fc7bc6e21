#include "ui/main_window/main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    quillet::ui::Quillet_main window;
    window.show();
    return app.exec();
}
