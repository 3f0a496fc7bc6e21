#pragma once

// Number conventions as the window builds them for a few locales, written out
// here because the engine's tests run without Qt.

#include "engine/text_readings.h"

namespace quillet::test_conventions {

inline NumberConventions german() {
    return {",", "."};
}

inline NumberConventions french() {
    return {",", "\u202F"}; // narrow no-break space
}

inline NumberConventions indian() {
    NumberConventions c;
    c.higher_group_size = 2;
    return c;
}

inline NumberConventions arabic() {
    NumberConventions c{"\u066B", "\u066C"};
    c.minus_sign = "\u061C-";
    for (std::size_t i = 0; i < c.digits.size(); ++i)
        c.digits[i] = {'\xD9', static_cast<char>('\xA0' + i)}; // U+0660 and on
    return c;
}

} // namespace quillet::test_conventions
