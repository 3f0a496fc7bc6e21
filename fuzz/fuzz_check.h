#pragma once

// Stops a fuzz run when a property fails. libFuzzer keeps the input as a
// crash; the corpus replay exits non-zero. The text is printed escaped, since
// it is usually not printable.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace quillet::fuzz {

inline std::string escaped(std::string_view text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7f && c != '\\') {
            out += static_cast<char>(c);
        } else {
            static constexpr char hex[] = "0123456789abcdef";
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 0xf];
        }
    }
    return out;
}

[[noreturn]] inline void fail(std::string_view property, std::string_view detail) {
    std::fprintf(stderr, "fuzz property failed: %.*s\n  %s\n", static_cast<int>(property.size()),
                 property.data(), escaped(detail).c_str());
    std::abort();
}

inline void require(bool holds, std::string_view property, std::string_view detail) {
    if (!holds)
        fail(property, detail);
}

} // namespace quillet::fuzz
