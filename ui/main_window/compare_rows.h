#pragma once

// The rows of the Compare window, captioned as the main window captions its
// controls: the inputs in the order a seller fills them in, then the nine
// figures and Fee Details' two shares.

#include "ui/compare/compare_window.h"
#include "ui/main_window/form_layout.h"

#include <QList>

namespace quillet::ui {

QList<CompareRow> compare_rows(const Controls& controls);

} // namespace quillet::ui
