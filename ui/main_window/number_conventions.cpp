#include "ui/main_window/number_conventions.h"

#include <QStringList>

namespace quillet::ui {

namespace {

// Qt does not tell a locale's group sizes; they show in a long number as it
// writes one ("1,23,45,67,890" in India). Counted in characters, not UTF-16
// units, for digits beyond the Basic Multilingual Plane.
void read_group_sizes(const QLocale& locale, NumberConventions& conventions) {
    const QString separator = locale.groupSeparator();
    if (separator.isEmpty())
        return;
    const QStringList groups = locale.toString(Q_INT64_C(1234567890)).split(separator);
    if (groups.size() < 3)
        return;
    conventions.group_size = static_cast<int>(groups.at(groups.size() - 1).toUcs4().size());
    conventions.higher_group_size = static_cast<int>(groups.at(groups.size() - 2).toUcs4().size());
}

} // namespace

NumberConventions number_conventions(const QLocale& locale) {
    NumberConventions conventions;
    if (const QString point = locale.decimalPoint(); !point.isEmpty())
        conventions.decimal_point = point.toStdString();
    conventions.group_separator = locale.groupSeparator().toStdString();
    if (conventions.group_separator == conventions.decimal_point)
        conventions.group_separator.clear();
    read_group_sizes(locale, conventions);
    if (const QString minus = locale.negativeSign(); !minus.isEmpty())
        conventions.minus_sign = minus.toStdString();
    for (int value = 0; value < 10; ++value)
        conventions.digits[static_cast<std::size_t>(value)] = locale.toString(value).toStdString();
    return conventions;
}

} // namespace quillet::ui
