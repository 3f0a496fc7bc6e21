#pragma once

// What the windows beside the main one that show a table (Fee Details,
// Compare) share: how the window itself is set up, and a table the user reads
// and selects in but never edits.

class QTableView;
class QWidget;

namespace quillet::ui {

// Named and titled, with the program's icon, the windows' font and a first
// size in twips; resizable; Escape closes it, as it closes a dialog.
void set_up_window(QWidget& window, const char* name, const char* title, int width_twips,
                   int height_twips);

// Read-only, one cell or line selected at a time, rows as tall as the font
// needs at any DPI, no wrapping; Tab leaves it rather than moving between its
// cells.
void set_up_reading_table(QTableView& table, const char* name, const char* spoken);

} // namespace quillet::ui
