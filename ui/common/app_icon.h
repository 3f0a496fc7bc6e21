#pragma once

#include <QIcon>

namespace quillet::ui {

// The program's window icon, drawn from a vector picture at whatever size is
// asked for; 16 and 32 pixels are the sizes it advertises to the window system.
QIcon quillet_window_icon();

} // namespace quillet::ui
