#pragma once

// The practical floor for the start-up measurements: a main window with the
// same number and kinds of widgets as Quillet's, at the same places, with the
// same texts and the same fonts asked for, and nothing else: no fonts
// substituted, no icon, no colours, no keyboard order, no handlers.

#include <QMainWindow>

namespace quillet::bench {

class FloorWindow : public QMainWindow {
public:
    explicit FloorWindow(QWidget* parent = nullptr);
};

} // namespace quillet::bench
