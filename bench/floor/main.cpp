#include "floor_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    quillet::bench::FloorWindow window;
    window.show();
    return app.exec();
}
