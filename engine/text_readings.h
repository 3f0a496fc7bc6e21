#pragma once

// The readings of a field's text: the lenient leading number, and the strict
// money reading behind both the numeric test and the money conversion.

#include "currency.h"

#include <array>
#include <string>
#include <string_view>

namespace quillet {

// The user's conventions for writing numbers; the window fills it from the
// system locale. Every amount in this tool is US dollars, so "$" is the only
// currency sign in every locale: the locale's own ("€") would name another
// currency, and an amount in it is not the dollar figure it would be read as.
struct NumberConventions {
    std::string decimal_point = ".";
    std::string group_separator = ","; // empty when the locale does not group
    // Digits in the group before the decimal point, and in each group before
    // it (India writes 1,23,456: 3, then 2).
    int group_size = 3;
    int higher_group_size = 3;
    std::string minus_sign = "-";
    // The locale's own digits, zero to nine; ASCII digits are read everywhere.
    std::array<std::string, 10> digits{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
};

// The lenient reading, independent of the locale, never failing:
//  - blanks, tabs and line feeds are removed wherever they stand ("1 234" is 1234);
//  - then the longest leading number is read: an optional sign, digits, a full
//    stop and digits, and an exponent (E or D in either case, an optional sign,
//    at least one digit): "12.50" 12.5, "2.5E2" 250, "1,000" 1, "12abc" 12,
//    "1.2.3" 1.2;
//  - "&H" or "&O" (either case) at the start reads hexadecimal or octal digits
//    as a whole number: "&HFF" 255, "&O17" 15;
//  - anything else ("None", "$5", "") is 0.
// Digits go to the nearest double; too large a value is an infinity.
double leading_number(std::string_view text);

// Whether the whole text is the keyword in any letter case ("NONE", "none").
bool is_keyword(std::string_view text, std::string_view keyword);

enum class Failure { none, conversion, out_of_range };

struct MoneyReading {
    Currency value;
    Failure failure = Failure::none;
    bool ok() const { return failure == Failure::none; }
};

// The strict reading. A text reads as a number when, as a whole, it is in
// the user's own form
//
//     [blanks] [prefix] number [exponent] [blanks] [currency] [blanks]
//
// where
//  - blanks are spaces (the ordinary, no-break, narrow no-break and thin
//    ones) and tabs;
//  - prefix is a sign (+, - or the locale's minus sign) and/or a currency
//    sign, in either order, with blanks allowed between them and before the
//    number: "-$5", "$-5", "$ 5";
//  - the currency sign "$" may stand either before the number or after it,
//    but only once: "$5", "5 $";
//  - number is digits (ASCII or the locale's own) with an optional decimal
//    point and digits after it, at least one digit in all ("5", "5.", ".5");
//    the digits before the point may be grouped with the group separator
//    (any of the spaces where the locale's separator is one), either in the
//    locale's group sizes or in groups of three, the first group never
//    longer than the others ("1,000.50", "12,345", India's "1,23,456");
//  - exponent is E or D in either case, an optional sign and ASCII digits
//    ("1e3");
// or, only where it is not in the user's form, in the window's own plain
// form: an optional "-", ASCII digits, and a full stop with one to four
// decimals ("-22.94"), so that the figures the window writes read back in
// every locale. Under German conventions "26.57" is 26.57 but "1.234" is 1234.
// Not accepted: parentheses for negatives, a trailing sign, two signs, a
// blank or separator inside the digits ("1 2", "1,00"), letters ("12abc"),
// any other currency sign ("5 €"), keywords ("None"), the empty text.
bool is_numeric_text(std::string_view text, const NumberConventions& conventions);

// The value of a text that is_numeric_text accepts, brought to the nearest
// ten-thousandth exactly from its decimal digits (a tie going to the even
// count); a conversion failure for any other text, and an out-of-range failure
// for a number beyond the money range.
MoneyReading money_from_text(std::string_view text, const NumberConventions& conventions);

// Whether a text that is_numeric_text accepts stands for an amount below 0:
// below 0 at the nearest ten-thousandth ("-5", "$-5", "-$5"), or beyond the
// money range on the negative side. "-0" and "-0.00001" are 0, not below it.
bool is_negative_number(std::string_view text, const NumberConventions& conventions);

} // namespace quillet
