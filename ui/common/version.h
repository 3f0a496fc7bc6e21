#pragma once

namespace quillet::ui {

// The product's name and release, "Quillet 1.0.0": the About box's title and
// what --version prints. The release number comes from the build's project
// version alone.
const char* name_and_version();

} // namespace quillet::ui
