#include "ui/common/version.h"

namespace quillet::ui {

const char* name_and_version() {
    return "Quillet " QUILLET_VERSION;
}

} // namespace quillet::ui
