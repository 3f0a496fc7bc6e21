#pragma once

// The windows' texts ask for Verdana and MS Sans Serif by name. Where those
// are missing (any stock Linux desktop) they fall back to DejaVu Sans rather
// than to whatever the font matcher picks.

#include <QFont>

namespace quillet::ui {

// Safe to call more than once; call it before the first widget is built.
void install_font_substitutes();

// A font by family name and size in points.
QFont font(const char* family, qreal points, bool bold = false);

} // namespace quillet::ui
