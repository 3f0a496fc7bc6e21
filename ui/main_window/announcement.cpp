#include "ui/main_window/announcement.h"

#include "ui/main_window/control_table.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>

namespace quillet::ui {

namespace {

constexpr char notification_property[] = "quillet_notification";

class Notification : public QAccessibleWidget {
public:
    explicit Notification(QLabel* label)
        : QAccessibleWidget(label, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* notification_factory(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String("QLabel") && object->property(notification_property).toBool())
        return new Notification(static_cast<QLabel*>(object));
    return nullptr;
}

} // namespace

QString outcome_text(const Controls& c) {
    QStringList parts;
    for (const ResultRow& row : results) {
        const bool sale =
            row.widget == &Controls::txt_profit || row.widget == &Controls::txt_profit_margin;
        const QString figure = (c.*row.widget)->text();
        if (sale && !figure.isEmpty())
            parts << spoken_name(c, row) + u' ' + figure;
    }
    if (parts.isEmpty())
        parts << spoken_name(c, results.front()) + u' ' + (c.*results.front().widget)->text();
    return parts.join(QStringLiteral(", "));
}

Announcer::Announcer(QWidget* window)
    : label_(new QLabel(window)) {
    QAccessible::installFactory(notification_factory); // Qt keeps one entry per factory
    label_->setProperty(notification_property, true);
    label_->setGeometry(0, 0, 0, 0);
    label_->hide();
}

// Shown again, so that the same outcome twice is heard twice.
void Announcer::announce(const QString& text) {
    label_->hide();
    label_->setText(text);
    label_->show();
}

} // namespace quillet::ui
