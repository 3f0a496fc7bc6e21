#include "ui/main_window/number_conventions.h"

namespace quillet::ui {

NumberConventions number_conventions(const QLocale& locale) {
    NumberConventions conventions;
    if (const QString point = locale.decimalPoint(); !point.isEmpty())
        conventions.decimal_point = point.toStdString();
    conventions.group_separator = locale.groupSeparator().toStdString();
    if (conventions.group_separator == conventions.decimal_point)
        conventions.group_separator.clear();
    return conventions;
}

} // namespace quillet::ui
