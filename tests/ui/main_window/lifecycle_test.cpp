// "About", "E&xit" and the end of the program.

#include "window_test_support.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <vector>

#include <gtest/gtest.h>

namespace quillet::test {
namespace {

class Lifecycle : public testing::Test {
protected:
    WindowHarness h;
};

TEST_F(Lifecycle, AboutOpensOneModelessDialogWithoutAnOwner) {
    h.trigger("About");
    const QList<QDialog*> open = about_dialogs();
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open[0]->parentWidget(), nullptr);
    EXPECT_FALSE(open[0]->isModal());
    EXPECT_TRUE(open[0]->testAttribute(Qt::WA_DeleteOnClose));
}

TEST_F(Lifecycle, AboutTwiceBringsTheSameDialogToTheFront) {
    h.trigger("About");
    const QPointer<QDialog> first = about_dialogs().value(0);
    h.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&h.window()));
    h.trigger("About");
    EXPECT_EQ(about_dialogs(), QList<QDialog*>{first.data()});
    EXPECT_TRUE(QTest::qWaitForWindowActive(first.data()));
}

TEST_F(Lifecycle, AboutAfterClosingShowsItAfresh) {
    h.trigger("About");
    QPointer<QDialog> first = about_dialogs().value(0);
    ASSERT_TRUE(first);
    first->close();
    h.trigger("About"); // before the closed one is deleted
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    const QList<QDialog*> open = about_dialogs();
    ASSERT_EQ(open.size(), 1);
    EXPECT_TRUE(open[0]->isVisible());
}

TEST_F(Lifecycle, TheMainWindowWorksWhileAboutIsOpen) {
    h.trigger("About");
    h.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&h.window()));
    h.type("txt_end_price", QStringLiteral("10"));
    h.press_enter();
    EXPECT_EQ(h.text("txt_paypal_fee"), QStringLiteral("0.59"));
    EXPECT_EQ(about_dialogs().size(), 1);
}

// Exit and the title bar's close alike: at once, About with it, and no check
// on the text being typed.
struct Ending {
    const char* name;
    std::function<void(WindowHarness&)> end;
};

TEST(Ending, ExitOrClosingTheWindowEndsTheProgramAndAboutWithIt) {
    const std::vector<Ending> ways{
        {"Exit", [](WindowHarness& h) { h.trigger("Exit"); }},
        {"closing the window", [](WindowHarness& h) { h.window().close(); }},
    };
    for (const Ending& way : ways) {
        WindowHarness h;
        h.type("txt_reserve", QStringLiteral("not a price")); // would be rejected on leaving
        h.trigger("About");
        const QPointer<QDialog> about = about_dialogs().value(0);
        ASSERT_TRUE(about) << way.name;
        QTimer::singleShot(0, [&] { way.end(h); });
        EXPECT_EQ(run_until_the_program_ends(), 0) << way.name;
        EXPECT_TRUE(about.isNull() || !about->isVisible()) << way.name;
        WindowHarness::settle();
        EXPECT_TRUE(h.take_boxes().isEmpty()) << way.name;
    }
}

} // namespace
} // namespace quillet::test
