#include "driver.h"

#include "price_reading.h"
#include "sale_outcomes.h"

namespace quillet {

// The order of dependence: each stage reads the results written above it.
const std::array<StageEntry, 8> stages{{
    {Stage::listing_fee, calc_listing_fee, {&WindowState::txt_list_fee}},
    {Stage::paypal_fee, calc_paypal_fee, {&WindowState::txt_paypal_fee}},
    {Stage::final_value_fee,
     calc_final_value_fee,
     {&WindowState::txt_fvf, &WindowState::Txt_ebay_fees}},
    {Stage::total_fees, calc_total_fees, {&WindowState::txt_total_fee}},
    {Stage::total_received, calc_total_received, {&WindowState::txt_total_recv}},
    {Stage::total_spent, calc_total_spent, {&WindowState::txt_total_spent}},
    {Stage::profit, calc_profit, {&WindowState::txt_profit}},
    {Stage::margin, calc_margin, {&WindowState::txt_profit_margin}},
}};

namespace {

// Runs one stage; a failure it throws becomes the run's outcome.
CalcOutcome run_stage(const StageEntry& entry, WindowState& state, const StageContext& context) {
    try {
        entry.run(state, context);
        return {Failure::none, entry.stage, InputField::none};
    } catch (const InputFailure& failure) {
        return {failure.failure, entry.stage, failure.field};
    } catch (const MoneyOutOfRange&) {
        return {Failure::out_of_range, entry.stage, InputField::none};
    }
}

} // namespace

bool sale_stages_run(const WindowState& state, const NumberConventions& conventions) {
    return !read_price(state, prices::end_price, conventions).is_zero();
}

CalcOutcome calculate(WindowState& state, const NumberConventions& conventions,
                      const NoticeSink& notify, FeeDetails* details) {
    if (details)
        *details = FeeDetails{};
    const StageContext context{conventions, notify, details};
    const std::size_t to_run = sale_stages_run(state, conventions) ? stages.size() : 1;
    CalcOutcome outcome;
    std::size_t done = 0;
    for (; done < to_run; ++done) {
        outcome = run_stage(stages[done], state, context);
        if (!outcome.ok())
            break;
    }
    // Every field this run did not write is emptied: a shut gate or a failure
    // leaves no figure of an earlier run beside the new ones.
    for (std::size_t i = done; i < stages.size(); ++i)
        for (ResultField field : stages[i].results)
            (state.*field).clear();
    if (details) {
        if (done == stages.size())
            details->shares = figure_shares(state);
        details->outcomes = sale_outcomes(state, *details, conventions);
    }
    return outcome;
}

} // namespace quillet
