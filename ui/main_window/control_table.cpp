#include "ui/main_window/control_table.h"

#include "ui/main_window/qt_text.h"

#include "engine/fee_schedule.h"

#include <QRegularExpression>

namespace quillet::ui {

namespace {

template <std::size_t N> QStringList labels(const std::array<Band, N>& bands) {
    QStringList out;
    for (const Band& band : bands)
        out << qstring(band.label);
    return out;
}

} // namespace

QStringList start_band_items() {
    return labels(insertion_fees);
}

QStringList bin_band_items() {
    return QStringList{qstring(keyword_none)} + labels(bin_fees);
}

QStringList picture_count_items() {
    QStringList out;
    for (int n = 1; n <= 12; ++n)
        out << QString::number(n);
    return out;
}

bool start_band_passes(const QString& text) {
    return start_band_items().contains(text);
}

bool bin_band_passes(const QString& text) {
    return text.compare(qstring(keyword_none), Qt::CaseInsensitive) == 0 ||
           labels(bin_fees).contains(text);
}

bool picture_count_passes(const QString& text) {
    static const QRegularExpression whole_number(
        QRegularExpression::anchoredPattern(QStringLiteral("[ \\t]*[0-9]+[ \\t]*")));
    return whole_number.match(text).hasMatch();
}

} // namespace quillet::ui
