#pragma once

// Window records from a fuzzer's bytes. The bytes are read as text, so that
// seeds stay readable: fields are separated by '|', in the order
//
//   start label | reserve | Buy-It-Now | pictures | end price | shipping
//   charged | item cost | shipping cost | other costs | check states |
//   conventions
//
// and a twelfth field starts the next record (four at most). A field missing
// at the end keeps the window's start value. Within a text, ESC and one
// selector byte stand for a token of the hostile alphabet (a band label, a
// keyword, a currency sign, a long run of digits, a huge exponent...). The
// check states are one byte per box, its value modulo 3; the conventions are
// "G" (German), "F" (French) or anything else (US).

#include "engine/text_readings.h"
#include "engine/window_state.h"

#include <string_view>
#include <vector>

namespace quillet::fuzz {

struct FuzzRecord {
    WindowState inputs; // results and form values at their start values
    NumberConventions conventions;
};

std::vector<FuzzRecord> decode_records(std::string_view bytes);

// The next record's inputs over what an earlier run left: the results and
// the two form values stay, as they do in the window.
WindowState with_results_of(const WindowState& inputs, const WindowState& earlier);

} // namespace quillet::fuzz
