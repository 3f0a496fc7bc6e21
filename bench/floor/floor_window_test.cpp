// The floor window holds the same widgets, kind by kind, as Quillet's main
// window, at the same size, so that start-up figures compare like with like.

#include "floor_window.h"

#include "ui/main_window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

// How many widgets of each class a window holds, its own parts included (the
// edit part of a drop-down, the menu bar's menus), and how many menu entries.
std::map<std::string, int> census(const QWidget& window) {
    std::map<std::string, int> counts;
    for (const QWidget* w : window.findChildren<QWidget*>())
        ++counts[w->metaObject()->className()];
    for (const QMenu* m : window.findChildren<QMenu*>())
        counts["menu entries"] += static_cast<int>(m->actions().size());
    return counts;
}

class FloorWindow : public testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "floor_window_test";
        static char* argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
    }
    static void TearDownTestSuite() {
        delete app_;
        app_ = nullptr;
    }

    static QApplication* app_;
};

QApplication* FloorWindow::app_ = nullptr;

TEST_F(FloorWindow, HoldsTheWidgetsOfTheMainWindow) {
    quillet::ui::Quillet_main quillet;
    quillet::bench::FloorWindow floor;
    const auto expected = census(quillet);
    EXPECT_EQ(census(floor), expected);

    // The figures the floor was written to, so that a change on either side
    // is seen here rather than only as a count that moved.
    EXPECT_EQ(expected.at("QGroupBox"), 12);
    EXPECT_EQ(expected.at("QLabel"), 11);
    EXPECT_EQ(expected.at("QLineEdit"), 6 + 9 + 3); // the drop-downs' edit parts too
    EXPECT_EQ(expected.at("QCheckBox"), 15);
    EXPECT_EQ(expected.at("QComboBox"), 3);
    EXPECT_EQ(expected.at("QPushButton"), 2);
    EXPECT_EQ(expected.at("QFrame"), 4);
    EXPECT_EQ(expected.at("QMenu"), 2);
    EXPECT_EQ(expected.at("menu entries"), 2);
}

TEST_F(FloorWindow, HasTheSizeOfTheMainWindow) {
    quillet::ui::Quillet_main quillet;
    quillet::bench::FloorWindow floor;
    EXPECT_EQ(floor.size(), quillet.size());
    EXPECT_EQ(floor.centralWidget()->font(), quillet.centralWidget()->font());
}

} // namespace
