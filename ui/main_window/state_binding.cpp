#include "ui/main_window/state_binding.h"

#include "ui/main_window/control_table.h"
#include "ui/main_window/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace quillet::ui {

namespace {

Qt::CheckState qt_state(CheckState state) {
    switch (state) {
    case CheckState::ticked:
        return Qt::Checked;
    case CheckState::greyed:
        return Qt::PartiallyChecked;
    case CheckState::unticked:
        break;
    }
    return Qt::Unchecked;
}

CheckState check_state(Qt::CheckState state) {
    switch (state) {
    case Qt::Checked:
        return CheckState::ticked;
    case Qt::PartiallyChecked:
        return CheckState::greyed;
    case Qt::Unchecked:
        break;
    }
    return CheckState::unticked;
}

} // namespace

void read_controls(const Controls& controls, WindowState& record) {
    for (const PriceFieldRow& row : price_fields)
        record.*row.field.text = (controls.*row.widget)->text().toStdString();
    for (const SelectorRow& row : selectors)
        record.*row.text = (controls.*row.widget)->currentText().toStdString();
    for (const OptionRow& row : options)
        record.*row.state = check_state((controls.*row.widget)->checkState());
    for (const ResultRow& row : results)
        record.*row.text = (controls.*row.widget)->text().toStdString();
}

void write_results(const WindowState& record, const Controls& controls) {
    for (const ResultRow& row : results)
        (controls.*row.widget)->setText(qstring(record.*row.text));
}

void show_record(const WindowState& record, const Controls& controls) {
    for (const PriceFieldRow& row : price_fields)
        (controls.*row.widget)->setText(qstring(record.*row.field.text));
    for (const SelectorRow& row : selectors) {
        QComboBox* box = controls.*row.widget;
        box->setCurrentIndex(-1);
        box->setEditText(qstring(record.*row.text));
    }
    // Setting a box runs its interlock, which enables the partners of an
    // unticked box again.
    for (const OptionRow& row : options)
        (controls.*row.widget)->setCheckState(qt_state(record.*row.state));
    write_results(record, controls);
}

InputControl input_control(const Controls& controls, InputField field) {
    for (const PriceFieldRow& row : price_fields)
        if (row.field.id == field)
            return {controls.*row.widget, spoken_name(controls, row)};
    for (const SelectorRow& row : selectors)
        if (field != InputField::none && row.id == field)
            return {controls.*row.widget, spoken_name(controls, row)};
    return {};
}

} // namespace quillet::ui
