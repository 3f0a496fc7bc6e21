// The lenient reading on any bytes: it never fails and never yields NaN. On a
// plain decimal it gives the nearest double, as glibc's strtod (correctly
// rounded) reads the same digits; on "&H" and "&O" digits the nearest double
// to that whole number.

#include "fuzz_check.h"

#include "engine/text_readings.h"

#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using quillet::leading_number;
using quillet::fuzz::require;

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

bool is_exponent_letter(char c) {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

// Bit for bit, so that -0 and 0 differ.
bool same(double a, double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

std::string without_blanks(std::string_view text) {
    std::string out;
    for (char c : text)
        if (!is_blank(c))
            out += c;
    return out;
}

struct PlainDecimal {
    std::string typed;     // blanks anywhere, exponent letter E, e, D or d
    std::string reference; // the same number in the form strtod reads
};

// Coerces bytes into [sign] digits [. digits] [exponent [sign] digits]:
// bytes that fit stay, others become digits, so a seed such as "12.50" or
// "2.5D-1" is kept as it is. Blanks stay where they stand, since the reading
// drops them wherever they are.
PlainDecimal plain_decimal(std::string_view bytes) {
    enum class Part { sign, whole, fraction, exponent_sign, exponent };
    Part part = Part::sign;
    bool have_digit = false;
    PlainDecimal out;
    const auto emit = [&out](char typed, char reference) {
        out.typed += typed;
        out.reference += reference;
    };
    const auto digit = [](char c) {
        return is_digit(c) ? c : static_cast<char>('0' + static_cast<unsigned char>(c) % 10);
    };
    for (char c : bytes) {
        if (is_blank(c)) {
            out.typed += c;
            continue;
        }
        switch (part) {
        case Part::sign:
            part = Part::whole;
            if (c == '+' || c == '-') {
                emit(c, c);
                break;
            }
            [[fallthrough]];
        case Part::whole:
            if (c == '.') {
                emit(c, c);
                part = Part::fraction;
                break;
            }
            [[fallthrough]];
        case Part::fraction:
            if (is_exponent_letter(c) && have_digit) {
                emit(c, 'e');
                part = Part::exponent_sign;
                break;
            }
            emit(digit(c), digit(c));
            have_digit = true;
            break;
        case Part::exponent_sign:
            part = Part::exponent;
            if (c == '+' || c == '-') {
                emit(c, c);
                break;
            }
            [[fallthrough]];
        case Part::exponent:
            emit(digit(c), digit(c));
            break;
        }
    }
    return out;
}

void check_plain_decimal(std::string_view bytes) {
    const PlainDecimal number = plain_decimal(bytes);
    // The process never sets a locale, so strtod reads the "C" conventions.
    const double expected = std::strtod(number.reference.c_str(), nullptr);
    require(same(leading_number(number.typed), expected), "plain decimal is not the nearest double",
            number.typed);
}

// "&H" and "&O" numbers, after the blanks are gone.
void check_radix_number(std::string_view text) {
    const std::string s = without_blanks(text);
    if (s.size() < 2 || s[0] != '&')
        return;
    const bool hex = s[1] == 'h' || s[1] == 'H';
    const bool octal = s[1] == 'o' || s[1] == 'O';
    if (!hex && !octal)
        return;
    std::size_t end = 2;
    while (end < s.size() && (hex ? std::isxdigit(static_cast<unsigned char>(s[end])) != 0
                                  : s[end] >= '0' && s[end] <= '7'))
        ++end;
    std::string digits = s.substr(2, end - 2);
    if (octal) {
        // Four octal digits are twelve bits, three hexadecimal digits.
        digits.insert(0, (4 - digits.size() % 4) % 4, '0');
        std::string hex_digits;
        for (std::size_t i = 0; i < digits.size(); i += 4) {
            const unsigned long group = std::stoul(digits.substr(i, 4), nullptr, 8);
            for (int shift = 8; shift >= 0; shift -= 4)
                hex_digits += "0123456789abcdef"[(group >> shift) & 0xf];
        }
        digits = hex_digits;
    }
    // glibc reads hexadecimal floating text with one correct rounding too.
    const double expected = digits.empty() ? 0 : std::strtod(("0x" + digits).c_str(), nullptr);
    require(same(leading_number(text), expected), "&H or &O number misread", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    require(!std::isnan(leading_number(bytes)), "reading is NaN", bytes);
    check_plain_decimal(bytes);
    check_radix_number(bytes);
    return 0;
}
