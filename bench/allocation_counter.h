#pragma once

// Counts heap allocations made by the whole program, so that a benchmark can
// report how many one operation makes.

#include <cstddef>

namespace quillet::bench {
std::size_t allocations();
}
