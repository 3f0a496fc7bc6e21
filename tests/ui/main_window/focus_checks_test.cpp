// The focus checks on their own, on a bare window: two fields, whose check
// rejects the text "bad", and a command and a way-out button.

#include "window_test_support.h"

#include "ui/main_window/focus_checks.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace quillet::test {
namespace {

using ui::FocusChecks;
using ui::Prompt;

class FocusChecksTest : public testing::Test {
protected:
    static void SetUpTestSuite() { ensure_application(); }

    FocusChecksTest() {
        auto* layout = new QVBoxLayout(&surface);
        for (QWidget* w : {static_cast<QWidget*>(first), static_cast<QWidget*>(second),
                           static_cast<QWidget*>(command), static_cast<QWidget*>(clear)})
            layout->addWidget(w);
        connect_buttons();
        first->setFocus();
        checks = new FocusChecks(&surface, &surface, clear, client());
        surface.show();
        surface.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&surface));
    }

    FocusChecks::Client client() {
        return {
            .control_of =
                [this](QWidget* w) { return w && w->parentWidget() == &surface ? w : nullptr; },
            .check = [](QWidget* w) -> std::optional<Prompt> {
                auto* field = qobject_cast<QLineEdit*>(w);
                if (field && field->text() == "bad")
                    return Prompt{"rejected", "title"};
                return std::nullopt;
            },
            .checked_on_enter = [](QWidget* w) { return qobject_cast<QLineEdit*>(w) != nullptr; },
            .got_focus = [this](QWidget* w) { got_focus << w->objectName(); },
            .reject =
                [this](QWidget* w, const Prompt&) {
                    rejected << w->objectName();
                    w->setFocus();
                },
            .enter = [this] { commands << "enter"; },
            .clear = [this] { commands << "clear"; },
        };
    }

    void connect_buttons() {
        first->setObjectName("first");
        second->setObjectName("second");
        QObject::connect(command, &QPushButton::clicked, command,
                         [this] { commands << "command"; });
        QObject::connect(clear, &QPushButton::clicked, clear, [this] { commands << "clear"; });
    }

    // Types a text into the first field and leaves it for `target` by mouse.
    void leave_first_with(const char* text, QWidget* target) {
        first->setText(QString::fromLatin1(text));
        QTest::mouseClick(target, Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    QWidget surface;
    QLineEdit* first = new QLineEdit(&surface);
    QLineEdit* second = new QLineEdit(&surface);
    QPushButton* command = new QPushButton(QStringLiteral("Command"), &surface);
    QPushButton* clear = new QPushButton(QStringLiteral("Clear"), &surface);
    FocusChecks* checks = nullptr;
    QStringList rejected, commands, got_focus;
};

TEST_F(FocusChecksTest, ARejectionAfterTheFocusSettledGivesTheFocusBack) {
    second->setFocus();
    EXPECT_EQ(got_focus, QStringList{"second"});
    EXPECT_TRUE(rejected.isEmpty()) << "no check in the middle of the focus change";

    first->setFocus();
    first->setText("bad");
    second->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(rejected, QStringList{"first"});
    EXPECT_EQ(QApplication::focusWidget(), first);
    EXPECT_TRUE(checks->settle()) << "a check runs once";
}

TEST_F(FocusChecksTest, ARejectionCancelsTheCommandButNotTheWayOut) {
    leave_first_with("bad", command);
    EXPECT_EQ(rejected, QStringList{"first"});
    EXPECT_TRUE(commands.isEmpty());

    rejected.clear();
    leave_first_with("bad", clear);
    EXPECT_EQ(rejected, QStringList{"first"});
    EXPECT_EQ(commands, QStringList{"clear"});

    commands.clear();
    leave_first_with("good", command);
    EXPECT_EQ(commands, QStringList{"command"});
}

TEST_F(FocusChecksTest, EnterChecksTheFocusedFieldBeforeItsCommand) {
    first->setText("bad");
    QTest::keyClick(first, Qt::Key_Return);
    EXPECT_EQ(rejected, QStringList{"first"});
    EXPECT_TRUE(commands.isEmpty());

    first->setText("good");
    QTest::keyClick(first, Qt::Key_Return);
    EXPECT_EQ(commands, QStringList{"enter"});
}

TEST_F(FocusChecksTest, NothingIsCheckedOnceStopped) {
    first->setText("bad");
    second->setFocus();
    checks->stop();
    QCoreApplication::processEvents();
    EXPECT_TRUE(rejected.isEmpty());
}

} // namespace
} // namespace quillet::test
