#pragma once

// One "Calculate" on a record, as the stage tests run it.

#include "engine/driver.h"

#include <vector>

namespace quillet::testing_support {

// The record as the calculation leaves it, its outcome and the notices it showed.
struct Run {
    WindowState state;
    CalcOutcome outcome;
    std::vector<Notice> notices;
};

inline Run calculate_with(WindowState state, const NumberConventions& conventions = {}) {
    Run run{std::move(state), {}, {}};
    const NoticeSink sink = [&run](Notice n) { run.notices.push_back(n); };
    run.outcome = calculate(run.state, conventions, sink);
    return run;
}

} // namespace quillet::testing_support
