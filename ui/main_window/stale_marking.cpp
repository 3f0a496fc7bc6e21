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
    paypal_left_out_ = false; // no figure left to mark
    show(false);
    restyle();
}

void StaleMarking::input_changed() {
    if (!figures_shown_ || marked_)
        return;
    show(true);
    announce_(qstring(out_of_date_announcement));
}

void StaleMarking::set_paypal_left_out(bool left_out) {
    paypal_left_out_ = left_out;
    restyle();
}

void StaleMarking::show(bool marked) {
    if (marked == marked_)
        return;
    marked_ = marked;
    restyle();
    if (heard_)
        heard_(marked);
}

// One routine for both marks, since both set the same fields' fonts and
// descriptions.
void StaleMarking::restyle() {
    colour_figures(controls_, controls_.surface->window()->palette(), marked_);
    for (const ResultRow& row : results) {
        QLineEdit* field = controls_.*row.widget;
        const bool left_out = paypal_left_out_ && row.widget == &Controls::txt_paypal_fee;
        QFont font = field->font();
        font.setItalic(marked_);
        font.setStrikeOut(left_out);
        field->setFont(font);
        QStringList description;
        if (left_out)
            description << qstring(paypal_left_out_text);
        if (marked_)
            description << qstring(out_of_date_text);
        field->setAccessibleDescription(description.join(QStringLiteral(". ")));
        // Flat review reads a figure after its label, by the label's name.
        (controls_.*row.label)
            ->setAccessibleName(marked_
                                    ? spoken_name(controls_, row) + QStringLiteral(", out of date:")
                                    : QString());
    }
}

} // namespace quillet::ui
