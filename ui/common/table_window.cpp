#include "ui/common/table_window.h"

#include "ui/common/app_icon.h"
#include "ui/common/fonts.h"
#include "ui/common/twips.h"

#include <QHeaderView>
#include <QKeySequence>
#include <QShortcut>
#include <QTableView>
#include <QWidget>

namespace quillet::ui {

void set_up_window(QWidget& window, const char* name, const char* title, int width_twips,
                   int height_twips) {
    window.setObjectName(QString::fromLatin1(name));
    window.setWindowTitle(QString::fromUtf8(title));
    window.setWindowIcon(quillet_window_icon());
    window.setFont(font("Verdana", 9.75));
    window.resize(Twips(window).size(width_twips, height_twips));
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    QObject::connect(close, &QShortcut::activated, &window, &QWidget::close);
}

void set_up_reading_table(QTableView& table, const char* name, const char* spoken) {
    table.setObjectName(QString::fromLatin1(name));
    table.setAccessibleName(QString::fromUtf8(spoken));
    table.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table.setSelectionMode(QAbstractItemView::SingleSelection);
    table.setTabKeyNavigation(false);
    table.setWordWrap(false);
    table.verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

} // namespace quillet::ui
