#pragma once

// What a result field may show, as the engine writes it: the driver's fuzz
// target and the window's soak both judge results by it. Checked by hand
// rather than by regular expression to keep the fuzzer fast.

#include "engine/window_state.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace quillet::fuzz {

namespace detail {

// Reads -?(0|[1-9][0-9]*) from the front: a minus sign, then digits without
// a superfluous leading zero. Returns the length, 0 when there is none.
inline std::size_t whole_part(std::string_view text) {
    std::size_t i = text.starts_with('-') ? 1 : 0;
    const std::size_t first = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    if (i == first || (text[first] == '0' && i - first > 1))
        return 0;
    return i;
}

inline bool all_zero_digits(std::string_view text) {
    return text.find_first_not_of("-0.") == std::string_view::npos;
}

} // namespace detail

// "0.00" form: -?(0|[1-9][0-9]*)\.[0-9]{2}, and never "-0.00".
inline bool is_cents_form(std::string_view text) {
    const std::size_t whole = detail::whole_part(text);
    if (whole == 0 || text.size() != whole + 3 || text[whole] != '.')
        return false;
    for (std::size_t i = whole + 1; i < text.size(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return false;
    return !(text.starts_with('-') && detail::all_zero_digits(text));
}

// Plain form of a cent amount: -?(0|[1-9][0-9]*)(\.[0-9]?[1-9])?, never "-0".
inline bool is_plain_cents_form(std::string_view text) {
    const std::size_t whole = detail::whole_part(text);
    if (whole == 0)
        return false;
    if (whole < text.size()) {
        const std::string_view fraction = text.substr(whole);
        if (fraction.size() < 2 || fraction.size() > 3 || fraction[0] != '.' ||
            fraction.back() < '1' || fraction.back() > '9' ||
            (fraction.size() == 3 && (fraction[1] < '0' || fraction[1] > '9')))
            return false;
    }
    return !(text.starts_with('-') && detail::all_zero_digits(text));
}

// Empty (not written), or the field's form: the final value fee plain, every
// other result, the margin too, in "0.00" form.
inline bool is_result_text(std::string WindowState::*field, std::string_view text) {
    if (text.empty())
        return true;
    return field == &WindowState::txt_fvf ? is_plain_cents_form(text) : is_cents_form(text);
}

} // namespace quillet::fuzz
