// The keyboard reaches everything the mouse does: the menus (F10, Alt alone)
// even where a caption has no access key, and Space on every box.

#include "window_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QMenuBar>

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

const QStringList captions_as_built{"File", "E&xit", "&Tools", "&Target Price...", "Help", "About"};

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
    key(Qt::Key_Right); // Tools
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

} // namespace
} // namespace quillet::test
