#include "ui/compare/compare_window.h"

#include "engine/text_forms.h"
#include "ui/common/table_window.h"
#include "ui/main_window/announcement.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace quillet::ui {

namespace {

constexpr int width_twips = 10800;
constexpr int height_twips = 7800;

const QString differs_text = QStringLiteral("differs");
const QString best_profit_text = QStringLiteral("best profit");

// A profit as the engine writes it ("5.39", "-2.87"); nothing for a blank or
// a word.
std::optional<double> profit_of(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

} // namespace

CompareWindow::CompareWindow(QWidget* owner, Client client)
    : QWidget(owner, Qt::Window)
    , client_(std::move(client))
    , model_(new QStandardItemModel(0, 0, this))
    , table_(new QTableView(this))
    , name_(new QLineEdit(this))
    , restore_(new QPushButton(QStringLiteral("&Restore"), this))
    , remove_(new QPushButton(QStringLiteral("Re&move"), this))
    , note_(new QLabel(this)) {
    set_up_window(*this, "Compare", "Compare", width_twips, height_twips);

    set_up_reading_table(*table_, "tbl_compare", "Compare");
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectColumns);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    // The selected column's name, renamed from the keyboard as well as by a
    // double-click on its header (which lands here).
    name_->setObjectName(QStringLiteral("txt_listing_name"));
    auto* name_label = new QLabel(QStringLiteral("&Name:"), this);
    name_label->setBuddy(name_);
    restore_->setObjectName(QStringLiteral("cmd_restore"));
    remove_->setObjectName(QStringLiteral("cmd_remove"));
    note_->setObjectName(QStringLiteral("lbl_compare_note"));
    note_->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(name_label);
    buttons->addWidget(name_, 1);
    buttons->addWidget(restore_);
    buttons->addWidget(remove_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);
    layout->addWidget(note_);

    connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                name_->setText(current.isValid() ? listings_.value(current.column()).name
                                                 : QString());
            });
    connect(table_->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int column) {
                choose(column);
                name_->setFocus(Qt::OtherFocusReason);
                name_->selectAll();
            });
    connect(name_, &QLineEdit::editingFinished, this, &CompareWindow::rename_chosen);
    connect(restore_, &QPushButton::clicked, this, &CompareWindow::restore_chosen);
    connect(remove_, &QPushButton::clicked, this, &CompareWindow::remove_chosen);

    announcer_ = new Announcer(this);
    show_listings();
}

bool CompareWindow::keep(const WindowState& record, const FigureShares& shares) {
    if (listings_.size() >= most_listings) {
        note_->setText(
            QStringLiteral("At most %1 listings can be kept: remove one to keep another.")
                .arg(most_listings));
        announcer_->announce(note_->text());
        return false;
    }
    note_->clear();
    listings_.append({QStringLiteral("Listing %1").arg(next_number_++), record, shares});
    show_listings();
    choose(int(listings_.size()) - 1);
    return true;
}

int CompareWindow::chosen() const {
    const QModelIndex current = table_->currentIndex();
    return current.isValid() && current.column() < listings_.size() ? current.column() : -1;
}

void CompareWindow::choose(int column) {
    if (column < 0 || column >= listings_.size() || model_->rowCount() == 0)
        return;
    table_->setCurrentIndex(model_->index(0, column));
    table_->selectColumn(column);
}

void CompareWindow::restore_chosen() {
    if (const int column = chosen(); column >= 0)
        client_.restore(listings_[column].record);
}

void CompareWindow::remove_chosen() {
    const int column = chosen();
    if (column < 0)
        return;
    listings_.removeAt(column);
    note_->clear();
    show_listings();
    choose(std::min(column, int(listings_.size()) - 1));
}

void CompareWindow::rename_chosen() {
    const int column = chosen();
    const QString name = name_->text().trimmed();
    if (column < 0 || name.isEmpty() || name == listings_[column].name)
        return;
    listings_[column].name = name;
    model_->setHeaderData(column, Qt::Horizontal, name);
}

// Rebuilds the table: a row per CompareRow, a column per listing. An input
// whose value is not the same in every column, and the highest profit when
// there is more than one column, are bold and say so to a screen reader.
void CompareWindow::show_listings() {
    const int columns = int(listings_.size());
    model_->clear();
    model_->setColumnCount(columns);
    model_->setRowCount(int(client_.rows.size()));
    QStringList names;
    for (const KeptListing& listing : listings_)
        names.append(listing.name);
    model_->setHorizontalHeaderLabels(names);

    QFont bold = table_->font();
    bold.setBold(true);
    for (int r = 0; r < client_.rows.size(); ++r) {
        const CompareRow& row = client_.rows[r];
        model_->setHeaderData(r, Qt::Vertical, row.caption);
        QStringList values;
        for (const KeptListing& listing : listings_)
            values.append(row.value(listing));

        std::optional<double> best;
        if (row.kind == CompareRow::Kind::profit && columns > 1)
            for (const QString& value : values)
                if (const auto profit = profit_of(value); profit && (!best || *profit > *best))
                    best = profit;
        const bool differs = row.kind == CompareRow::Kind::input &&
                             std::any_of(values.cbegin(), values.cend(),
                                         [&](const QString& v) { return v != values.first(); });

        for (int c = 0; c < columns; ++c) {
            auto* item = new QStandardItem(values[c]);
            if (row.kind != CompareRow::Kind::input)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            QString mark;
            if (differs)
                mark = differs_text;
            else if (best && profit_of(values[c]) == best)
                mark = best_profit_text;
            if (!mark.isEmpty()) {
                item->setFont(bold);
                item->setData(mark, Qt::AccessibleDescriptionRole);
                item->setToolTip(mark);
            }
            model_->setItem(r, c, item);
        }
    }
    restore_->setEnabled(columns > 0);
    remove_->setEnabled(columns > 0);
    name_->setEnabled(columns > 0);
    if (columns == 0)
        name_->clear();
}

// As Copy Figures puts the main window's figures: a header line of the
// listings' names after an empty caption cell, then a "caption<TAB>value..."
// line per row, the figures in the spreadsheet form of the user's conventions.
QString CompareWindow::table_text(const NumberConventions& conventions) const {
    QString text;
    for (const KeptListing& listing : listings_)
        text += u'\t' + listing.name;
    text += u'\n';
    for (const CompareRow& row : client_.rows) {
        text += row.caption;
        for (const KeptListing& listing : listings_) {
            const QString value = row.value(listing);
            text += u'\t';
            text += row.kind == CompareRow::Kind::input
                        ? value
                        : QString::fromStdString(
                              in_user_form(value.toStdString(), conventions, Form::spreadsheet));
        }
        text += u'\n';
    }
    return text;
}

void CompareWindow::copy(const NumberConventions& conventions) {
    QApplication::clipboard()->setText(table_text(conventions));
    announcer_->announce(QStringLiteral("Comparison copied"));
}

} // namespace quillet::ui
