#pragma once

// The practical floor for the start-up measurements: a main window built by
// the same layout routine as Quillet's (the same widgets at the same places,
// with the same texts, fonts and colours asked for) and its menus, and nothing
// else: no fonts substituted, no icon, no start state, no checks, no handlers.

#include <QMainWindow>

namespace quillet::bench {

class FloorWindow : public QMainWindow {
public:
    explicit FloorWindow(QWidget* parent = nullptr);
};

} // namespace quillet::bench
