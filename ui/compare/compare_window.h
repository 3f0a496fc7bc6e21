#pragma once

// "Compare": listings kept from the main window (Edit > Keep for Comparison),
// a column each, side by side with the inputs and figures as rows, so that the
// seller can weigh one set of choices against another. Inputs that differ
// between the columns and the best profit are marked in bold and described
// for a screen reader. Not modal; the main window builds it on the first Keep
// and keeps it. Nothing is written to disk: the columns last as long as the
// program.

// moc (Qt 6.4) cannot parse <compare>, which the engine's money type brings
// in, and needs none of the engine's types.
#ifndef Q_MOC_RUN
#include "engine/fee_details.h"
#include "engine/text_readings.h"
#include "engine/window_state.h"
#endif

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QStandardItemModel;
class QTableView;

namespace quillet::ui {

class Announcer;

// One kept column: the main window's inputs and nine figures as read_controls
// reads them, with Fee Details' two shares.
struct KeptListing {
    QString name;
    WindowState record;
    FigureShares shares;
};

// A row of the table: its caption as the main window shows it, and how a
// listing gives its value.
struct CompareRow {
    enum class Kind { input, figure, profit };
    QString caption;
    Kind kind;
    std::function<QString(const KeptListing&)> value;
};

class CompareWindow : public QWidget {
    Q_OBJECT

public:
    static constexpr int most_listings = 8;

    struct Client {
        QList<CompareRow> rows;
        // Puts a listing's inputs back into the main window and calculates.
        std::function<void(const WindowState&)> restore;
    };

    // A window of its own, above `owner` and closed with it.
    CompareWindow(QWidget* owner, Client client);

    // Adds a column; false, with the reason shown in the window, when there
    // are already most_listings.
    bool keep(const WindowState& record, const FigureShares& shares);

    // Edit > Copy Figures while this window is active.
    void copy(const NumberConventions& conventions);
    QString table_text(const NumberConventions& conventions) const;

private:
    void show_listings();
    int chosen() const; // the selected column, or -1
    void choose(int column);
    void restore_chosen();
    void remove_chosen();
    void rename_chosen();

    Client client_;
    QList<KeptListing> listings_;
    int next_number_ = 1;
    QStandardItemModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QLineEdit* name_ = nullptr;
    QPushButton* restore_ = nullptr;
    QPushButton* remove_ = nullptr;
    QLabel* note_ = nullptr;
    Announcer* announcer_ = nullptr;
};

} // namespace quillet::ui
