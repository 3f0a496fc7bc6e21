#include "ui/fee_details/fee_details_window.h"

#include "ui/common/contrast.h"
#include "ui/common/figure_marks.h"
#include "ui/common/table_window.h"
#include "ui/main_window/announcement.h"
#include "ui/main_window/qt_text.h"

#include <QApplication>
#include <QClipboard>
#include <QEvent>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace quillet::ui {

namespace {

// The window's first size; it is resizable, and the table scrolls.
constexpr int width_twips = 9600;
constexpr int height_twips = 6600;

enum Column { what_column, amount_column };

} // namespace

FeeDetailsWindow::FeeDetailsWindow(QWidget* owner)
    : QWidget(owner, Qt::Window)
    , model_(new QStandardItemModel(0, 2, this))
    , table_(new QTableView(this)) {
    set_up_window(*this, "FeeDetails", "Fee Details", width_twips, height_twips);

    model_->setHorizontalHeaderLabels({QStringLiteral("What"), QStringLiteral("Amount")});
    set_up_reading_table(*table_, "tbl_details", "Fee Details");
    table_->setModel(model_);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setSectionResizeMode(what_column, QHeaderView::Stretch);
    table_->horizontalHeader()->setSectionResizeMode(amount_column, QHeaderView::ResizeToContents);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);

    announcer_ = new Announcer(this);
}

void FeeDetailsWindow::show_rows(QList<DetailRow> rows) {
    rows_ = std::move(rows);
    model_->setRowCount(0);
    for (const DetailRow& row : rows_) {
        auto* what = new QStandardItem(row.what);
        auto* amount = new QStandardItem(row.amount);
        amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        model_->appendRow({what, amount});
    }
    mark_rows();
}

void FeeDetailsWindow::set_out_of_date(bool out_of_date) {
    if (out_of_date == out_of_date_)
        return;
    out_of_date_ = out_of_date;
    mark_rows();
}

void FeeDetailsWindow::copy(const NumberConventions& conventions) {
    QApplication::clipboard()->setText(details_text(rows_, out_of_date_, conventions));
    announcer_->announce(details_copied_words(out_of_date_));
}

// The palette's text eased to 5:1 against the table's background, as the main
// window's out-of-date figures are; each cell describes itself, so that a
// screen reader reading cell by cell hears it too.
void FeeDetailsWindow::mark_rows() {
    const QPalette& palette = table_->palette();
    const QColor faint =
        eased_text(palette.color(QPalette::Text), palette.color(QPalette::Base), 5.0, 80);
    QFont font = table_->font();
    font.setItalic(out_of_date_);
    for (int row = 0; row < model_->rowCount(); ++row) {
        for (int column = 0; column < model_->columnCount(); ++column) {
            QStandardItem* item = model_->item(row, column);
            item->setFont(font);
            item->setData(out_of_date_ ? QVariant(faint) : QVariant(), Qt::ForegroundRole);
            item->setData(out_of_date_ ? qstring(out_of_date_text) : QVariant(),
                          Qt::AccessibleDescriptionRole);
        }
    }
    table_->setAccessibleDescription(out_of_date_ ? qstring(out_of_date_text) : QString());
}

// A new palette (the desktop's, or a dark one) needs a new faint colour.
void FeeDetailsWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && out_of_date_)
        mark_rows();
}

} // namespace quillet::ui
