#pragma once

// The form keeps its size and its controls their places whatever room the
// window is given. A window at least the form's size shows it whole, with no
// scroll bar; given less (a tile of a tiling desktop, which sizes a window
// whatever it asks for), the form scrolls inside it, and the control that
// takes the focus is scrolled into view.

class QMainWindow;
class QWidget;

namespace quillet::ui {

// Makes `window`'s client area a frameless scroll area and returns the surface
// in it, of the client area's size, for build_form() to place the controls on.
QWidget* make_surface(QMainWindow& window);

// From now on a control of `surface` that takes the focus from the keyboard or
// the program is scrolled into view, with its frame where that fits.
void keep_focus_in_view(QWidget* surface);

} // namespace quillet::ui
