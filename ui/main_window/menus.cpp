#include "ui/main_window/menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace quillet::ui {

namespace {

// A menu of one entry; each carries its control name as its objectName.
QAction* add_menu(QMainWindow& window, const char* title, const char* menu_name,
                  const char* entry_text, const char* entry_name, const QKeySequence& keys) {
    QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
    menu->setObjectName(QString::fromLatin1(menu_name));
    QAction* entry = menu->addAction(QString::fromLatin1(entry_text));
    entry->setObjectName(QString::fromLatin1(entry_name));
    entry->setShortcut(keys);
    return entry;
}

} // namespace

MenuActions add_menus(QMainWindow& window) {
    return {
        // Spelled out: QKeySequence::Quit is empty under some platform themes.
        .exit = add_menu(window, "&File", "file", "E&xit", "Exit", Qt::CTRL | Qt::Key_Q),
        .copy_figures = add_menu(window, "&Edit", "Edit", "&Copy Figures", "CopyFigures",
                                 Qt::CTRL | Qt::SHIFT | Qt::Key_C),
        .target_price = add_menu(window, "&Tools", "Tools", "&Target Price...", "TargetPrice",
                                 Qt::CTRL | Qt::Key_T),
        .about = add_menu(window, "&Help", "Help", "About", "About", QKeySequence()),
    };
}

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
