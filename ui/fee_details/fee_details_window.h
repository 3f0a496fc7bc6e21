#pragma once

// "Fee Details": the breakdown of the main window's last calculation, a row
// per part (detail_rows.h) in a two-column table that a screen reader reads
// cell by cell. Not modal; the main window builds it when it is first opened,
// keeps it, and hands it every later calculation and its out-of-date marking,
// which it shows as the main window does: italic, fainter (5:1 against the
// table's background) and described as out of date.

// moc (Qt 6.4) cannot parse <compare>, which the engine's money type brings
// in, and needs none of the engine's types.
#ifndef Q_MOC_RUN
#include "ui/fee_details/detail_rows.h"
#endif

#include <QList>
#include <QWidget>

class QStandardItemModel;
class QTableView;

namespace quillet::ui {

class Announcer;

class FeeDetailsWindow : public QWidget {
    Q_OBJECT

public:
    // A window of its own, above `owner` and closed with it.
    explicit FeeDetailsWindow(QWidget* owner);

    void show_rows(QList<DetailRow> rows);
    void set_out_of_date(bool out_of_date);

    // Edit > Copy Figures while this window is active.
    void copy(const NumberConventions& conventions);

protected:
    void changeEvent(QEvent* event) override;

private:
    void mark_rows();

    QList<DetailRow> rows_;
    bool out_of_date_ = false;
    QStandardItemModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    Announcer* announcer_ = nullptr;
};

} // namespace quillet::ui
