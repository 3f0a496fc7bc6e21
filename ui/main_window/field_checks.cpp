#include "ui/main_window/field_checks.h"

#include <QComboBox>
#include <QLineEdit>

namespace quillet::ui {

bool price_text_passes(const QString& text, std::string_view keyword,
                       const NumberConventions& conventions) {
    const std::string typed = text.toStdString();
    return (is_numeric_text(typed, conventions) && !is_negative_number(typed, conventions)) ||
           is_keyword(typed, keyword);
}

const PriceFieldRow* price_field_of(const Controls& controls, const QWidget* control) {
    for (const PriceFieldRow& row : price_fields)
        if (controls.*row.widget == control)
            return &row;
    return nullptr;
}

// The band selectors need no such guard: the listing fee reports a start
// label it does not know, and any other Buy-It-Now text is a band's.
bool checked_on_enter(const Controls& controls, const QWidget* control) {
    return price_field_of(controls, control) || control == controls.combo_num_pics;
}

std::optional<Prompt> focus_check(const Controls& controls, const QWidget* control,
                                  const NumberConventions& conventions) {
    if (const PriceFieldRow* row = price_field_of(controls, control)) {
        if (price_text_passes((controls.*row->widget)->text(), row->field.keyword, conventions))
            return std::nullopt;
        return row->prompt;
    }
    for (const SelectorRow& row : selectors) {
        QComboBox* box = controls.*row.widget;
        if (box == control && row.passes && !row.passes(box->currentText()))
            return row.prompt;
    }
    return std::nullopt;
}

} // namespace quillet::ui
