#pragma once

// The accessible interface of every text field of the windows. Qt 6.4's own
// reports an empty text-attribute run at each offset of a line edit, and
// Orca 43 builds the line it speaks from those runs, so it drops the last
// character: "32.5" for 32.57, "Fre" for "Free". This one reports the whole
// text as one run and otherwise answers as Qt's does.

namespace quillet::ui {

// Installs it for every QLineEdit, a drop-down's edit part included; call
// before the first window is built. Safe to call more than once.
void install_accessible_text_fields();

} // namespace quillet::ui
