#pragma once

// What the main window has around its client area: the menu bar, and a size
// that leaves the client area its own. The floor window of the start-up
// benchmark uses the same, without handlers.

class QAction;
class QMainWindow;

namespace quillet::ui {

struct MenuActions {
    QAction* exit;
    QAction* copy_figures;
    QAction* target_price;
    QAction* about;
};

// File, Edit, Tools and Help, each entry with its shortcut, none connected.
MenuActions add_menus(QMainWindow& window);

// The client area is fixed; the window adds its menu bar above it.
void fit_to_client_area(QMainWindow& window);

} // namespace quillet::ui
