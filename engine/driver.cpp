#include "driver.h"

#include "price_reading.h"

#include <array>
#include <initializer_list>

namespace quillet {

namespace {

using StageFunction = CalcOutcome (*)(WindowState&, const StageContext&);
using ResultField = std::string WindowState::*;

struct StageEntry {
    StageFunction run;
    std::initializer_list<ResultField> results;
};

// The order of dependence: each stage reads the results written above it.
const std::array<StageEntry, 8> stages{{
    {calc_listing_fee, {&WindowState::txt_list_fee}},
    {calc_paypal_fee, {&WindowState::txt_paypal_fee}},
    {calc_final_value_fee, {&WindowState::txt_fvf, &WindowState::Txt_ebay_fees}},
    {calc_total_fees, {&WindowState::txt_total_fee}},
    {calc_total_received, {&WindowState::txt_total_recv}},
    {calc_total_spent, {&WindowState::txt_total_spent}},
    {calc_profit, {&WindowState::txt_profit}},
    {calc_margin, {&WindowState::txt_profit_margin}},
}};

} // namespace

bool sale_stages_run(const WindowState& state, const NumberConventions& conventions) {
    return !read_price(state.txt_end_price, keyword_none, conventions).is_zero();
}

CalcOutcome calculate(WindowState& state, const NumberConventions& conventions,
                      const NoticeSink& notify) {
    const StageContext context{conventions, notify};
    const std::size_t to_run = sale_stages_run(state, conventions) ? stages.size() : 1;
    for (std::size_t i = 0; i < to_run; ++i) {
        const CalcOutcome outcome = stages[i].run(state, context);
        if (outcome.ok())
            continue;
        for (std::size_t j = i; j < to_run; ++j)
            for (ResultField field : stages[j].results)
                (state.*field).clear();
        return outcome;
    }
    return {};
}

} // namespace quillet
