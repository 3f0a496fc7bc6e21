#pragma once

#include "engine/text_readings.h"

#include <QLocale>

namespace quillet::ui {

// The locale's way of writing numbers, for the price checks and the run. A
// locale without a decimal point keeps the full stop; one without a currency
// symbol keeps "$" (which the engine accepts in every locale anyway); an empty
// group separator means amounts are not grouped.
NumberConventions number_conventions(const QLocale& locale = QLocale());

} // namespace quillet::ui
