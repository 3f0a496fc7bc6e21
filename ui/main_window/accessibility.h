#pragma once

// What assistive technology announces for the window's controls. Qt already
// names a check box or button by its caption; a field or drop-down is named
// by the caption the eye reads it with, its frame's or that of the label
// beside it (which becomes its buddy), on every platform. The caption-less
// PayPal switch gets a name of its own. Each option and price field carries its help line
// as its description, so a screen reader user hears what the mouse user reads
// in the help line. A disabled result field still reports its text as its
// value.

#include "ui/main_window/form_layout.h"

namespace quillet::ui {

// The window's own accessible interfaces (a drop-down named by its caption,
// a text field read in full: accessible_text_field.h);
// call before the form is built, so that no control has Qt's yet. Safe to
// call more than once.
void install_accessible_interfaces();

// Names and describes the controls; call once the form is built.
void describe_controls(const Controls& controls);

} // namespace quillet::ui
