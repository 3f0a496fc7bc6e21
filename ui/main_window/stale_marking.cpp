#include "ui/main_window/stale_marking.h"

#include "ui/main_window/control_table.h"
#include "ui/main_window/qt_text.h"
#include "ui/main_window/window_colours.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace quillet::ui {

StaleMarking::StaleMarking(const Controls& controls, std::function<void(const QString&)> announce,
                           QObject* parent)
    : QObject(parent)
    , controls_(controls)
    , announce_(std::move(announce)) {
    watch_inputs(controls, this, [this] { input_changed(); });
}

void StaleMarking::calculated() {
    figures_shown_ = true;
    show(false);
}

void StaleMarking::cleared() {
    figures_shown_ = false;
    show(false);
}

void StaleMarking::input_changed() {
    if (!figures_shown_ || marked_)
        return;
    show(true);
    announce_(qstring(out_of_date_announcement));
}

void StaleMarking::show(bool marked) {
    if (marked == marked_)
        return;
    marked_ = marked;
    colour_figures(controls_, controls_.surface->window()->palette(), marked);
    for (const ResultRow& row : results) {
        QLineEdit* field = controls_.*row.widget;
        QFont font = field->font();
        font.setItalic(marked);
        field->setFont(font);
        field->setAccessibleDescription(marked ? qstring(out_of_date_text) : QString());
        // Flat review reads a figure after its label, by the label's name.
        (controls_.*row.label)
            ->setAccessibleName(marked
                                    ? spoken_name(controls_, row) + QStringLiteral(", out of date:")
                                    : QString());
    }
}

} // namespace quillet::ui
