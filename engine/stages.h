#pragma once

// The fee stages. Each reads the record's inputs and the result texts written
// before it, and writes its own result fields only when it succeeds. A stage
// that cannot go on throws: InputFailure when one input is at fault on its
// own, MoneyOutOfRange when a sum or product of amounts in range leaves the
// range. The driver catches both and names the stage.

#include "fee_details.h"
#include "text_readings.h"
#include "window_state.h"

#include <exception>
#include <functional>

namespace quillet {

enum class Stage {
    listing_fee,
    paypal_fee,
    final_value_fee,
    total_fees,
    total_received,
    total_spent,
    profit,
    margin,
};

// The input whose amount is at fault; none when no single input is (a sum of
// amounts that are each in range).
enum class InputField {
    none,
    txt_reserve,
    combo_num_pics,
    txt_end_price,
    txt_ship_charged,
    txt_item_cost,
    txt_ship_cost,
    txt_other_costs,
};

struct InputFailure : std::exception {
    InputFailure(Failure f, InputField at)
        : failure(f)
        , field(at) {}
    const char* what() const noexcept override { return "input cannot be used"; }
    Failure failure;
    InputField field;
};

struct CalcOutcome {
    Failure failure = Failure::none;
    Stage stage = Stage::listing_fee;
    InputField field = InputField::none;
    bool ok() const { return failure == Failure::none; }
};

// What a stage tells the user while it goes on; the window owns the words.
enum class Notice { invalid_start_price_range };
using NoticeSink = std::function<void(Notice)>;

struct StageContext {
    const NumberConventions& conventions;
    const NoticeSink& notify;
    FeeDetails* details = nullptr; // where the stages record their parts, when asked
};

void calc_listing_fee(WindowState& s, const StageContext& ctx);
void calc_paypal_fee(WindowState& s, const StageContext& ctx);
void calc_final_value_fee(WindowState& s, const StageContext& ctx);
void calc_total_fees(WindowState& s, const StageContext& ctx);
void calc_total_received(WindowState& s, const StageContext& ctx);
void calc_total_spent(WindowState& s, const StageContext& ctx);
void calc_profit(WindowState& s, const StageContext& ctx);
void calc_margin(WindowState& s, const StageContext& ctx);

// The arithmetic of the sale stages that move with the end price, on amounts
// rather than texts, for the target price search to reason about many prices
// at once.
//  - The payment fee on the amount paid, in double precision before any
//    rounding, and that fee as shown: at the ten-thousandth, then the cent.
double paypal_fee_unrounded(Currency paid);
Currency paypal_fee_shown(double unrounded);
//  - The final value fee on an end price, its tier and each part.
FinalValueFeeParts final_value_fee(Currency end_price);
//  - The amount received as shown.
Currency total_received(Currency shipping, Currency end_price);

// After the last stage: the two further percentages of the figures as shown.
FigureShares figure_shares(const WindowState& s);

} // namespace quillet
