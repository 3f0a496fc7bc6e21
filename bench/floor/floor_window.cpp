#include "floor_window.h"

#include "ui/main_window/form_layout.h"
#include "ui/main_window/form_scrolling.h"
#include "ui/main_window/menus.h"

namespace quillet::bench {

FloorWindow::FloorWindow(QWidget* parent)
    : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Quillet floor"));
    ui::build_form(ui::make_surface(*this));
    ui::add_menus(*this);
    ui::fit_to_client_area(*this);
}

} // namespace quillet::bench
