#pragma once

// The rows of Fee Details, as words: what each part of the last calculation
// is and its amount, every amount as the engine recorded it. The listing fee
// line by line with the decimals each line has, its one rounding and the fee
// the window shows; the final value and PayPal fees with their formulas; the
// two shares; the profit at three ends of the auction.

#include "engine/fee_details.h"
#include "engine/text_readings.h"

#include <QList>
#include <QString>

#include <functional>

namespace quillet::ui {

struct DetailRow {
    QString what;
    QString amount; // the engine's plain form ("3.125", "-2.87"); empty where there is none
};

// The caption of an option's box in the main window.
using BoxCaption = std::function<QString(CheckState WindowState::*)>;

QList<DetailRow> detail_rows(const FeeDetails& details, const BoxCaption& caption_of);

// As Copy Figures puts them on the clipboard: a "what<TAB>amount" line each,
// the amount in the spreadsheet form of the user's conventions, after a first
// line that says they are out of date when they are.
QString details_text(const QList<DetailRow>& rows, bool out_of_date,
                     const NumberConventions& conventions);

// What a screen reader hears once they are copied.
QString details_copied_words(bool out_of_date);

} // namespace quillet::ui
