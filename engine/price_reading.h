#pragma once

// How a price field's text becomes an amount, in every stage and in the
// driver's gate alike, so that a price the field check accepted means what
// the user typed wherever it is read:
//  - the field's exact keyword ("None", or "Free" for the item cost) is 0;
//  - a text that reads as a number as a whole, under the user's conventions,
//    is its strict reading ("1,000.00" is 1000, "$-5" is -5, "0.00005" is 0);
//  - anything else ("none", "12abc") keeps the lenient leading number.

#include "conversions.h"
#include "stages.h"
#include "text_readings.h"
#include "window_state.h"

#include <array>
#include <optional>
#include <string_view>

namespace quillet {

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

// A price field of the record: its text, the keyword that stands for no
// amount there, and its name in failure reports.
struct PriceField {
    std::string WindowState::*text;
    std::string_view keyword;
    InputField id;
};

// The field's amount by the rule above.
inline PriceAmount read_price(const WindowState& s, const PriceField& field,
                              const NumberConventions& conventions) {
    return read_price(s.*field.text, field.keyword, conventions);
}

namespace prices {
inline constexpr PriceField end_price{&WindowState::txt_end_price, keyword_none,
                                      InputField::txt_end_price};
inline constexpr PriceField ship_charged{&WindowState::txt_ship_charged, keyword_none,
                                         InputField::txt_ship_charged};
inline constexpr PriceField item_cost{&WindowState::txt_item_cost, keyword_free,
                                      InputField::txt_item_cost};
inline constexpr PriceField ship_cost{&WindowState::txt_ship_cost, keyword_none,
                                      InputField::txt_ship_cost};
inline constexpr PriceField other_costs{&WindowState::txt_other_costs, keyword_none,
                                        InputField::txt_other_costs};
// The five the sale stages read by the rule above, in the record's order.
inline constexpr std::array<PriceField, 5> sale{
    {end_price, ship_charged, item_cost, ship_cost, other_costs}};
// The window's sixth price field; the listing fee reads it strictly, not by
// the rule above.
inline constexpr PriceField reserve{&WindowState::txt_reserve, keyword_none,
                                    InputField::txt_reserve};
} // namespace prices

} // namespace quillet
