// The strict reading on any bytes, under several sets of conventions:
//  - the numeric test and the money conversion accept the same texts, the
//    conversion failing only on the range;
//  - an amount read comes back unchanged through the plain form;
//  - under US conventions the amount is the text's decimal value (checked
//    against strtod to within the double's precision);
//  - a US text written with another set's separators reads the same there,
//    but where that text is in the window's plain form, which every set reads.

#include "fuzz_check.h"

#include "engine/text_forms.h"
#include "engine/text_readings.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using quillet::Failure;
using quillet::format_money_plain;
using quillet::is_numeric_text;
using quillet::money_from_text;
using quillet::NumberConventions;
using quillet::fuzz::require;

const NumberConventions us{".", ","};

struct Set {
    NumberConventions conventions;
    bool translatable; // the US separators map one to one onto this set's
};

NumberConventions indian() {
    NumberConventions c;
    c.higher_group_size = 2;
    return c;
}

NumberConventions arabic() {
    NumberConventions c{"\xD9\xAB", "\xD9\xAC"};
    c.minus_sign = "\xD8\x9C-";
    for (std::size_t i = 0; i < c.digits.size(); ++i)
        c.digits[i] = {'\xD9', static_cast<char>('\xA0' + i)};
    return c;
}

// The window's sets for a few locales; the last is what it builds when a
// locale's group separator equals its decimal point.
const std::array<Set, 7> sets{{
    {us, true},
    {{",", "."}, true},            // German
    {{",", "\xE2\x80\xAF"}, true}, // French, narrow no-break space
    {{".", "\xE2\x80\x99"}, true}, // Swiss
    {indian(), false},             // groups of two above the first three
    {arabic(), true},
    {{",", ""}, false}, // no grouping
}};

constexpr std::array<std::string_view, 4> spaces{" ", "\xC2\xA0", "\xE2\x80\xAF", "\xE2\x80\x89"};

// "-1234.5678": the form the window writes its figures in.
bool is_plain(std::string_view text) {
    if (text.starts_with('-'))
        text.remove_prefix(1);
    const std::size_t point = std::min(text.find('.'), text.size());
    const auto digits = [](std::string_view d) {
        return std::all_of(d.begin(), d.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    const std::string_view decimals = text.substr(std::min(point + 1, text.size()));
    return point > 0 && digits(text.substr(0, point)) &&
           (point == text.size() ||
            (!decimals.empty() && decimals.size() <= 4 && digits(decimals)));
}

bool contains(std::string_view text, std::string_view token) {
    return !token.empty() && text.find(token) != std::string_view::npos;
}

void check_same_acceptance(std::string_view text, const NumberConventions& c) {
    const auto reading = money_from_text(text, c);
    require(is_numeric_text(text, c) == (reading.failure != Failure::conversion),
            "numeric test and money conversion disagree", text);
    if (!reading.ok())
        return;
    const std::string plain = format_money_plain(reading.value);
    const auto again = money_from_text(plain, us);
    require(again.ok() && again.value == reading.value, "plain form does not read back", plain);
}

// The US text with this set's separators, or nothing when the text already
// holds one of this set's own tokens (its own digits and minus sign, any space
// where it groups with one) and
// the mapping would not be one to one.
bool translate(std::string_view text, const NumberConventions& c, std::string& out) {
    std::vector<std::string_view> owns{c.decimal_point, c.group_separator, c.minus_sign};
    owns.insert(owns.end(), c.digits.begin(), c.digits.end());
    const auto shared_with_us = [](std::string_view t) {
        return t == "." || t == "," || t == "-" || (t.size() == 1 && t[0] >= '0' && t[0] <= '9');
    };
    for (std::string_view own : owns)
        if (!shared_with_us(own) && contains(text, own))
            return false;
    const auto is_space = [](std::string_view t) {
        return std::find(spaces.begin(), spaces.end(), t) != spaces.end();
    };
    if (is_space(c.group_separator)) {
        // A space is also a blank, which the reading skips at either end of
        // the number: only a comma between digits maps to one group separator.
        const auto digit = [&](std::size_t i) {
            return i < text.size() && text[i] >= '0' && text[i] <= '9';
        };
        for (std::size_t i = text.find(','); i != std::string_view::npos; i = text.find(',', i + 1))
            if (i == 0 || !digit(i - 1) || !digit(i + 1))
                return false;
        if (std::any_of(spaces.begin(), spaces.end(),
                        [&](std::string_view sp) { return contains(text, sp); }))
            return false;
    }
    out.clear();
    for (char ch : text)
        out += ch == '.' ? c.decimal_point : ch == ',' ? c.group_separator : std::string(1, ch);
    return true;
}

void check_translation(std::string_view text, const Set& set) {
    std::string translated;
    if (!set.translatable || !translate(text, set.conventions, translated))
        return;
    const auto in_us = money_from_text(text, us);
    const auto there = money_from_text(translated, set.conventions);
    if (in_us.failure == Failure::conversion && is_plain(translated))
        return;
    require(in_us.failure == there.failure && in_us.value == there.value,
            "reads differently with other separators", translated);
}

// The US reading against strtod on the same digits. The double is only near
// the decimal, so the counts may differ by what the double cannot hold.
void check_us_value(std::string_view text) {
    const auto reading = money_from_text(text, us);
    if (reading.failure == Failure::conversion)
        return;
    std::string digits;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto space = std::find_if(spaces.begin() + 1, spaces.end(), [&](std::string_view s) {
            return text.substr(i, s.size()) == s;
        });
        if (space != spaces.end())
            i += space->size() - 1;
        else if (c == 'd' || c == 'D')
            digits += 'e';
        else if (c != ' ' && c != '\t' && c != '$' && c != ',')
            digits += c;
    }
    const double x = std::strtod(digits.c_str(), nullptr);
    constexpr double range_edge = 922337203685477.5807;
    if (!reading.ok()) {
        require(std::fabs(x) >= range_edge - 1, "in-range amount refused", text);
        return;
    }
    require(std::fabs(x) <= range_edge + 1, "out-of-range amount accepted", text);
    const double count = x * 10000;
    const double slack = 1 + 2 * (std::nextafter(std::fabs(count), HUGE_VAL) - std::fabs(count));
    require(std::fabs(count - static_cast<double>(reading.value.count())) <= slack,
            "amount is not the text's value", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const Set& set : sets) {
        check_same_acceptance(text, set.conventions);
        check_translation(text, set);
    }
    check_us_value(text);
    return 0;
}
