#pragma once

// The window's menus: File, Edit, Tools and Help, each entry with its
// shortcut. They open from the keyboard as desktop users expect: Alt with a
// menu's access key ("&File", "&Help"), and F10, which opens the first menu.
// Alt pressed and released alone selects the menu bar wherever the style
// allows it (QStyle::SH_MenuBar_AltKeyNavigation, on in Qt's own styles); Down
// or Enter then opens the menu.

class QAction;
class QMainWindow;
class QMenuBar;
class QWidget;

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

// A menu bar left holding the focus with no menu chosen gives it to
// `control`, the one that had it before. Qt's bar forgets that control when
// the window is left from a menu (for About or a dialog), and on coming back
// the keys typed would go nowhere.
void leave_idle_menu_bar(QMenuBar& bar, QWidget* control);

} // namespace quillet::ui
