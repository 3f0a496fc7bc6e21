#pragma once

// Binds the controls to the engine's window state record, row by row of the
// control tables: the record's members carry the controls' names.

#include "engine/stages.h"
#include "engine/window_state.h"
#include "ui/main_window/form_layout.h"

#include <QString>

namespace quillet::ui {

// Copies every input and every result text into the record. The form-level
// values cost_bin and cost_reserve are the record's own and are left alone.
void read_controls(const Controls& controls, WindowState& record);

// Writes the nine result texts of the record into the result fields.
void write_results(const WindowState& record, const Controls& controls);

// Shows a whole record: its inputs, check states and results. With a fresh
// record this is the window's start state (Load and Clear). A drop-down gets
// its text with no list position chosen.
void show_record(const WindowState& record, const Controls& controls);

// The control holding an input the engine found at fault, and the words a box
// about it uses, as a screen reader names it; a null control for none.
struct InputControl {
    QWidget* control = nullptr;
    QString words;
};
InputControl input_control(const Controls& controls, InputField field);

} // namespace quillet::ui
