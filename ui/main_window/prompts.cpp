#include "ui/main_window/prompts.h"

namespace quillet::ui {

namespace {
QString text_of(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
} // namespace

Message message(const Prompt& prompt) {
    return {text_of(prompt.text), text_of(prompt.title)};
}

Message amount_too_large(const QString& caption) {
    return {QStringLiteral("The amount in %1 is too large to calculate with.").arg(caption),
            text_of(prompts::error_title)};
}

} // namespace quillet::ui
