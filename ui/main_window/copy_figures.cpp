#include "ui/main_window/copy_figures.h"

#include "ui/main_window/control_table.h"
#include "ui/main_window/qt_text.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

namespace quillet::ui {

namespace {

constexpr std::string_view out_of_date_line =
    "Out of date: the inputs changed after these figures were calculated";

} // namespace

QString figures_text(const Controls& c, bool out_of_date) {
    QString text;
    if (out_of_date)
        text += qstring(out_of_date_line) + u'\n';
    for (const ResultRow& row : results)
        text += spoken_name(c, row) + u'\t' + (c.*row.widget)->text() + u'\n';
    return text;
}

void copy_figures(const Controls& c, bool out_of_date) {
    QApplication::clipboard()->setText(figures_text(c, out_of_date));
}

} // namespace quillet::ui
