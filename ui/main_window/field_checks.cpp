#include "ui/main_window/field_checks.h"

#include "ui/main_window/qt_text.h"

#include "engine/fee_schedule.h"

#include <algorithm>

namespace quillet::ui {

namespace {

template <std::size_t N> bool is_band_label(const QString& text, const std::array<Band, N>& bands) {
    return std::any_of(bands.begin(), bands.end(),
                       [&](const Band& band) { return text == qstring(band.label); });
}

} // namespace

const PriceField* price_field(std::string_view control) {
    const auto* it = std::find_if(price_fields.begin(), price_fields.end(),
                                  [&](const PriceField& f) { return f.control == control; });
    return it == price_fields.end() ? nullptr : it;
}

bool price_text_passes(const QString& text, std::string_view keyword,
                       const NumberConventions& conventions) {
    return is_numeric_text(text.toStdString(), conventions) || text.toLower() == qstring(keyword);
}

bool start_band_passes(const QString& text) {
    return is_band_label(text, insertion_fees);
}

bool bin_band_passes(const QString& text) {
    return text.toLower() == qstring(bin_none).toLower() || is_band_label(text, bin_fees);
}

bool has_focus_check(std::string_view control) {
    return price_field(control) || control == "cmb_start_price" || control == "cmb_bin";
}

std::optional<Prompt> focus_check(std::string_view control, const QString& text,
                                  const NumberConventions& conventions) {
    if (const PriceField* field = price_field(control)) {
        if (price_text_passes(text, field->keyword, conventions))
            return std::nullopt;
        return field->prompt;
    }
    if (control == "cmb_start_price")
        return start_band_passes(text) ? std::nullopt
                                       : std::optional<Prompt>(prompts::invalid_start_range);
    if (control == "cmb_bin")
        return bin_band_passes(text) ? std::nullopt : std::optional<Prompt>(prompts::invalid_bin);
    return std::nullopt;
}

} // namespace quillet::ui
