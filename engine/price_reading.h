#pragma once

// How a price field's text becomes an amount, in every stage and in the
// driver's gate alike, so that a price the field check accepted means what
// the user typed wherever it is read:
//  - the field's exact keyword ("None", or "Free" for the item cost) is 0;
//  - a text that reads as a number as a whole, under the user's conventions,
//    is its strict reading ("1,000.00" is 1000, "$-5" is -5, "0.00005" is 0);
//  - anything else ("none", "12abc") keeps the lenient leading number.

#include "conversions.h"
#include "text_readings.h"

#include <optional>
#include <string_view>

namespace quillet {

// The keywords that stand for no amount in the price fields.
inline constexpr std::string_view keyword_none = "None";
inline constexpr std::string_view keyword_free = "Free";

class PriceAmount {
public:
    // The amount in the stage's working kind; empty when it lies outside the
    // money range (an out-of-range failure of the field).
    std::optional<Currency> as_money() const;
    std::optional<double> as_double() const;

    // Whether the amount is 0 exactly; an amount out of range is not.
    bool is_zero() const;

private:
    friend PriceAmount read_price(std::string_view, std::string_view, const NumberConventions&);

    enum class Kind { exact, out_of_range, lenient };
    Kind kind_ = Kind::exact;
    Currency money_;     // exact: the keyword's 0 or the strict reading
    double lenient_ = 0; // lenient: the leading number, unrounded
};

PriceAmount read_price(std::string_view text, std::string_view keyword,
                       const NumberConventions& conventions);

} // namespace quillet
