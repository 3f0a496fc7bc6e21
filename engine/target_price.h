#pragma once

// The lowest ending price that meets a goal: a break-even, a profit or a
// margin, judged on the figures the calculation writes. Every candidate price
// is tried by the calculation itself, so the answer cannot drift from what
// "Calculate" shows.

#include "driver.h"
#include "window_state.h"

#include <cstdint>
#include <optional>

namespace quillet {

enum class TargetGoal { break_even, profit, margin };

struct TargetRequest {
    TargetGoal goal = TargetGoal::break_even;
    Currency target; // the profit in dollars or the margin in percent; unused for break-even
};

enum class TargetVerdict {
    found,
    input_fails,         // the calculation fails on an input other than the ending price
    negative_input,      // a cost or the shipping charged is below zero
    margin_out_of_reach, // the fees alone take more than the margin allows, at every price
    out_of_range,        // the figures leave the money range before the goal is met
};

struct TargetAnswer {
    TargetVerdict verdict = TargetVerdict::out_of_range;
    Currency price;      // found: whole cents, from 0.01 up
    WindowState figures; // found: the record as the calculation leaves it at that price
    CalcOutcome failure; // input_fails: the failure, with the field at fault
    InputField negative_field = InputField::none; // negative_input
    // found below the reserve, or below the lowest price of the chosen
    // starting band: the item would not sell there.
    std::optional<Currency> reserve_above;
    std::optional<Currency> band_lowest_above;
    std::int64_t calculations = 0; // how many prices were tried
};

// The lowest price p, in whole cents from 0.01 up, at which the calculation
// on `record` with the ending price p writes a profit (for a margin goal, a
// profit margin) at or above the target; break-even is a profit of at least
// 0.00. The record's own ending price is ignored.
TargetAnswer find_target_price(const WindowState& record, const NumberConventions& conventions,
                               const TargetRequest& request);

// The lowest price a starting band's label names ("$10 - $24.99" gives 10);
// empty for a label that is not a band.
std::optional<Currency> band_lowest_price(std::string_view label);

} // namespace quillet
