#pragma once

// The two text forms results are written in. Both always use the full stop
// and no group separator, whatever the user's locale, so that the
// leading-number reading reads every result back exactly.

#include "currency.h"
#include "text_readings.h"

#include <string>
#include <string_view>

namespace quillet {

// "0.00" form: two decimals, at least one digit before the point, a minus sign
// for negative values, nothing else. A value with more decimals is written at
// its nearest cent, a value exactly halfway going away from zero: 0.125 gives
// 0.13, -0.125 gives -0.13. Zero is "0.00" also when a negative value rounds
// to it. A double is halfway as for nearest_cent(double); infinities and NaN
// are written "inf", "-inf" and "nan" (the engine never hands them over).
std::string format_cents(Currency m);
std::string format_cents(double x);

// Plain form: as many decimals as the value needs, no trailing zeros, no point
// for whole amounts: 2.00 is "2", 0.10 is "0.1", 0.05 is "0.05", -0.52 is "-0.52".
std::string format_money_plain(Currency m);

enum class Form { own, spreadsheet };

// A text of the forms above ("-1234.50") as the user writes numbers: the
// locale's decimal point and minus sign, and its own digits; no grouping. The
// strict reading reads it back exactly under the same conventions. For what
// the user types, reads and copies; the result fields keep the forms above.
// The spreadsheet form keeps only the locale's decimal point: ASCII digits and
// the hyphen-minus are what spreadsheets read in every locale, while
// LibreOffice Calc reads Arabic's minus (a direction mark and a hyphen) and
// Swedish's (U+2212) as text.
std::string in_user_form(std::string_view plain, const NumberConventions& conventions,
                         Form form = Form::own);

} // namespace quillet
