#pragma once

// A dark palette in the manner of Fusion's dark look (Qt 6.5 and later), for
// the documentation's dark picture and the tests; the program itself follows
// whatever palette the desktop or the style gives it.

#include <QPalette>

namespace quillet::ui {

QPalette dark_palette();

} // namespace quillet::ui
