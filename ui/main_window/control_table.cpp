#include "ui/main_window/control_table.h"

#include "ui/main_window/qt_text.h"

#include "engine/fee_schedule.h"
#include "engine/text_readings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
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
    return is_keyword(text.toStdString(), keyword_none) || labels(bin_fees).contains(text);
}

bool picture_count_passes(const QString& text) {
    static const QRegularExpression whole_number(
        QRegularExpression::anchoredPattern(QStringLiteral("[ \\t]*[0-9]+[ \\t]*")));
    return whole_number.match(text).hasMatch();
}

QString caption_words(const QWidget* captioned) {
    QString caption;
    if (const auto* frame = qobject_cast<const QGroupBox*>(captioned))
        caption = frame->title();
    else if (const auto* label = qobject_cast<const QLabel*>(captioned))
        caption = label->text();
    caption = caption.trimmed();
    if (caption.endsWith(u':'))
        caption.chop(1);
    return caption.trimmed();
}

namespace {

// The caption of the frame an input sits in.
QString frame_words(const QWidget* input) {
    return caption_words(input->parentWidget());
}

} // namespace

QString spoken_name(const Controls& c, const PriceFieldRow& row) {
    return frame_words(c.*row.widget);
}

QString spoken_name(const Controls& c, const SelectorRow& row) {
    return row.label ? caption_words(c.*row.label) : frame_words(c.*row.widget);
}

QString spoken_name(const Controls& c, const ResultRow& row) {
    return caption_words(c.*row.label);
}

QString spoken_name(const Controls& c, const OptionRow& row) {
    return row.spoken.empty() ? (c.*row.widget)->text() : qstring(row.spoken);
}

void watch_inputs(const Controls& c, QObject* context, const std::function<void()>& changed) {
    for (const PriceFieldRow& row : price_fields)
        QObject::connect(c.*row.widget, &QLineEdit::textChanged, context, changed);
    for (const SelectorRow& row : selectors)
        QObject::connect(c.*row.widget, &QComboBox::currentTextChanged, context, changed);
    for (const OptionRow& row : options)
        QObject::connect(c.*row.widget, &QCheckBox::toggled, context, changed);
}

} // namespace quillet::ui
