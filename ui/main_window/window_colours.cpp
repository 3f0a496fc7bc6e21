#include "ui/main_window/window_colours.h"

#include "ui/main_window/control_table.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace quillet::ui {

namespace {

double linear(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c) {
    const QColor rgb = c.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

// `percent` of the way from `from` to `to`.
QColor mix(const QColor& from, const QColor& to, int percent) {
    const auto channel = [percent](int a, int b) { return a + (b - a) * percent / 100; };
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

// Only the Window role becomes the widget's own; every other role still
// follows its parent and the application.
void fill(QWidget* w, const QColor& colour) {
    QPalette p;
    p.setColor(QPalette::Window, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace

double contrast_ratio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// 7:1 rather than the 4.5:1 that text needs: the figures are what the window
// is for, and the margin keeps anti-aliased edges and poor screens readable.
// Out-of-date figures step back toward 5:1, a difference seen at a glance.
QColor figure_colour(const QPalette& palette, bool out_of_date) {
    const double target = out_of_date ? 5.0 : 7.0;
    const int furthest = out_of_date ? 80 : 40; // percent of the way to the background
    const QColor background = palette.color(QPalette::Disabled, QPalette::Base);
    QColor text = palette.color(QPalette::Active, QPalette::Text);
    if (contrast_ratio(text, background) < 4.5) // a palette at odds with itself
        text = contrast_ratio(Qt::black, background) > contrast_ratio(Qt::white, background)
                   ? QColor(Qt::black)
                   : QColor(Qt::white);
    QColor eased = text;
    for (int percent = 5; percent <= furthest; percent += 5) {
        const QColor next = mix(text, background, percent);
        if (contrast_ratio(next, background) < target)
            break;
        eased = next;
    }
    return eased;
}

void colour_figures(const Controls& c, const QPalette& palette, bool out_of_date) {
    QPalette figures;
    figures.setColor(QPalette::Disabled, QPalette::Text, figure_colour(palette, out_of_date));
    for (const ResultRow& row : results)
        (c.*row.widget)->setPalette(figures);
}

void apply_window_colours(const Controls& c, const QPalette& palette, bool figures_out_of_date) {
    fill(c.fr_costs, palette.color(QPalette::Button).darker(112));
    fill(c.chk_paypal, palette.color(QPalette::Window));
    for (QFrame* line : {c.Line1, c.Line2, c.Line3, c.Line4})
        fill(line, palette.color(QPalette::Inactive, QPalette::Mid));

    for (const ResultRow& row : results)
        fill(c.*row.label, palette.color(QPalette::Window));
    colour_figures(c, palette, figures_out_of_date);
}

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
