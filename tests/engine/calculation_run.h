#pragma once

// Records for the stage tests: the window's start state with a few changes.

#include "engine/driver.h"

#include <vector>

namespace quillet::testing_support {

// Runs the whole calculation, collecting the notices it shows.
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
