#pragma once

// The window's menus: File, Edit, Tools and Help, each entry with its
// shortcut. They open from the keyboard as desktop users expect: Alt with a
// menu's access key ("&File", "&Help"), and F10, which opens the first menu.
// Alt pressed and released alone selects the menu bar wherever the style
// allows it (QStyle::SH_MenuBar_AltKeyNavigation, on in Qt's own styles); Down
// or Enter then opens the menu.

class QAction;
class QMainWindow;

namespace quillet::ui {

struct MenuActions {
    QAction* exit;
    QAction* copy_figures;
    QAction* keep_for_comparison;
    QAction* target_price;
    QAction* fee_details;
    QAction* compare;
    QAction* about;
};

// Adds the menus, none of their entries connected; the floor window of the
// start-up benchmark has the same.
MenuActions add_menus(QMainWindow& window);

void open_menus_with_f10(QMainWindow& window);

} // namespace quillet::ui
