// The whole calculation on records built from the fuzzer's bytes, run one
// after another on the same window state as a person would press
// "Calculate". After every run:
//  - each result field is empty or well formed, and the listing fee is never
//    negative;
//  - a failure names the stage, and the input at fault when there is one:
//    a named input is at fault on its own, and with none named no input the
//    stage reads is;
//  - the stages before the failing one show figures, it and those after it
//    show nothing; with the gate shut no sale field holds a figure, whatever
//    an earlier run left there;
//  - a second "Calculate" without changes shows the same, and so does a run
//    on a copy of the same state;
//  - a price that reads as a number as a whole gives the same figures as the
//    same amount written plainly: every stage and the gate see one amount.

#include "fuzz_check.h"
#include "record_decoder.h"
#include "result_forms.h"

#include "engine/conversions.h"
#include "engine/driver.h"
#include "engine/fee_schedule.h"
#include "engine/price_reading.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace quillet;
using fuzz::require;

// The amounts a stage reads that can be at fault on their own.
std::vector<InputField> inputs_of(Stage stage) {
    switch (stage) {
    case Stage::listing_fee:
        return {InputField::txt_reserve, InputField::combo_num_pics};
    case Stage::paypal_fee:
        return {InputField::txt_end_price, InputField::txt_ship_charged};
    case Stage::final_value_fee:
        return {InputField::txt_end_price};
    case Stage::total_fees:
        return {InputField::txt_other_costs};
    case Stage::total_received:
        return {InputField::txt_ship_charged, InputField::txt_end_price};
    case Stage::total_spent:
        return {InputField::txt_item_cost, InputField::txt_ship_cost};
    case Stage::profit:
    case Stage::margin:
        break;
    }
    return {};
}

std::string describe(const WindowState& s) {
    std::string out = "start=" + s.cmb_start_price + " reserve=" + s.txt_reserve +
                      " bin=" + s.cmb_bin + " pics=" + s.combo_num_pics +
                      " end=" + s.txt_end_price + " charged=" + s.txt_ship_charged +
                      " item=" + s.txt_item_cost + " ship=" + s.txt_ship_cost +
                      " other=" + s.txt_other_costs + " results=";
    for (const StageEntry& stage : stages)
        for (ResultField field : stage.results)
            out += "[" + s.*field + "]";
    return out;
}

// Whether the input alone makes the stage fail, whatever the other inputs.
bool at_fault(InputField field, Stage stage, const WindowState& s, const NumberConventions& c) {
    if (field == InputField::txt_reserve)
        return !is_keyword(s.txt_reserve, keyword_none) && !money_from_text(s.txt_reserve, c).ok();
    if (field == InputField::combo_num_pics) {
        const double extra = leading_number(s.combo_num_pics) - 1;
        return !is_ticked(s.chk_pic_pack) && extra > 0 &&
               !in_money_range(extra * extra_picture_rate);
    }
    if (field == InputField::txt_end_price && stage == Stage::paypal_fee)
        return !money_from_text(s.txt_end_price, c).ok();
    // A sale price is at fault when its amount cannot become money.
    const auto price = std::find_if(prices::sale.begin(), prices::sale.end(),
                                    [field](const PriceField& p) { return p.id == field; });
    return price != prices::sale.end() && !read_price(s, *price, c).as_money();
}

// The same state with every price that reads as a number written as its
// whole count of ten-thousandths with an exponent ("12345E-4"), which every
// reading of a text, strict or lenient, takes at the same amount.
WindowState with_prices_canonical(WindowState s, const NumberConventions& c) {
    for (const PriceField& price : prices::sale) {
        const MoneyReading amount = money_from_text(s.*price.text, c);
        if (amount.ok())
            s.*price.text = std::to_string(amount.value.count()) + "E-4";
    }
    return s;
}

bool same_results(const WindowState& a, const WindowState& b) {
    return std::all_of(stages.begin(), stages.end(), [&](const StageEntry& st) {
        return std::all_of(st.results.begin(), st.results.end(),
                           [&](ResultField f) { return a.*f == b.*f; });
    });
}

bool same_outcome(const CalcOutcome& a, const CalcOutcome& b) {
    return a.failure == b.failure && a.stage == b.stage && a.field == b.field;
}

bool in_insertion_table(const std::string& label) {
    return std::any_of(insertion_fees.begin(), insertion_fees.end(),
                       [&](const Band& band) { return band.label == label; });
}

struct Run {
    WindowState state;
    CalcOutcome outcome;
    std::size_t notices = 0;
};

Run run(const WindowState& before, const NumberConventions& conventions) {
    Run r{before, {}, 0};
    const NoticeSink sink = [&r](Notice) { ++r.notices; };
    r.outcome = calculate(r.state, conventions, sink);
    return r;
}

void check_failure(const WindowState& before, const Run& r, const NumberConventions& c,
                   std::size_t to_run, const std::string& what) {
    const auto failing =
        std::find_if(stages.begin(), stages.begin() + to_run,
                     [&](const StageEntry& st) { return st.stage == r.outcome.stage; });
    require(failing != stages.begin() + to_run, "failure names a stage that did not run", what);
    const std::vector<InputField> inputs = inputs_of(failing->stage);
    if (r.outcome.field == InputField::none) {
        require(r.outcome.failure != Failure::conversion, "conversion failure names no field",
                what);
        require(std::none_of(inputs.begin(), inputs.end(),
                             [&](InputField f) { return at_fault(f, r.outcome.stage, before, c); }),
                "failure names no field although an input is at fault", what);
    } else {
        require(std::find(inputs.begin(), inputs.end(), r.outcome.field) != inputs.end(),
                "failure names a field the stage does not read", what);
        require(at_fault(r.outcome.field, r.outcome.stage, before, c),
                "failure names a field that is not at fault", what);
    }
    for (auto st = stages.begin(); st != stages.end(); ++st)
        for (ResultField f : st->results)
            require((r.state.*f).empty() == (st >= failing),
                    st < failing ? "stage before the failure shows nothing"
                                 : "failing or later stage shows a figure",
                    what);
}

void check_run(const WindowState& before, const Run& r, const NumberConventions& c) {
    const std::string what = describe(before) + " -> " + describe(r.state);
    for (const StageEntry& st : stages)
        for (ResultField f : st.results)
            require(fuzz::is_result_text(f, r.state.*f), "result field not well formed", what);
    require(!r.state.txt_list_fee.starts_with('-'), "negative listing fee", what);
    require(r.notices <= 1, "more than one notice", what);
    if (in_insertion_table(before.cmb_start_price))
        require(r.notices == 0, "notice for a start label in the table", what);

    const bool gate = sale_stages_run(before, c);
    const std::size_t to_run = gate ? stages.size() : 1;
    for (std::size_t i = to_run; i < stages.size(); ++i)
        for (ResultField f : stages[i].results)
            require((r.state.*f).empty(), "a sale field holds a figure with the gate shut", what);
    if (!r.outcome.ok()) {
        check_failure(before, r, c, to_run, what);
        return;
    }
    for (std::size_t i = 0; i < to_run; ++i)
        for (ResultField f : stages[i].results)
            require(!(r.state.*f).empty(), "stage ran but shows nothing", what);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    WindowState window;
    for (const fuzz::FuzzRecord& record : fuzz::decode_records(bytes)) {
        const WindowState before = fuzz::with_results_of(record.inputs, window);
        const Run first = run(before, record.conventions);
        check_run(before, first, record.conventions);

        const Run copy = run(before, record.conventions);
        const Run again = run(first.state, record.conventions);
        const std::string what = describe(before);
        require(same_results(copy.state, first.state) && same_outcome(copy.outcome, first.outcome),
                "two runs on the same state differ", what);
        require(same_results(again.state, first.state) &&
                    same_outcome(again.outcome, first.outcome),
                "a second Calculate changes the figures", what);
        // A price that reads as a number means the same amount to every
        // stage and to the gate, however it was written.
        const Run canonical =
            run(with_prices_canonical(before, record.conventions), record.conventions);
        require(same_results(canonical.state, first.state) &&
                    same_outcome(canonical.outcome, first.outcome),
                "a price that reads as a number means different amounts to the stages", what);
        window = first.state;
    }
    return 0;
}
