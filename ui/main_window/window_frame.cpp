#include "ui/main_window/window_frame.h"

#include "ui/common/twips.h"
#include "ui/main_window/form_layout.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace quillet::ui {

namespace {

QAction* add_entry(QMenu* menu, const char* text, const char* name, const QKeySequence& keys) {
    QAction* entry = menu->addAction(QString::fromLatin1(text));
    entry->setObjectName(QString::fromLatin1(name));
    entry->setShortcut(keys);
    return entry;
}

QMenu* add_menu(QMainWindow& window, const char* text, const char* name) {
    QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(text));
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

MenuActions add_menus(QMainWindow& window) {
    MenuActions a{};
    // Spelled out: QKeySequence::Quit is empty under some platform themes.
    a.exit = add_entry(add_menu(window, "&File", "file"), "E&xit", "Exit",
                       QKeySequence(Qt::CTRL | Qt::Key_Q));
    a.copy_figures = add_entry(add_menu(window, "&Edit", "Edit"), "&Copy Figures", "CopyFigures",
                               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    a.target_price = add_entry(add_menu(window, "&Tools", "Tools"), "&Target Price...",
                               "TargetPrice", QKeySequence(Qt::CTRL | Qt::Key_T));
    a.about = add_entry(add_menu(window, "&Help", "Help"), "About", "About", QKeySequence());
    return a;
}

void fit_to_client_area(QMainWindow& window) {
    const QSize client = Twips(window).size(client_width_twips, client_height_twips);
    window.resize(client.width(), client.height() + window.menuBar()->sizeHint().height());
}

} // namespace quillet::ui
