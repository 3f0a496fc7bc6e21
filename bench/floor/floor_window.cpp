#include "floor_window.h"

#include "ui/main_window/form_layout.h"
#include "ui/main_window/menus.h"

namespace quillet::bench {

FloorWindow::FloorWindow(QWidget* parent)
    : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Quillet floor"));
    auto* surface = new QWidget(this);
    setCentralWidget(surface);
    ui::build_form(surface);
    ui::add_menus(*this);
    ui::fit_to_client_area(*this);
}

} // namespace quillet::bench
