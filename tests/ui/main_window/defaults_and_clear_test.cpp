// The starting state, its lists, and "Clear".

#include "window_test_support.h"

#include "ui/main_window/control_table.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace quillet::test {
namespace {

// What the window shows of every control: its text, its list, whether it is
// ticked and whether it can be used.
QStringList shown(const Quillet_main& window) {
    QStringList out;
    for (const QWidget* w : window.controls().surface->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QStringLiteral("qt_")))
            continue; // a control's own parts
        QString state = w->objectName() + (w->isEnabled() ? " enabled" : " disabled");
        if (auto* field = qobject_cast<const QLineEdit*>(w);
            field && !field->parentWidget()->inherits("QComboBox"))
            state += " \"" + field->text() + '"';
        else if (auto* box = qobject_cast<const QComboBox*>(w)) {
            state += " \"" + box->currentText() + "\" of";
            for (int i = 0; i < box->count(); ++i)
                state += " \"" + box->itemText(i) + '"';
        } else if (auto* option = qobject_cast<const QCheckBox*>(w))
            state += option->checkState() == Qt::Checked ? " ticked" : " unticked";
        else if (auto* label = qobject_cast<const QLabel*>(w))
            state += " \"" + label->text() + '"';
        out << state;
    }
    return out;
}

class Defaults : public testing::Test {
protected:
    // Moves every input and result away from its start state.
    void change_everything() {
        h.type("txt_item_cost", QStringLiteral("4"));
        h.type("cmb_start_price", QStringLiteral("$10 - $24.99"));
        h.type("cmb_bin", QStringLiteral("$50 or more"));
        h.type("txt_reserve", QStringLiteral("30"));
        h.type("txt_end_price", QStringLiteral("100"));
        h.type("txt_ship_charged", QStringLiteral("5"));
        h.type("txt_ship_cost", QStringLiteral("3"));
        h.type("txt_other_costs", QStringLiteral("1"));
        h.type("combo_num_pics", QStringLiteral("7"));
        for (const ui::OptionRow& row : ui::options) {
            QCheckBox* option = h.window().controls().*row.widget;
            option->setCheckState(option->isChecked() ? Qt::Unchecked : Qt::Checked);
        }
        h.click("cmd_calc");
        h.hover("chk_bold");
        ASSERT_TRUE(h.take_boxes().isEmpty());
        ASSERT_FALSE(h.text("txt_profit").isEmpty());
        ASSERT_FALSE(h.text("lbl_help").isEmpty());
    }

    WindowHarness h;
};

// The program sets the boxes by their texts alone: at start, and after Clear
// although the user had picked items, each list opens with nothing marked.
TEST_F(Defaults, ListsSelectNoPosition) {
    const auto expect_none_marked = [this](const char* when) {
        for (const ui::SelectorRow& row : ui::selectors) {
            QComboBox* box = h.window().controls().*row.widget;
            const std::string name = box->objectName().toStdString();
            EXPECT_EQ(box->currentIndex(), -1) << name << when;
            box->showPopup();
            WindowHarness::settle();
            EXPECT_FALSE(box->view()->selectionModel()->hasSelection()) << name << when;
            box->hidePopup();
            WindowHarness::settle();
        }
    };
    expect_none_marked(" at start");
    for (const ui::SelectorRow& row : ui::selectors)
        (h.window().controls().*row.widget)->setCurrentIndex(2);
    h.click("cmd_clear");
    expect_none_marked(" after Clear");
}

// Clear brings back what the window showed when it opened, twice over too
// (its lists filled once).
TEST_F(Defaults, ClearRestoresTheStartState) {
    const QStringList at_start = shown(h.window());
    change_everything();
    ASSERT_NE(shown(h.window()), at_start);
    h.click("cmd_clear");
    EXPECT_EQ(shown(h.window()), at_start);
    h.click("cmd_clear");
    EXPECT_EQ(shown(h.window()), at_start);
    EXPECT_TRUE(h.take_boxes().isEmpty());
}

// Unticking by Clear lets go of what each interlock disabled.
TEST_F(Defaults, ClearEnablesTheInterlockedBoxes) {
    const QStringList at_start = shown(h.window());
    for (const auto& clicks :
         {QStringList{"chk_gallery", "chk_pic_pack"}, QStringList{"chk_gfeatured"}}) {
        for (const QString& name : clicks)
            h.click(name.toLatin1().constData());
        ASSERT_NE(shown(h.window()), at_start);
        h.click("cmd_clear");
        EXPECT_EQ(shown(h.window()), at_start) << clicks.join(' ').toStdString();
    }
}

TEST_F(Defaults, ClearMovesNoFocusAndDoesNotCalculate) {
    h.focus("txt_reserve");
    h.control<QPushButton>("cmd_clear")->click(); // a click that moves no focus
    WindowHarness::settle();
    EXPECT_EQ(h.focused(), QStringLiteral("txt_reserve"));
    EXPECT_TRUE(h.text("txt_list_fee").isEmpty());
}

TEST_F(Defaults, EnterOnAFocusedClearClearsInsteadOfCalculating) {
    h.type("txt_reserve", QStringLiteral("30"));
    h.focus("cmd_clear");
    h.press_enter();
    EXPECT_EQ(h.text("txt_reserve"), QStringLiteral("None"));
    EXPECT_TRUE(h.text("txt_list_fee").isEmpty());
}

} // namespace
} // namespace quillet::test
