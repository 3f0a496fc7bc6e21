// The keyboard reaches everything the mouse does: the menus (their access
// keys, F10, Alt alone), Exit (Ctrl+Q), and Space on every box.

#include "window_test_support.h"

#include "ui/main_window/control_table.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <utility>

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

const QStringList captions_as_built{"&File",
                                    "E&xit",
                                    "&Edit",
                                    "&Copy Figures",
                                    "&Keep for Comparison",
                                    "&Tools",
                                    "&Target Price...",
                                    "Fee &Details...",
                                    "&Compare...",
                                    "&Help",
                                    "About"};

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

// The menus as the keyboard finds them: each caption with its access key.
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

    key(Qt::Key_Down);
    EXPECT_EQ(QApplication::activePopupWidget(), menu("file"));
}

// Alt with a letter opens its menu rather than typing the letter; Ctrl+Q
// ends the program from any of its windows, About too.
TEST_F(Menus, AccessKeysOpenTheirMenusAndCtrlQExits) {
    h.type("txt_end_price", QStringLiteral("12"));
    for (const auto& [letter, name] :
         {std::pair{Qt::Key_F, "file"}, std::pair{Qt::Key_H, "Help"}}) {
        QTest::keyClick(QApplication::focusWidget(), letter, Qt::AltModifier);
        WindowHarness::settle();
        EXPECT_EQ(QApplication::activePopupWidget(), menu(name)) << name;
        key(Qt::Key_Escape);
        key(Qt::Key_Escape);
    }
    EXPECT_EQ(h.focused(), QStringLiteral("txt_end_price"));
    EXPECT_EQ(h.text("txt_end_price"), QStringLiteral("12"));

    QDialog* about = h.open_about();
    ASSERT_NE(about, nullptr);
    QTimer::singleShot(0, [about] { QTest::keyClick(about, Qt::Key_Q, Qt::ControlModifier); });
    EXPECT_EQ(run_until_the_program_ends(), 0);
}

TEST_F(Menus, AboutOpensFromTheKeyboard) {
    key(Qt::Key_F10);
    key(Qt::Key_Right); // Edit
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

// Whatever way the keyboard leaves for the menus and About, it comes back to
// the control it left, and the keys typed next go there.
TEST_F(Menus, ClosingAMenuOrAboutGivesTheFocusBack) {
    h.type("txt_end_price", QStringLiteral("12"));
    key(Qt::Key_F10);
    key(Qt::Key_Escape); // the bar keeps the keyboard
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier);
    WindowHarness::settle();
    ASSERT_EQ(QApplication::activePopupWidget(), menu("Help"));
    key(Qt::Key_Down);
    key(Qt::Key_Return);
    QDialog* about = about_dialogs().value(0);
    ASSERT_NE(about, nullptr);
    QTest::keyClick(about, Qt::Key_Escape);
    h.window().activateWindow(); // as the window manager does when About goes
    ASSERT_TRUE(QTest::qWaitForWindowActive(&h.window()));
    WindowHarness::settle();
    EXPECT_EQ(h.focused(), QStringLiteral("txt_end_price"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_3);
    EXPECT_EQ(h.text("txt_end_price"), QStringLiteral("123"));
}

TEST(SpaceBar, TogglesTheFocusedBoxAndBack) {
    WindowHarness h;
    for (const ui::OptionRow& row : ui::options) {
        QCheckBox* box = h.window().controls().*row.widget;
        const std::string name = box->objectName().toStdString();
        box->setFocus(Qt::TabFocusReason);
        WindowHarness::settle();
        ASSERT_TRUE(box->hasFocus()) << name;
        const bool before = box->isChecked();
        QTest::keyClick(box, Qt::Key_Space);
        WindowHarness::settle();
        EXPECT_NE(box->isChecked(), before) << name;
        QTest::keyClick(box, Qt::Key_Space);
        WindowHarness::settle();
        EXPECT_EQ(box->isChecked(), before) << name;
    }
    EXPECT_TRUE(h.take_boxes().isEmpty());
}

} // namespace
} // namespace quillet::test
