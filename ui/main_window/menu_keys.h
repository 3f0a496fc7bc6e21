#pragma once

// The menus open from the keyboard as desktop users expect: Alt with a menu's
// access key ("&File", "&Help"), and F10, which opens the first menu. Alt
// pressed and released alone selects the menu bar wherever the style allows it
// (QStyle::SH_MenuBar_AltKeyNavigation, on in Qt's own styles); Down or Enter
// then opens the menu.

class QMainWindow;

namespace quillet::ui {

void open_menus_with_f10(QMainWindow& window);

} // namespace quillet::ui
