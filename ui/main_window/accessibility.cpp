#include "ui/main_window/accessibility.h"

#include "ui/common/accessible_text_field.h"
#include "ui/main_window/control_table.h"
#include "ui/main_window/qt_text.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace quillet::ui {

namespace {

// Qt's own drop-down interface takes its name from the item shown on Linux,
// leaving what the drop-down is to the "labelled by" relation; a screen
// reader that finds controls by name then meets "$0.01 - $0.99" rather than
// "Starting Price". This one answers with the drop-down's accessible name
// first (then the item shown), and otherwise as Qt's does: the item shown is its value, its list
// and its edit part are its children, and it can open its list.
class NamedDropDown : public QAccessibleWidget {
public:
    explicit NamedDropDown(QComboBox* box)
        : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            if (box()->accessibleName().isEmpty())
                return box()->currentText();
            // Orca's flat review, and its focus on a list that cannot be
            // typed in, read a drop-down by its name alone: the name carries
            // the item shown, but for a focused drop-down whose edit part
            // speaks the item itself.
            if (box()->isEditable() && box()->hasFocus())
                return box()->accessibleName();
            return box()->accessibleName() + QStringLiteral(": ") + box()->currentText();
        case QAccessible::Value:
            return box()->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    int childCount() const override { return box()->lineEdit() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(box()->view());
        if (index == 1 && box()->lineEdit())
            return QAccessible::queryAccessibleInterface(box()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child->object() == box()->view())
            return 0;
        if (box()->lineEdit() && child->object() == box()->lineEdit())
            return 1;
        return -1;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == showMenuAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

// A separator line is drawn, not read: Qt's interface for a frame would name
// it after its group box, and flat review would read the caption twice, or
// "separator" twice.
constexpr char separator_property[] = "quillet_separator";

class SeparatorLine : public QAccessibleWidget {
public:
    explicit SeparatorLine(QWidget* line)
        : QAccessibleWidget(line, QAccessible::Separator) {}

    QString text(QAccessible::Text) const override { return {}; }

    // Not shown to a screen reader, so flat review passes over it.
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

QAccessibleInterface* window_factory(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String("QComboBox"))
        return new NamedDropDown(static_cast<QComboBox*>(object));
    if (class_name == QLatin1String("QFrame") && object->property(separator_property).toBool())
        return new SeparatorLine(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

// Qt keeps one entry per factory, however many windows install it.
void install_accessible_interfaces() {
    QAccessible::installFactory(window_factory);
    install_accessible_text_fields(); // the dialogs' fields too
}

void describe_controls(const Controls& c) {
    for (QFrame* line : separator_lines(c))
        line->setProperty(separator_property, true);
    for (const PriceFieldRow& row : price_fields) {
        (c.*row.widget)->setAccessibleName(spoken_name(c, row));
        (c.*row.widget)->setAccessibleDescription(qstring(row.help));
    }
    for (const SelectorRow& row : selectors) {
        (c.*row.widget)->setAccessibleName(spoken_name(c, row));
        if (row.label)
            (c.*row.label)->setBuddy(c.*row.widget); // the "labelled by" relation
    }
    for (const OptionRow& row : options) {
        if (!row.spoken.empty())
            (c.*row.widget)->setAccessibleName(qstring(row.spoken));
        if (!row.help.empty())
            (c.*row.widget)->setAccessibleDescription(qstring(row.help));
    }
    for (const ResultRow& row : results) {
        (c.*row.widget)->setAccessibleName(spoken_name(c, row));
        (c.*row.label)->setBuddy(c.*row.widget);
    }
}

} // namespace quillet::ui
