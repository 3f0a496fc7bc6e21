#include "tools/dark_palette/dark_palette.h"

#include <QColor>

#include <utility>

namespace quillet::ui {

QPalette dark_palette() {
    const QColor window(50, 50, 50);
    const QColor text(240, 240, 240);
    const QColor highlight(48, 140, 198);
    QPalette p;
    for (const auto& [role, colour] : {
             std::pair{QPalette::Window, window},
             {QPalette::WindowText, text},
             {QPalette::Base, window.darker(140)},
             {QPalette::AlternateBase, window},
             {QPalette::Text, text},
             {QPalette::PlaceholderText, QColor(240, 240, 240, 128)},
             {QPalette::Button, window},
             {QPalette::ButtonText, text},
             {QPalette::BrightText, Qt::white},
             {QPalette::Light, window.lighter(150)},
             {QPalette::Midlight, window.darker(130).lighter(110)},
             {QPalette::Mid, window.darker(130)},
             {QPalette::Dark, window.darker(150)},
             {QPalette::Shadow, window.darker(150).darker(135)},
             {QPalette::Highlight, highlight},
             {QPalette::HighlightedText, text},
             {QPalette::Link, highlight.lighter(130)},
             {QPalette::LinkVisited, highlight.lighter(110)},
             {QPalette::ToolTipBase, window},
             {QPalette::ToolTipText, text},
         })
        p.setColor(role, colour);
    const QColor disabled_text(130, 130, 130);
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled_text);
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    return p;
}

} // namespace quillet::ui
