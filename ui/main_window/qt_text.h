#pragma once

// The tables (fee bands, prompts, help lines) and the record hold UTF-8 text;
// the widgets want QString.

#include <QString>

#include <string_view>

namespace quillet::ui {

inline QString qstring(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace quillet::ui
