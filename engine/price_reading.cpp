#include "price_reading.h"

namespace quillet {

PriceAmount read_price(std::string_view text, std::string_view keyword,
                       const NumberConventions& conventions) {
    PriceAmount amount;
    if (text == keyword)
        return amount;
    const MoneyReading strict = money_from_text(text, conventions);
    if (strict.ok()) {
        amount.money_ = strict.value;
    } else if (strict.failure == Failure::out_of_range) {
        amount.kind_ = PriceAmount::Kind::out_of_range;
    } else {
        amount.kind_ = PriceAmount::Kind::lenient; // not a number as a whole
        amount.lenient_ = leading_number(text);
    }
    return amount;
}

std::optional<Currency> PriceAmount::as_money() const {
    switch (kind_) {
    case Kind::exact:
        return money_;
    case Kind::lenient:
        return money_from_double(lenient_);
    case Kind::out_of_range:
        break;
    }
    return std::nullopt;
}

std::optional<double> PriceAmount::as_double() const {
    switch (kind_) {
    case Kind::exact:
        return money_to_double(money_);
    case Kind::lenient:
        return in_money_range(lenient_) ? std::optional<double>(lenient_) : std::nullopt;
    case Kind::out_of_range:
        break;
    }
    return std::nullopt;
}

bool PriceAmount::is_zero() const {
    switch (kind_) {
    case Kind::exact:
        return money_ == Currency{};
    case Kind::lenient:
        return lenient_ == 0;
    case Kind::out_of_range:
        break;
    }
    return false;
}

} // namespace quillet
