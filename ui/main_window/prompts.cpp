#include "ui/main_window/prompts.h"

#include "ui/main_window/qt_text.h"

namespace quillet::ui {

Message message(const Prompt& prompt) {
    return {qstring(prompt.text), qstring(prompt.title)};
}

Message amount_too_large(const QString& words) {
    return {QStringLiteral("The amount in %1 is too large to calculate with.").arg(words),
            qstring(prompts::error_title)};
}

} // namespace quillet::ui
