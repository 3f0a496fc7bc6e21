// The fee engine's hot paths: a whole calculation, each reading and text form
// on its own, and the search for a target price. Allocations per iteration
// are reported beside the time.

#include "allocation_counter.h"

#include "engine/conversions.h"
#include "engine/driver.h"
#include "engine/fee_schedule.h"
#include "engine/target_price.h"
#include "engine/text_forms.h"
#include "engine/text_readings.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace quillet;

// Reports allocations per iteration; the state copy that restores the inputs
// is excluded by measuring it apart.
class AllocationReport {
public:
    explicit AllocationReport(benchmark::State& state)
        : state_(state)
        , start_(bench::allocations()) {}
    ~AllocationReport() {
        const auto made = bench::allocations() - start_ - excluded_;
        state_.counters["allocs"] =
            benchmark::Counter(static_cast<double>(made), benchmark::Counter::kAvgIterations);
    }
    void exclude(std::size_t n) { excluded_ += n; }

private:
    benchmark::State& state_;
    std::size_t start_;
    std::size_t excluded_ = 0;
};

WindowState typical_record() {
    WindowState s;
    s.cmb_start_price = "$10 - $24.99";
    s.chk_gallery = CheckState::ticked;
    s.txt_end_price = "24.99";
    s.txt_ship_charged = "5.00";
    s.txt_item_cost = "4.00";
    s.txt_ship_cost = "3.00";
    return s;
}

// Every option ticked, a reserve in the percent tier, long texts in every field.
WindowState worst_record() {
    WindowState s;
    for (const Upgrade& u : upgrades)
        s.*u.box = CheckState::ticked;
    s.chk_pic_show = s.chk_supersize = s.chk_doublecat = CheckState::ticked;
    s.cmb_bin = "$50 or more";
    s.txt_reserve = "  $1,234,567.891234  ";
    s.combo_num_pics = "  1 2 . 0 0 0 0 0 0 0 0 0 0 0 0 0 0 1  ";
    s.txt_end_price = "  123456789.123456789012345678901234567890  ";
    s.txt_ship_charged = "  1 234 567 . 891 234 567 891 234 567  ";
    s.txt_item_cost = "  000000000000000000000000000042.4200000000000000000  ";
    s.txt_ship_cost = "  9.99999999999999999999999999999999999999e2  ";
    s.txt_other_costs = "  -0.0000000000000000000000000000000000012345e30  ";
    return s;
}

// The engine only rewrites the results and the form-level fees, so one record
// serves every iteration, as the window's record does from one run to the next.
void run_calculation(benchmark::State& state, const WindowState& inputs) {
    const NumberConventions conventions;
    const NoticeSink notify = [](Notice) {};
    WindowState record = inputs;
    calculate(record, conventions, notify); // result texts at their usual size
    AllocationReport report(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(calculate(record, conventions, notify));
}

void BM_CalculateTypical(benchmark::State& state) {
    run_calculation(state, typical_record());
}
void BM_CalculateWorst(benchmark::State& state) {
    run_calculation(state, worst_record());
}

void BM_LeadingNumber(benchmark::State& state, const char* text) {
    AllocationReport report(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(leading_number(text));
}

void BM_MoneyFromText(benchmark::State& state, const char* text) {
    const NumberConventions conventions;
    AllocationReport report(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(money_from_text(text, conventions));
}

void BM_FormatCentsMoney(benchmark::State& state) {
    const Currency m = "1234.5678"_usd;
    AllocationReport report(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(format_cents(m));
}

void BM_FormatCentsDouble(benchmark::State& state) {
    double x = 35.93333333333333;
    AllocationReport report(state);
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(format_cents(x));
    }
}

// One Find; the calculations counter is how many prices the calculation was
// run at.
void find(benchmark::State& state, const WindowState& record, TargetGoal goal, const char* target) {
    const TargetRequest request{goal, money_from_text(target, {}).value};
    std::int64_t calculations = 0;
    for (auto _ : state) {
        const TargetAnswer answer = find_target_price(record, {}, request);
        calculations = answer.calculations;
        benchmark::DoNotOptimize(answer.price);
    }
    state.counters["calculations"] = static_cast<double>(calculations);
}

// Find on the typical listing.
void BM_FindTargetPrice(benchmark::State& state, TargetGoal goal, const char* target) {
    find(state, typical_record(), goal, target);
}

// The searches that once tried the most prices: margins close to the most the
// fees leave in each tier (with PayPal 91.85, 94.35 and 95.60 %, without it
// 94.75, 97.25 and 98.50 %), and profits near the top of the money range.
void BM_FindTargetPriceHard(benchmark::State& state, bool paypal, TargetGoal goal,
                            const char* target) {
    WindowState record = typical_record();
    record.chk_paypal = paypal ? CheckState::ticked : CheckState::unticked;
    find(state, record, goal, target);
}

} // namespace

BENCHMARK(BM_CalculateTypical);
BENCHMARK(BM_CalculateWorst);
BENCHMARK_CAPTURE(BM_LeadingNumber, short, "12.50");
BENCHMARK_CAPTURE(BM_LeadingNumber, long, "  1 234 567 . 891 234 567 891 234 567 e-3  ");
BENCHMARK_CAPTURE(BM_MoneyFromText, short, "12.50");
BENCHMARK_CAPTURE(BM_MoneyFromText, grouped, "$1,234,567.89");
BENCHMARK_CAPTURE(BM_MoneyFromText, long, "123456789.123456789012345678901234567890");
BENCHMARK(BM_FormatCentsMoney);
BENCHMARK(BM_FormatCentsDouble);
// Answers from a few dollars to the top of the money range, and a goal none meets.
BENCHMARK_CAPTURE(BM_FindTargetPrice, break_even, TargetGoal::break_even, "0");
BENCHMARK_CAPTURE(BM_FindTargetPrice, profit_20, TargetGoal::profit, "20");
BENCHMARK_CAPTURE(BM_FindTargetPrice, profit_1000, TargetGoal::profit, "1000");
BENCHMARK_CAPTURE(BM_FindTargetPrice, profit_1e9, TargetGoal::profit, "1000000000");
BENCHMARK_CAPTURE(BM_FindTargetPrice, profit_8e14, TargetGoal::profit, "800000000000000");
BENCHMARK_CAPTURE(BM_FindTargetPrice, profit_beyond_range, TargetGoal::profit, "900000000000000");
BENCHMARK_CAPTURE(BM_FindTargetPrice, margin_30, TargetGoal::margin, "30");
BENCHMARK_CAPTURE(BM_FindTargetPrice, margin_97_none, TargetGoal::margin, "97");
// Margins close to the most the fees leave (95.60 % with PayPal): the answer
// lies where the margin creeps up by less than its rounding.
BENCHMARK_CAPTURE(BM_FindTargetPrice, margin_95, TargetGoal::margin, "95");
BENCHMARK_CAPTURE(BM_FindTargetPrice, margin_95_5, TargetGoal::margin, "95.5");
BENCHMARK_CAPTURE(BM_FindTargetPrice, margin_95_59, TargetGoal::margin, "95.59");
BENCHMARK_CAPTURE(BM_FindTargetPrice, margin_95_6, TargetGoal::margin, "95.6");

#define HARD_MARGIN(name, paypal, target)                                                          \
    BENCHMARK_CAPTURE(BM_FindTargetPriceHard, name, paypal, TargetGoal::margin, target)
HARD_MARGIN(paypal_tier1_91_65, true, "91.65");
HARD_MARGIN(paypal_tier1_91_84, true, "91.84");
HARD_MARGIN(paypal_tier1_91_85, true, "91.85");
HARD_MARGIN(paypal_tier2_94_15, true, "94.15");
HARD_MARGIN(paypal_tier2_94_34, true, "94.34");
HARD_MARGIN(paypal_tier2_94_35, true, "94.35");
HARD_MARGIN(paypal_tier3_95_40, true, "95.40");
HARD_MARGIN(paypal_tier3_95_59, true, "95.59");
HARD_MARGIN(paypal_tier3_95_60, true, "95.60");
HARD_MARGIN(no_paypal_tier1_94_55, false, "94.55");
HARD_MARGIN(no_paypal_tier1_94_74, false, "94.74");
HARD_MARGIN(no_paypal_tier1_94_75, false, "94.75");
HARD_MARGIN(no_paypal_tier2_97_05, false, "97.05");
HARD_MARGIN(no_paypal_tier2_97_24, false, "97.24");
HARD_MARGIN(no_paypal_tier2_97_25, false, "97.25");
HARD_MARGIN(no_paypal_tier3_98_30, false, "98.30");
HARD_MARGIN(no_paypal_tier3_98_49, false, "98.49");
HARD_MARGIN(no_paypal_tier3_98_50, false, "98.50");
// Shipping that brings the margin within reach in the first tier, where the
// roundings blur it over the whole tier.
void BM_FindTargetPriceFirstTier(benchmark::State& state, bool paypal, const char* shipping,
                                 const char* target) {
    WindowState record;
    record.chk_paypal = paypal ? CheckState::ticked : CheckState::unticked;
    record.txt_ship_charged = shipping;
    const TargetRequest request{TargetGoal::margin, money_from_text(target, {}).value};
    std::int64_t calculations = 0;
    for (auto _ : state) {
        const TargetAnswer answer = find_target_price(record, {}, request);
        calculations = answer.calculations;
        benchmark::DoNotOptimize(answer.price);
    }
    state.counters["calculations"] = static_cast<double>(calculations);
}
BENCHMARK_CAPTURE(BM_FindTargetPriceFirstTier, paypal_91_84, true, "10.21", "91.84");
BENCHMARK_CAPTURE(BM_FindTargetPriceFirstTier, no_paypal_94_74, false, "4.60", "94.74");
BENCHMARK_CAPTURE(BM_FindTargetPriceHard, paypal_profit_6e14, true, TargetGoal::profit,
                  "600000000000000");
BENCHMARK_CAPTURE(BM_FindTargetPriceHard, paypal_profit_6_7e14, true, TargetGoal::profit,
                  "678901234567890.12");
BENCHMARK_CAPTURE(BM_FindTargetPriceHard, no_paypal_profit_6e14, false, TargetGoal::profit,
                  "600000000000000");

BENCHMARK_MAIN();
