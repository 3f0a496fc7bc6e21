#include "ui/main_window/menu_keys.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>
#include <QShortcut>

namespace quillet::ui {

void open_menus_with_f10(QMainWindow& window) {
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), &window);
    f10->setContext(Qt::WindowShortcut);
    QMenuBar* bar = window.menuBar();
    QObject::connect(f10, &QShortcut::activated, bar, [bar] {
        // The menu opens with no entry chosen yet: the first one is "E&xit",
        // and an Enter pressed out of habit must not end the program.
        for (QAction* entry : bar->actions()) {
            if (entry->menu() && entry->isVisible() && entry->isEnabled()) {
                bar->setActiveAction(entry);
                return;
            }
        }
    });
}

} // namespace quillet::ui
