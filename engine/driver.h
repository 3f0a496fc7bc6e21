#pragma once

// The calculation driver: one press of "Calculate".
//
//   calc_listing_fee          always          -> txt_list_fee
//   -- gate: end price not "None" and its amount not 0 --
//   calc_paypal_fee           payment fee     -> txt_paypal_fee
//   calc_final_value_fee      final value fee -> txt_fvf, Txt_ebay_fees
//   calc_total_fees           totals          -> txt_total_fee
//   calc_total_received                       -> txt_total_recv
//   calc_total_spent                          -> txt_total_spent
//   calc_profit                               -> txt_profit
//   calc_margin                               -> txt_profit_margin
//
// Each stage reads earlier results back from the texts written before it.
// Asked for details, the stages record the parts they add up as they go.
// Every result field a run does not write, because the gate is shut or a
// stage failed, is left empty, as Clear leaves it: what the window shows
// always belongs to the inputs of the last run.

#include "fee_details.h"
#include "stages.h"
#include "text_readings.h"
#include "window_state.h"

#include <array>
#include <concepts>
#include <cstddef>
#include <string>

namespace quillet {

using ResultField = std::string WindowState::*;

// The one or two result fields a stage writes; a value that owns them, unlike
// an initializer list, so that a table of stages can hold it.
class ResultFields {
public:
    template <std::same_as<ResultField>... Fields>
    requires(sizeof...(Fields) >= 1 &&
             sizeof...(Fields) <= 2) constexpr ResultFields(Fields... fields)
        : fields_{fields...}
        , count_(sizeof...(Fields)) {}

    constexpr const ResultField* begin() const { return fields_.data(); }
    constexpr const ResultField* end() const { return fields_.data() + count_; }

private:
    std::array<ResultField, 2> fields_{};
    std::size_t count_;
};

struct StageEntry {
    Stage stage;
    void (*run)(WindowState&, const StageContext&);
    ResultFields results;
};

// The stages in the order of dependence, each with the result fields it writes.
extern const std::array<StageEntry, 8> stages;

// Runs the stages on the record. On a failure the run stops at the failing
// stage; that stage's result fields and those of every later stage are
// emptied, so no stale figure stands beside new ones. A shut gate empties the
// sale stages' fields in the same way.
//
// With `details`, it is refilled: each stage that succeeds records its parts;
// after a complete run come the figure shares; and the sale outcomes, which
// run the calculation once more, at the lowest price the item can sell for.
CalcOutcome calculate(WindowState& state, const NumberConventions& conventions,
                      const NoticeSink& notify, FeeDetails* details = nullptr);

// The gate on the end price: open unless its text is "None" or its amount,
// read as every stage reads it, is 0.
bool sale_stages_run(const WindowState& state, const NumberConventions& conventions);

} // namespace quillet
