#include "ui/target_price/outcome_text.h"

#include "engine/text_forms.h"
#include "ui/main_window/qt_text.h"

namespace quillet::ui::target_words {

namespace {

// A figure of the window, written "20.00", in the user's form.
QString figure(const std::string& text, const NumberConventions& conventions) {
    return QString::fromStdString(in_user_form(text, conventions));
}

QString found(const TargetAnswer& answer, const NumberConventions& conventions) {
    const auto cents = [&](Currency m) { return amount(m, conventions); };
    const WindowState& at = answer.figures;
    QString text =
        QStringLiteral("At %1 the profit is %2 and the margin %3 %. The listing fee of "
                       "%4 is paid even if the item does not sell.")
            .arg(cents(answer.price), figure(at.txt_profit, conventions),
                 figure(at.txt_profit_margin, conventions), figure(at.txt_list_fee, conventions));
    if (answer.reserve_above)
        text += QStringLiteral(" That is below the reserve of %1: the item would not sell there.")
                    .arg(cents(*answer.reserve_above));
    if (answer.band_lowest_above)
        text += QStringLiteral(" That is below %1, the lowest price of the starting band: the "
                               "item would not sell there.")
                    .arg(cents(*answer.band_lowest_above));
    return text;
}

} // namespace

QString amount(Currency m, const NumberConventions& conventions) {
    return QString::fromStdString(in_user_form(format_cents(m), conventions));
}

QStringList goal_items() {
    return {QStringLiteral("Break even"), QStringLiteral("Profit of at least ($)"),
            QStringLiteral("Margin of at least (%)")};
}

Message target_refused(TargetGoal goal, const NumberConventions& conventions) {
    const QString title = QStringLiteral("Incorrect Target Entered");
    if (goal == TargetGoal::margin)
        return {QStringLiteral("Please enter a margin below %1, such as %2.")
                    .arg(QString::fromStdString(in_user_form("100", conventions)),
                         QString::fromStdString(in_user_form("25", conventions))),
                title};
    return {QStringLiteral("Please enter a valid profit, such as %1.")
                .arg(amount("20"_usd, conventions)),
            title};
}

QString mend_first(const QString& field) {
    return QStringLiteral("%1 does not pass its check. Mend it in the main window, then Find "
                          "again.")
        .arg(field);
}

QString outcome(const TargetAnswer& answer, const TargetRequest& request,
                const NumberConventions& conventions,
                const std::function<QString(InputField)>& field_words) {
    switch (answer.verdict) {
    case TargetVerdict::found:
        return found(answer, conventions);
    case TargetVerdict::margin_out_of_reach:
        return QStringLiteral("No price reaches a margin of %1 %: the fees alone take more than "
                              "that at every price.")
            .arg(amount(request.target, conventions));
    case TargetVerdict::out_of_range:
        return QStringLiteral("No price meets the goal before the figures leave the range the "
                              "program calculates in.");
    case TargetVerdict::negative_input:
        return QStringLiteral("%1 is below 0. Find works with costs and shipping of 0 or more: "
                              "mend it in the main window.")
            .arg(field_words(answer.negative_field));
    case TargetVerdict::input_fails:
        if (answer.failure.field == InputField::none)
            return qstring(prompts::figures_too_large.text);
        if (answer.failure.failure == Failure::conversion)
            return QStringLiteral("The text in %1 is not a number. Mend it in the main window, "
                                  "then Find again.")
                .arg(field_words(answer.failure.field));
        return QStringLiteral("The amount in %1 is too large to calculate with. Mend it in the "
                              "main window, then Find again.")
            .arg(field_words(answer.failure.field));
    }
    return {};
}

} // namespace quillet::ui::target_words
