#include "ui/main_window/announcement.h"

#include "ui/main_window/control_table.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

#include <utility>

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
    QString text = parts.join(QStringLiteral(", "));
    if (const QString note = c.lbl_no_sale->text(); !note.isEmpty())
        text += QStringLiteral(". ") + note;
    return text;
}

Announcer::Announcer(QWidget* window)
    : QObject(window)
    , window_(window)
    , label_(new QLabel(window)) {
    QAccessible::installFactory(notification_factory); // Qt keeps one entry per factory
    label_->setProperty(notification_property, true);
    label_->setGeometry(0, 0, 0, 0);
    label_->hide();
    window->installEventFilter(this);
}

void Announcer::announce(const QString& text) {
    // Where no window is active at all (a desktop without a keyboard) there
    // is nothing to wait for.
    if (window_->isActiveWindow() || !QApplication::activeWindow()) {
        show(text);
        return;
    }
    waiting_ = text;
}

bool Announcer::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::WindowActivate && !waiting_.isEmpty())
        show(std::exchange(waiting_, QString()));
    return QObject::eventFilter(watched, event);
}

// Shown again, so that the same outcome twice is heard twice.
void Announcer::show(const QString& text) {
    waiting_.clear();
    label_->hide();
    label_->setText(text);
    label_->show();
}

} // namespace quillet::ui
