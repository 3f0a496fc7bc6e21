#pragma once

#include "engine/text_readings.h"

#include <QLocale>

namespace quillet::ui {

// The locale's way of writing numbers, for the price checks, the run and
// what the user reads and copies: its decimal point, group separator and
// group sizes, minus sign and digits, not its currency symbol (every amount
// is in dollars). A locale without a decimal point keeps the full stop; an
// empty group separator means amounts are not grouped. The default locale
// is the system's, whose numbers follow LC_NUMERIC where it is set.
NumberConventions number_conventions(const QLocale& locale = QLocale());

} // namespace quillet::ui
