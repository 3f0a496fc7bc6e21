// What assistive technology finds in the window: the accessibility tree as a
// screen reader walks it, the names and descriptions it announces, the values
// of the disabled result fields, and warning boxes announced as alerts.

#include "window_test_support.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>

#include <gtest/gtest.h>

#include <functional>

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
        if (is_control(w, window.centralWidget()))
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

// What a screen reader says the control is. On Linux, Qt follows the desktop's
// convention for drop-downs: their name is the item shown, and what they are
// comes from the label they are "labelled by" (their frame, or the label
// beside them). Elsewhere the name is the control's own.
QString announced(QAccessibleInterface* node) {
    if (node->role() == QAccessible::ComboBox) {
        const auto labels = node->relations(QAccessible::Label);
        if (!labels.isEmpty()) {
            QString caption = labels.front().first->text(QAccessible::Name);
            while (caption.endsWith(u':') || caption.endsWith(u' '))
                caption.chop(1);
            return caption;
        }
    }
    return node->text(QAccessible::Name);
}

const QStringList result_fields{
    "txt_list_fee",   "txt_fvf",         "Txt_ebay_fees", "txt_paypal_fee",    "txt_total_fee",
    "txt_total_recv", "txt_total_spent", "txt_profit",    "txt_profit_margin",
};

TEST(AccessibilityTree, EveryFocusableControlHasANonEmptyUniqueName) {
    WindowHarness h;
    const auto controls = walk(h.window());
    for (const QString& name : keyboard_order + result_fields)
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

struct Spoken {
    const char* control;
    const char* name;
};

class AccessibleName : public testing::TestWithParam<Spoken> {
protected:
    WindowHarness h;
};

// Fields are read with the caption beside them, without its colon.
TEST_P(AccessibleName, IsTheCaptionTheEyeReadsWithTheControl) {
    const auto controls = walk(h.window());
    const QString control = QString::fromLatin1(GetParam().control);
    ASSERT_TRUE(controls.contains(control));
    EXPECT_EQ(announced(controls[control]), QString::fromUtf8(GetParam().name));
    // Where the platform takes a drop-down's name from the widget, it is the same.
    if (controls[control]->role() == QAccessible::ComboBox) {
        EXPECT_EQ(h.control(GetParam().control)->accessibleName(),
                  QString::fromUtf8(GetParam().name));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Window, AccessibleName,
    testing::Values(
        Spoken{"txt_item_cost", "Item Cost"}, Spoken{"cmb_start_price", "Starting Price"},
        Spoken{"cmb_bin", "Buy-It-Now Price"}, Spoken{"txt_reserve", "Reserve"},
        Spoken{"txt_end_price", "Ending Price"}, Spoken{"txt_ship_charged", "Shipping Charged"},
        Spoken{"txt_ship_cost", "Shipping Cost"}, Spoken{"txt_other_costs", "Other Costs"},
        Spoken{"combo_num_pics", "Number of Pictures"}, Spoken{"chk_pic_show", "Picture Show"},
        Spoken{"chk_sub", "Sub Title"}, Spoken{"chk_doublecat", "Double Catergory"},
        Spoken{"chk_paypal", "PayPal fee counts in total fees"},
        Spoken{"txt_list_fee", "Listing Fees ($)"}, Spoken{"txt_fvf", "Final Value Fees ($)"},
        Spoken{"Txt_ebay_fees", "Total eBaY Fees ($)"}, Spoken{"txt_paypal_fee", "Paypal Fees ($)"},
        Spoken{"txt_total_fee", "Total Fees ($)"}, Spoken{"txt_total_recv", "Total Received ($)"},
        Spoken{"txt_total_spent", "Total Spent ($)"}, Spoken{"txt_profit", "Profit ($)"},
        Spoken{"txt_profit_margin", "Profit Margin %"}, Spoken{"cmd_calc", "Calculate"},
        Spoken{"cmd_clear", "Clear"}),
    [](const testing::TestParamInfo<Spoken>& info) { return std::string(info.param.control); });

// The description is the sentence the help line shows for the control.
TEST(AccessibleDescription, OptionsAndPriceFieldsCarryTheirHelpLine) {
    WindowHarness h;
    const auto controls = walk(h.window());
    for (const char* name :
         {"chk_gallery",   "chk_bold",         "chk_10day",     "chk_border",
          "chk_highlight", "chk_gift",         "chk_doublecat", "chk_gfeatured",
          "chk_fplus",     "chk_hfeatured",    "chk_pic_show",  "chk_supersize",
          "chk_pic_pack",  "chk_paypal",       "txt_item_cost", "txt_reserve",
          "txt_end_price", "txt_ship_charged", "txt_ship_cost", "txt_other_costs"}) {
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
    for (const QString& name : result_fields) {
        QAccessibleInterface* node = controls.value(name);
        ASSERT_NE(node, nullptr) << name.toStdString();
        EXPECT_TRUE(node->state().disabled) << name.toStdString();
        const QString shown = h.control<QLineEdit>(name.toLatin1().constData())->text();
        EXPECT_FALSE(shown.isEmpty()) << name.toStdString();
        EXPECT_EQ(node->text(QAccessible::Value), shown) << name.toStdString();
    }

    // After Clear they report the empty text, not a stale figure.
    h.click("cmd_clear");
    EXPECT_EQ(controls.value("txt_profit")->text(QAccessible::Value), QString());
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
