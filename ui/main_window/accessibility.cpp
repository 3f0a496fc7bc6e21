#include "ui/main_window/accessibility.h"

#include "ui/main_window/qt_text.h"

#include "ui/main_window/quick_help.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace quillet::ui {

namespace {

// A caption as it is spoken: "Final Value Fees ($) :" reads "Final Value Fees ($)".
QString spoken(QString caption) {
    while (caption.endsWith(u':') || caption.endsWith(u' '))
        caption.chop(1);
    return caption;
}

bool is_field(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w);
}

} // namespace

void describe_controls(const Controls& c) {
    const auto find = [&c](std::string_view name) {
        QWidget* w = c.surface->findChild<QWidget*>(qstring(name));
        Q_ASSERT(w);
        return w;
    };

    // Labelled fields first; every other field is named by the frame it sits in.
    for (const LabelledControl& pair : labelled_controls) {
        auto* label = static_cast<QLabel*>(find(pair.label));
        QWidget* control = find(pair.control);
        label->setBuddy(control); // the "labelled by" relation
        control->setAccessibleName(spoken(label->text()));
    }
    for (QGroupBox* frame : c.surface->findChildren<QGroupBox*>()) {
        for (QWidget* w : frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (is_field(w) && w->accessibleName().isEmpty())
                w->setAccessibleName(spoken(frame->title()));
        }
    }
    c.chk_paypal->setAccessibleName(qstring(paypal_switch_name));

    for (const HelpLine& help : help_lines)
        find(help.control)->setAccessibleDescription(qstring(help.text));
}

} // namespace quillet::ui
