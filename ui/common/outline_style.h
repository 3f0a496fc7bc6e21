#pragma once

// Fusion, the style Qt picks on the Linux desktops, draws a control's outline
// a shade off the window colour: a check box's box, a text field's or
// drop-down's frame, a button's edge. In a light palette that is 1.6:1 to 2:1
// against the window, in a dark one 1.2:1, and an unticked box all but
// vanishes; a control needs 3:1 to be made out. A table's frame is as faint,
// and a scroll bar's handle differs from its groove by less still. The
// outline style draws each enabled control's outline again, and an outline
// around the handle, in Fusion's colour brought out until it reads against
// what lies behind; outlines that already do, such as the focus and the
// default button in a light palette, stay as Fusion draws them. Decorative
// frames, a group's or a picture's, stay as they are. Its colours come from the
// palette each time a control is drawn, so they follow any change of it.
// Disabled controls keep Fusion's dimmed look.

namespace quillet::ui {

// Installs it for the whole application while the application's style is
// Fusion; any other style is left as it is. Safe to call more than once.
void install_outline_style();

} // namespace quillet::ui
