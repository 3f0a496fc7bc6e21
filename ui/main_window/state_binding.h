#pragma once

// Binds the controls to the engine's window state record: the
// record's members carry the controls' names, and the tables in the source
// pair them one to one.

#include "engine/stages.h"
#include "engine/window_state.h"
#include "ui/main_window/form_layout.h"

#include <Qt>

namespace quillet::ui {

CheckState check_state(Qt::CheckState state);

// Copies every input and every result text into the record. The form-level
// values cost_bin and cost_reserve are the record's own and are left alone.
void read_controls(const Controls& controls, WindowState& record);

// Writes the nine result texts of the record into the result fields.
void write_results(const WindowState& record, const Controls& controls);

// The control that holds an input the engine found at fault; null for none.
QWidget* control_of(const Controls& controls, InputField field);

} // namespace quillet::ui
