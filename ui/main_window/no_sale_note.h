#pragma once

// The note between the buttons that says the item would not sell at the end
// price (engine/sale_outcomes.h: no_sale_at_end_price): shown by Calculate,
// gone with the next Calculate that no longer warrants it, or with Clear. A
// screen reader hears it with the outcome (announcement.h).

#include "engine/sale_outcomes.h"

#include <QString>

class QLabel;

namespace quillet::ui {

QString no_sale_words(NoSale why);

void show_no_sale(QLabel* note, NoSale why);

} // namespace quillet::ui
