#include "ui/main_window/menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace quillet::ui {

namespace {

// An entry carries its control name as its objectName.
QAction* add_entry(QMenu* menu, const char* text, const char* name, const QKeySequence& keys) {
    QAction* entry = menu->addAction(QString::fromLatin1(text));
    entry->setObjectName(QString::fromLatin1(name));
    entry->setShortcut(keys);
    return entry;
}

QMenu* add_menu(QMainWindow& window, const char* title, const char* name) {
    QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

MenuActions add_menus(QMainWindow& window) {
    MenuActions actions{};
    // Spelled out: QKeySequence::Quit is empty under some platform themes.
    actions.exit =
        add_entry(add_menu(window, "&File", "file"), "E&xit", "Exit", Qt::CTRL | Qt::Key_Q);
    // Ends the program from any of its windows, About and the dialogs too.
    actions.exit->setShortcutContext(Qt::ApplicationShortcut);
    QMenu* edit = add_menu(window, "&Edit", "Edit");
    actions.copy_figures =
        add_entry(edit, "&Copy Figures", "CopyFigures", Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    // Not Ctrl+K: Qt matches a shortcut before a screen reader can take the
    // key, so Orca's own Orca+Ctrl+K (read the current object) would keep a
    // listing instead of reading.
    actions.keep_for_comparison = add_entry(edit, "&Keep for Comparison", "KeepForComparison",
                                            Qt::CTRL | Qt::SHIFT | Qt::Key_K);
    QMenu* tools = add_menu(window, "&Tools", "Tools");
    actions.target_price =
        add_entry(tools, "&Target Price...", "TargetPrice", Qt::CTRL | Qt::Key_T);
    actions.fee_details = add_entry(tools, "Fee &Details...", "FeeDetails", Qt::CTRL | Qt::Key_D);
    actions.compare = add_entry(tools, "&Compare...", "Compare", Qt::CTRL | Qt::Key_M);
    actions.about = add_entry(add_menu(window, "&Help", "Help"), "About", "About", QKeySequence());
    return actions;
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

void leave_idle_menu_bar(QMenuBar& bar, QWidget* control) {
    if (control && bar.hasFocus() && !bar.activeAction())
        control->setFocus(Qt::MenuBarFocusReason);
}

} // namespace quillet::ui
