#include "ui/main_window/prompts.h"

#include "ui/main_window/qt_text.h"

namespace quillet::ui {

Message message(const Prompt& prompt) {
    return {qstring(prompt.text), qstring(prompt.title)};
}

Message amount_too_large(std::string_view words) {
    return {QStringLiteral("The amount in %1 is too large to calculate with.").arg(qstring(words)),
            qstring(prompts::error_title)};
}

} // namespace quillet::ui
