#include "ui/main_window/no_sale_note.h"

#include <QLabel>

namespace quillet::ui {

QString no_sale_words(NoSale why) {
    switch (why) {
    case NoSale::below_reserve:
        return QStringLiteral("Would not sell: below the reserve");
    case NoSale::below_starting_band:
        return QStringLiteral("Would not sell: below the starting price");
    case NoSale::none:
        break;
    }
    return {};
}

void show_no_sale(QLabel* note, NoSale why) {
    note->setText(no_sale_words(why));
}

} // namespace quillet::ui
