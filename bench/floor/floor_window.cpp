#include "floor_window.h"

#include "ui/common/twips.h"
#include "ui/main_window/form_layout.h"

#include <QMenuBar>

namespace quillet::bench {

FloorWindow::FloorWindow(QWidget* parent)
    : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Quillet floor"));
    auto* surface = new QWidget(this);
    setCentralWidget(surface);
    ui::build_form(surface);

    menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    menuBar()->addMenu(QStringLiteral("&Edit"))->addAction(QStringLiteral("&Copy Figures"));
    menuBar()->addMenu(QStringLiteral("&Tools"))->addAction(QStringLiteral("&Target Price..."));
    menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("About"));

    const QSize client = ui::Twips(*this).size(ui::client_width_twips, ui::client_height_twips);
    resize(client.width(), client.height() + menuBar()->sizeHint().height());
}

} // namespace quillet::bench
