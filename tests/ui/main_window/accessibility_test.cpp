// What assistive technology finds in the window: the accessibility tree as a
// screen reader walks it, the names and descriptions it announces, the values
// of the disabled result fields, the outcome of Calculate announced as a
// notification, and warning boxes announced as alerts.

#include "window_test_support.h"

#include "ui/main_window/control_table.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace quillet::test {
namespace {

// A control of the window (not an inner part of one, such as a drop-down's
// edit field): a widget placed on the client area or in a frame.
bool is_control(const QWidget* w, const QWidget* surface) {
    const QWidget* parent = w ? w->parentWidget() : nullptr;
    return parent && !w->objectName().isEmpty() &&
           (parent == surface || qobject_cast<const QGroupBox*>(parent));
}

// Every control's interface, found by walking the tree from the window down.
QMap<QString, QAccessibleInterface*> walk(Quillet_main& window) {
    QMap<QString, QAccessibleInterface*> found;
    const std::function<void(QAccessibleInterface*)> visit = [&](QAccessibleInterface* node) {
        auto* w = qobject_cast<QWidget*>(node->object());
        if (is_control(w, window.controls().surface))
            found.insert(w->objectName(), node);
        for (int i = 0; i < node->childCount(); ++i) {
            if (QAccessibleInterface* child = node->child(i))
                visit(child);
        }
    };
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
    if (root)
        visit(root);
    return found;
}

// What a screen reader says the control is.
QString announced(QAccessibleInterface* node) {
    return node->text(QAccessible::Name);
}

// The caption the eye reads a control with, its label's or its frame's,
// without the colon.
QString caption_of(const QWidget* control, const QLabel* label) {
    QString caption =
        label ? label->text() : qobject_cast<const QGroupBox*>(control->parentWidget())->title();
    if (caption.endsWith(u':'))
        caption.chop(1);
    return caption.trimmed();
}

// Every input and result control with the label it is read with (null: its
// frame), walking the product's tables.
QList<std::pair<QWidget*, QLabel*>> captioned(const Quillet_main& window) {
    const ui::Controls& c = window.controls();
    QList<std::pair<QWidget*, QLabel*>> out;
    for (const ui::PriceFieldRow& row : ui::price_fields)
        out.append({c.*row.widget, nullptr});
    for (const ui::SelectorRow& row : ui::selectors)
        out.append({c.*row.widget, row.label ? c.*row.label : nullptr});
    for (const ui::ResultRow& row : ui::results)
        out.append({c.*row.widget, c.*row.label});
    return out;
}

TEST(AccessibilityTree, EveryFocusableControlHasANonEmptyUniqueName) {
    WindowHarness h;
    const auto controls = walk(h.window());
    QStringList expected = keyboard_order;
    for (const QLineEdit* field : result_fields(h.window()))
        expected << field->objectName();
    for (const QString& name : expected)
        EXPECT_TRUE(controls.contains(name)) << "not in the tree: " << name.toStdString();

    QMap<QString, QString> owner_of_name;
    int focusable = 0;
    for (auto it = controls.cbegin(); it != controls.cend(); ++it) {
        QAccessibleInterface* node = it.value();
        if (!node->state().focusable)
            continue;
        ++focusable;
        const QString spoken = announced(node);
        EXPECT_FALSE(spoken.trimmed().isEmpty()) << it.key().toStdString() << " has no name";
        if (owner_of_name.contains(spoken))
            ADD_FAILURE() << it.key().toStdString() << " and "
                          << owner_of_name[spoken].toStdString() << " are both called \""
                          << spoken.toStdString() << '"';
        owner_of_name.insert(spoken, it.key());
    }
    EXPECT_GE(focusable, keyboard_order.size());
}

// Inputs and figures are read with the caption beside them; the PayPal box,
// which has none, says what it decides.
TEST(AccessibleName, IsTheCaptionTheEyeReadsWithTheControl) {
    WindowHarness h;
    const auto controls = walk(h.window());
    for (const auto& [control, label] : captioned(h.window())) {
        const std::string name = control->objectName().toStdString();
        ASSERT_TRUE(controls.contains(control->objectName())) << name;
        const QString caption = caption_of(control, label);
        EXPECT_FALSE(caption.isEmpty()) << name;
        const QString spoken = announced(controls[control->objectName()]);
        if (qobject_cast<const QComboBox*>(control)) // the item shown follows
            EXPECT_TRUE(spoken.startsWith(caption + u':')) << name;
        else
            EXPECT_EQ(spoken, caption) << name;
    }
    EXPECT_EQ(announced(controls.value(QStringLiteral("chk_paypal"))),
              QStringLiteral("PayPal fee counts in total fees"));
}

// A screen reader finds a drop-down by its caption, whatever item it shows,
// and hears the item as its value; flat review, which reads the name alone,
// hears the item too, but for the focused drop-down, whose edit part speaks it.
TEST(AccessibleName, EachDropDownIsFoundByItsCaption) {
    WindowHarness h;
    h.type("combo_num_pics", QStringLiteral("7"));
    h.focus("txt_item_cost");
    QMap<QString, QAccessibleInterface*> by_name;
    for (QAccessibleInterface* node : walk(h.window()))
        by_name.insert(node->text(QAccessible::Name), node);
    const ui::Controls& c = h.window().controls();
    for (const ui::SelectorRow& row : ui::selectors) {
        QComboBox* box = c.*row.widget;
        const QString caption = caption_of(box, row.label ? c.*row.label : nullptr);
        QAccessibleInterface* node =
            by_name.value(caption + QStringLiteral(": ") + box->currentText());
        ASSERT_NE(node, nullptr) << caption.toStdString();
        EXPECT_EQ(node->object(), box);
        EXPECT_EQ(node->role(), QAccessible::ComboBox);
        EXPECT_EQ(node->text(QAccessible::Value), box->currentText());
        EXPECT_TRUE(node->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::showMenuAction()));
        box->setFocus();
        EXPECT_EQ(node->text(QAccessible::Name), caption);
    }
}

// The description is the sentence the help line shows for the control.
TEST(AccessibleDescription, OptionsAndPriceFieldsCarryTheirHelpLine) {
    WindowHarness h;
    const auto controls = walk(h.window());
    const ui::Controls& c = h.window().controls();
    QList<QWidget*> helped;
    for (const ui::PriceFieldRow& row : ui::price_fields)
        helped << c.*row.widget;
    for (const ui::OptionRow& row : ui::options)
        if (!row.help.empty())
            helped << c.*row.widget;
    for (const QWidget* control : helped) {
        const std::string object_name = control->objectName().toStdString();
        const char* name = object_name.c_str();
        h.hover(name);
        const QString line = h.text("lbl_help");
        ASSERT_FALSE(line.isEmpty()) << name;
        ASSERT_TRUE(controls.contains(QString::fromLatin1(name))) << name;
        EXPECT_EQ(controls[QString::fromLatin1(name)]->text(QAccessible::Description), line)
            << name;
    }
}

TEST(AccessibleValue, DisabledResultFieldsReportTheirFigures) {
    WindowHarness h;
    h.type("txt_end_price", QStringLiteral("100"));
    h.type("txt_item_cost", QStringLiteral("20"));
    h.click("cmd_calc");
    ASSERT_TRUE(h.take_boxes().isEmpty());

    const auto controls = walk(h.window());
    for (const QLineEdit* field : result_fields(h.window())) {
        const std::string name = field->objectName().toStdString();
        QAccessibleInterface* node = controls.value(field->objectName());
        ASSERT_NE(node, nullptr) << name;
        EXPECT_TRUE(node->state().disabled) << name;
        EXPECT_FALSE(field->text().isEmpty()) << name;
        EXPECT_EQ(node->text(QAccessible::Value), field->text()) << name;
    }

    // After Clear they report the empty text, not a stale figure.
    h.click("cmd_clear");
    EXPECT_EQ(controls.value("txt_profit")->text(QAccessible::Value), QString());
}

// A screen reader builds the line it speaks from the text's attribute runs:
// every text field of the windows, the dialog's too, is one run of its whole
// text at every offset, so that no character is left out.
TEST(AccessibleText, EveryFieldIsOneRunOfItsWholeText) {
    WindowHarness h;
    h.type("txt_end_price", QStringLiteral("100"));
    h.click("cmd_calc");
    h.trigger("TargetPrice");
    QList<QLineEdit*> fields = h.window().findChildren<QLineEdit*>();
    fields += h.control<QWidget>("TargetPrice")->findChildren<QLineEdit*>();
    h.control<QLineEdit>("txt_target")->setText(QStringLiteral("20.00"));
    for (QLineEdit* field : fields) {
        SCOPED_TRACE(field->objectName().toStdString() + " " + field->text().toStdString());
        QAccessibleTextInterface* text =
            QAccessible::queryAccessibleInterface(field)->textInterface();
        ASSERT_NE(text, nullptr);
        const int count = static_cast<int>(field->text().size());
        EXPECT_EQ(text->text(0, text->characterCount()), field->text());
        for (int offset = 0; offset < count; ++offset) {
            int start = -1, end = -1;
            text->attributes(offset, &start, &end);
            EXPECT_EQ(std::pair(start, end), std::pair(0, count));
        }
    }
}

// The window's notification, as a screen reader finds it in the tree, and
// each time it is shown: the toolkit turns a show into the ObjectShow event
// that its AT-SPI bridge passes on as the notification's "showing" (Qt's
// offscreen platform has no bridge, so the event itself is not sent here).
class Notifications : public QObject {
public:
    explicit Notifications(Quillet_main& window) {
        const std::function<void(QAccessibleInterface*)> find = [&](QAccessibleInterface* node) {
            if (node->role() == QAccessible::Notification)
                node_ = node;
            for (int i = 0; i < node->childCount() && !node_; ++i)
                if (QAccessibleInterface* child = node->child(i))
                    find(child);
        };
        find(QAccessible::queryAccessibleInterface(&window));
        if (node_)
            node_->object()->installEventFilter(this);
    }
    bool found() const { return node_ != nullptr; }
    QStringList take() { return std::exchange(heard_, {}); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            heard_ << node_->text(QAccessible::Name);
        return false;
    }

private:
    QAccessibleInterface* node_ = nullptr;
    QStringList heard_;
};

// After Calculate the outcome is shown as a notification, with the focus left
// where it was; each run is heard, the same outcome too. The figures going out
// of date are heard once, not at every key; Copy Figures and Clear say they
// are done. A run that ends in a box leaves the box, an alert, to speak.
TEST(AccessibleNotification, CalculateAnnouncesTheOutcomeWithoutMovingTheFocus) {
    WindowHarness h;
    Notifications notifications(h.window());
    ASSERT_TRUE(notifications.found());
    h.type("txt_end_price", QStringLiteral("40"));
    h.type("txt_item_cost", QStringLiteral("10"));
    h.press_enter();
    h.press_enter();
    EXPECT_EQ(h.focused(), QStringLiteral("txt_item_cost"));
    const QString outcome = QStringLiteral("Profit ($) 26.57, Profit Margin % 66.42");
    EXPECT_EQ(notifications.take(), (QStringList{outcome, outcome}));

    const QString out_of_date = QStringLiteral("Figures out of date: press Calculate");
    h.type("txt_end_price", QStringLiteral("None"));
    h.trigger("CopyFigures");
    h.click("cmd_calc");
    EXPECT_EQ(notifications.take(),
              (QStringList{out_of_date, QStringLiteral("Nine figures copied, out of date"),
                           QStringLiteral("Listing Fees ($) 0.25")}));

    h.type("txt_end_price", QStringLiteral("1e400"));
    h.press_enter();
    EXPECT_EQ(h.take_boxes().size(), 1);
    EXPECT_EQ(notifications.take(), QStringList{out_of_date});
    h.click("cmd_clear");
    EXPECT_EQ(notifications.take(), QStringList{QStringLiteral("Cleared")});
}

// The warning box the user sees is a real QMessageBox with the warning icon,
// which the toolkit announces as an alert.
TEST(AccessibleAlert, ARejectedPriceIsAnnouncedAsAnAlert) {
    ensure_application();
    Quillet_main window; // its own presenter: real boxes
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* field = window.findChild<QLineEdit*>(QStringLiteral("txt_reserve"));
    field->setFocus(Qt::TabFocusReason);
    field->setText(QStringLiteral("abc"));

    RealBoxAnswerer answerer([](QMessageBox* box) {
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(box);
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->role(), QAccessible::AlertMessage);
    });
    QTest::keyClick(field, Qt::Key_Tab);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return answerer.answered() && QApplication::activeModalWidget() == nullptr; }, 5000));
}

} // namespace
} // namespace quillet::test
