#pragma once

// The words of the Target Price dialog: its goals, its box, and the outcome
// line for each answer the engine gives.

#include "engine/target_price.h"
#include "ui/main_window/prompts.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace quillet::ui::target_words {

// The goal drop-down's items, in the order of TargetGoal.
QStringList goal_items();

// The box for a target that is not a number, or a margin of 100 or more.
Message target_refused(TargetGoal goal);

// Why Find does not answer: an input of the main window fails its check.
QString mend_first(const QString& field);

// The outcome line: the figures at the price, or why no price works.
QString outcome(const TargetAnswer& answer, const TargetRequest& request,
                const std::function<QString(InputField)>& field_words);

} // namespace quillet::ui::target_words
