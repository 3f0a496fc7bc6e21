#pragma once

// Readable values in failing assertions and test names: money as its amount,
// table rows by their name, not as raw bytes.

#include "engine/currency.h"
#include "engine/text_forms.h"

#include <concepts>
#include <ostream>

namespace quillet {

inline void PrintTo(Currency m, std::ostream* os) {
    *os << format_money_plain(m) << " (count " << m.count() << ")";
}

namespace { // the test files' own rows live in their unnamed namespace

template <class Row>
concept named_row = requires(const Row& r) {
    { r.name } -> std::convertible_to<const char*>;
};

template <named_row Row> void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

} // namespace
} // namespace quillet
