#include "ui/main_window/window_colours.h"

#include "ui/common/contrast.h"
#include "ui/common/fill.h"
#include "ui/main_window/control_table.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace quillet::ui {

namespace {

// 7:1 rather than the 4.5:1 that text needs: the figures are what the window
// is for, and the margin keeps anti-aliased edges and poor screens readable.
// Out-of-date figures step back toward 5:1, a difference seen at a glance.
QColor figure_colour(const QPalette& palette, bool out_of_date) {
    return eased_text(palette.color(QPalette::Active, QPalette::Text),
                      palette.color(QPalette::Disabled, QPalette::Base), out_of_date ? 5.0 : 7.0,
                      out_of_date ? 80 : 40);
}

} // namespace

void colour_figures(const Controls& c, const QPalette& palette, bool out_of_date) {
    QPalette figures;
    figures.setColor(QPalette::Disabled, QPalette::Text, figure_colour(palette, out_of_date));
    for (const ResultRow& row : results)
        (c.*row.widget)->setPalette(figures);
}

void apply_window_colours(const Controls& c, const QPalette& palette, bool figures_out_of_date) {
    fill(c.fr_costs, palette.color(QPalette::Button).darker(112));
    fill(c.chk_paypal, palette.color(QPalette::Window));
    for (QFrame* line : separator_lines(c))
        fill(line, palette.color(QPalette::Inactive, QPalette::Mid));

    for (const ResultRow& row : results)
        fill(c.*row.label, palette.color(QPalette::Window));
    colour_figures(c, palette, figures_out_of_date);
}

} // namespace quillet::ui
