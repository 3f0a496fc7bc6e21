#pragma once

// The menus open from the keyboard although "File" and "Help" have no access
// keys: F10 opens the first menu, as desktop users expect. Alt pressed and
// released alone selects the menu bar wherever the style allows it
// (QStyle::SH_MenuBar_AltKeyNavigation, on in Qt's own styles); Down or Enter
// then opens the menu. Neither changes a caption.

class QMainWindow;

namespace quillet::ui {

void open_menus_with_f10(QMainWindow& window);

} // namespace quillet::ui
