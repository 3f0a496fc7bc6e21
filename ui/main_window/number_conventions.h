#pragma once

#include "engine/text_readings.h"

#include <QLocale>

namespace quillet::ui {

// The locale's way of writing numbers, for the price checks and the run: its
// decimal point and group separator, not its currency symbol (every amount is
// in dollars). A locale without a decimal point keeps the full stop; an empty
// group separator means amounts are not grouped.
NumberConventions number_conventions(const QLocale& locale = QLocale());

} // namespace quillet::ui
