#include "ui/main_window/accessibility.h"

#include "ui/main_window/control_table.h"
#include "ui/main_window/qt_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace quillet::ui {

void describe_controls(const Controls& c) {
    for (const PriceFieldRow& row : price_fields) {
        (c.*row.widget)->setAccessibleName(qstring(row.caption));
        (c.*row.widget)->setAccessibleDescription(qstring(row.help));
    }
    for (const SelectorRow& row : selectors) {
        (c.*row.widget)->setAccessibleName(qstring(row.spoken));
        if (row.label)
            (c.*row.label)->setBuddy(c.*row.widget); // the "labelled by" relation
    }
    for (const OptionRow& row : options) {
        if (!row.spoken.empty())
            (c.*row.widget)->setAccessibleName(qstring(row.spoken));
        if (!row.help.empty())
            (c.*row.widget)->setAccessibleDescription(qstring(row.help));
    }
    for (const ResultRow& row : results) {
        (c.*row.widget)->setAccessibleName(qstring(row.spoken));
        (c.*row.label)->setBuddy(c.*row.widget);
    }
}

} // namespace quillet::ui
