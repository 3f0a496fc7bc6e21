// One rejection driven through a real message box, to its end: the box the
// user sees, its OK button, and the focus and the selection given back after
// it closes.

#include "window_test_support.h"

#include "ui/main_window/control_table.h"
#include "ui/main_window/qt_text.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace quillet::test {
namespace {

TEST(RealMessageBox, WarnsModallyAndGivesTheFocusBack) {
    ensure_application();
    Quillet_main window; // its own presenter: real boxes
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* field = window.findChild<QLineEdit*>(QStringLiteral("txt_end_price"));
    field->setFocus(Qt::TabFocusReason);
    field->setText(QStringLiteral("12abc"));

    RealBoxAnswerer answerer([](QMessageBox* box) {
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Incorrect Price Entered"));
        EXPECT_EQ(
            box->text(),
            QStringLiteral("Please enter a valid price. You can None or 0 for no ending price."));
        ASSERT_EQ(box->buttons().size(), 1);
        EXPECT_EQ(box->standardButton(box->buttons().front()), QMessageBox::Ok);
        EXPECT_TRUE(box->isModal());
        QTest::mouseClick(box->buttons().front(), Qt::LeftButton); // the user's OK
    });

    QTest::keyClick(field, Qt::Key_Tab); // the field loses the focus to the next control
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return answerer.answered() && QApplication::activeModalWidget() == nullptr; }, 5000));
    // The window's focus goes back to the field (offscreen, the window itself
    // may wait for the platform to activate it again).
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.focusWidget() == field; }, 5000));
    EXPECT_EQ(field->selectedText(), QStringLiteral("12abc"));
    EXPECT_EQ(field->text(), QStringLiteral("12abc"));
    // The help line is the field's being mended, not the one Tab went to,
    // once the window is active again (as a window manager makes it).
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == field; }, 5000));
    const auto row = std::ranges::find(ui::price_fields, &ui::Controls::txt_end_price,
                                       &ui::PriceFieldRow::widget);
    EXPECT_EQ(window.controls().lbl_help->text(), ui::qstring(row->help));
    // Tab had taken the focus on to the next price field, which selected its
    // text, before the box came up; only the field given the focus back shows
    // a selection now.
    for (const QLineEdit* other : window.findChildren<QLineEdit*>()) {
        if (other != field) {
            EXPECT_FALSE(other->hasSelectedText()) << other->objectName().toStdString();
        }
    }
}

} // namespace
} // namespace quillet::test
