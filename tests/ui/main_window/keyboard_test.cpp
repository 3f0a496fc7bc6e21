// The keyboard reaches everything the mouse does: the menus (F10, Alt alone)
// without access keys in their captions, Space on every box, and a focus the
// style is told to show on every control Tab reaches.

#include "window_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QStyleOption>

#include <gtest/gtest.h>

namespace quillet::test {
namespace {

QStringList menu_captions(QMenuBar* bar) {
    QStringList captions;
    for (QAction* entry : bar->actions()) {
        captions << entry->text();
        for (QAction* item : entry->menu()->actions())
            captions << item->text();
    }
    return captions;
}

const QStringList captions_as_built{"File", "E&xit", "Help", "About"};

class Menus : public testing::Test {
protected:
    QMenuBar* bar() { return h.window().menuBar(); }
    QMenu* menu(const char* name) {
        return h.window().findChild<QMenu*>(QString::fromLatin1(name));
    }
    static void key(Qt::Key k) {
        QWidget* target = QApplication::activePopupWidget();
        if (!target)
            target = QApplication::focusWidget();
        QTest::keyClick(target, k);
        WindowHarness::settle();
    }

    WindowHarness h;
};

TEST_F(Menus, F10OpensTheFileMenuWithNoEntryChosen) {
    key(Qt::Key_F10);
    EXPECT_EQ(QApplication::activePopupWidget(), menu("file"));
    EXPECT_EQ(menu("file")->activeAction(), nullptr); // Enter now cannot exit
    EXPECT_EQ(menu_captions(bar()), captions_as_built);
}

TEST_F(Menus, AltAloneSelectsTheMenuBarAndDownOpensFile) {
    QWidget* field = QApplication::focusWidget();
    QTest::keyPress(field, Qt::Key_Alt, Qt::AltModifier);
    QTest::keyRelease(field, Qt::Key_Alt, Qt::NoModifier);
    WindowHarness::settle();
    ASSERT_NE(bar()->activeAction(), nullptr);
    EXPECT_EQ(bar()->activeAction()->menu(), menu("file"));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(menu_captions(bar()), captions_as_built);

    key(Qt::Key_Down);
    EXPECT_EQ(QApplication::activePopupWidget(), menu("file"));
    EXPECT_EQ(menu_captions(bar()), captions_as_built);
}

TEST_F(Menus, AboutOpensFromTheKeyboard) {
    key(Qt::Key_F10);
    key(Qt::Key_Right);
    ASSERT_EQ(QApplication::activePopupWidget(), menu("Help"));
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    bool open = false;
    for (QWidget* w : QApplication::topLevelWidgets())
        open = open || (w->inherits("quillet::ui::frmAbout") && w->isVisible());
    EXPECT_TRUE(open);
}

// Leaving for the menus and coming back is no move between controls: a text
// being typed is not checked on the way, and the focus returns to it.
TEST_F(Menus, EscapeReturnsToTheFieldWithoutAnyCheck) {
    h.type("txt_end_price", QStringLiteral("12abc"));
    key(Qt::Key_F10);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    key(Qt::Key_Escape); // closes the menu, the bar keeps the keyboard
    key(Qt::Key_Escape); // leaves the bar
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(h.focused(), QStringLiteral("txt_end_price"));
    EXPECT_EQ(h.text("txt_end_price"), QStringLiteral("12abc"));
    EXPECT_TRUE(h.take_boxes().isEmpty());
}

class SpaceBar : public testing::TestWithParam<const char*> {
protected:
    WindowHarness h;
};

TEST_P(SpaceBar, TogglesTheFocusedBoxAndBack) {
    auto* box = h.control<QCheckBox>(GetParam());
    h.focus(GetParam());
    ASSERT_TRUE(box->hasFocus());
    const bool before = box->isChecked();
    QTest::keyClick(box, Qt::Key_Space);
    WindowHarness::settle();
    EXPECT_NE(box->isChecked(), before);
    QTest::keyClick(box, Qt::Key_Space);
    WindowHarness::settle();
    EXPECT_EQ(box->isChecked(), before);
    EXPECT_TRUE(h.take_boxes().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Window, SpaceBar,
                         testing::Values("chk_pic_show", "chk_supersize", "chk_pic_pack",
                                         "chk_gallery", "chk_bold", "chk_10day", "chk_border",
                                         "chk_sub", "chk_highlight", "chk_gift", "chk_doublecat",
                                         "chk_gfeatured", "chk_fplus", "chk_hfeatured",
                                         "chk_paypal"));

// Qt's style, watched: which widgets it was asked to draw as holding the
// keyboard focus, and whether a focus rectangle was among the requests.
class FocusWatchingStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        note(option, widget, element == PE_FrameFocusRect);
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        note(option, widget, false);
        QProxyStyle::drawControl(element, option, painter, widget);
    }
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        note(option, widget, false);
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

    mutable bool drawn_focused = false;
    mutable bool focus_rect = false;

private:
    void note(const QStyleOption* option, const QWidget*, bool is_focus_rect) const {
        const bool focused = option && (option->state & State_HasFocus) &&
                             (option->state & State_KeyboardFocusChange);
        drawn_focused = drawn_focused || focused;
        focus_rect = focus_rect || (focused && is_focus_rect);
    }
};

TEST(FocusIndicator, EveryControlTabReachesIsDrawnWithKeyboardFocus) {
    ensure_application();
    auto* style = new FocusWatchingStyle;
    QApplication::setStyle(style); // the application owns it from here on
    WindowHarness h;
    const QStringList order{
        "cmb_start_price", "cmb_bin",         "txt_reserve",    "txt_end_price", "txt_ship_charged",
        "txt_ship_cost",   "txt_other_costs", "combo_num_pics", "chk_pic_show",  "chk_supersize",
        "chk_pic_pack",    "chk_gallery",     "chk_bold",       "chk_10day",     "chk_border",
        "chk_sub",         "chk_highlight",   "chk_gift",       "chk_doublecat", "chk_gfeatured",
        "chk_fplus",       "chk_hfeatured",   "chk_paypal",     "cmd_calc",      "cmd_clear",
        "txt_item_cost",
    };
    for (const QString& name : order) {
        h.tab();
        ASSERT_EQ(h.focused(), name);
        QWidget* control = h.control(name.toLatin1().constData());
        EXPECT_TRUE(control->hasFocus()) << name.toStdString();
        style->drawn_focused = style->focus_rect = false;
        (void)control->grab();
        EXPECT_TRUE(style->drawn_focused) << name.toStdString() << " is not drawn as focused";
        // A box shows a focus rectangle round its caption; fields and buttons
        // show their focus in their frame instead.
        if (qobject_cast<QCheckBox*>(control)) {
            EXPECT_TRUE(style->focus_rect) << name.toStdString() << " draws no focus rectangle";
        }
    }
    EXPECT_TRUE(h.take_boxes().isEmpty());
}

} // namespace
} // namespace quillet::test
