#pragma once

// The words of the Target Price dialog: its goals, its box, and the outcome
// line for each answer the engine gives. Amounts in them are in the user's
// form (in_user_form), as the dialog's fields are.

#include "engine/target_price.h"
#include "ui/main_window/prompts.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace quillet::ui::target_words {

// The goal drop-down's items, in the order of TargetGoal.
QStringList goal_items();

// The box for a target that is not a number, or a margin of 100 or more.
Message target_refused(TargetGoal goal, const NumberConventions& conventions);

// Why Find does not answer: an input of the main window fails its check.
QString mend_first(const QString& field);

// The outcome line: the figures at the price, or why no price works.
QString outcome(const TargetAnswer& answer, const TargetRequest& request,
                const NumberConventions& conventions,
                const std::function<QString(InputField)>& field_words);

// An amount at its nearest cent in the user's form: "25,88" in Germany.
QString amount(Currency m, const NumberConventions& conventions);

} // namespace quillet::ui::target_words
