#include "ui/main_window/compare_rows.h"

#include "ui/main_window/control_table.h"
#include "ui/main_window/qt_text.h"

namespace quillet::ui {

namespace {

QString yes_no(CheckState state) {
    return is_ticked(state) ? QStringLiteral("Yes") : QStringLiteral("No");
}

} // namespace

QList<CompareRow> compare_rows(const Controls& c) {
    QList<CompareRow> rows;
    using Kind = CompareRow::Kind;
    const auto price = [&](const PriceFieldRow& row) {
        rows.append(
            {spoken_name(c, row), Kind::input,
             [text = row.field.text](const KeptListing& l) { return qstring(l.record.*text); }});
    };
    const auto selector = [&](const SelectorRow& row) {
        rows.append({spoken_name(c, row), Kind::input,
                     [text = row.text](const KeptListing& l) { return qstring(l.record.*text); }});
    };
    price(price_fields[0]); // item cost
    selector(selectors[0]); // starting band
    selector(selectors[1]); // Buy-It-Now band
    for (std::size_t i = 1; i < price_fields.size(); ++i)
        price(price_fields[i]);
    selector(selectors[2]); // pictures
    for (const OptionRow& row : options)
        rows.append({spoken_name(c, row), Kind::input, [state = row.state](const KeptListing& l) {
                         return yes_no(l.record.*state);
                     }});
    for (const ResultRow& row : results)
        rows.append({spoken_name(c, row),
                     row.widget == &Controls::txt_profit ? Kind::profit : Kind::figure,
                     [text = row.text](const KeptListing& l) { return qstring(l.record.*text); }});
    rows.append({QStringLiteral("Return on Cost %"), Kind::figure,
                 [](const KeptListing& l) { return qstring(l.shares.return_on_cost); }});
    rows.append({QStringLiteral("Fees Share of Received %"), Kind::figure,
                 [](const KeptListing& l) { return qstring(l.shares.fees_of_received); }});
    return rows;
}

} // namespace quillet::ui
