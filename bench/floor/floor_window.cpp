#include "floor_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include <vector>

namespace quillet::bench {

namespace {

enum class Kind { frame, label, field, drop_down, box, button, line };

// One widget: its kind, the group box it sits in (its row number; -1 for the
// client area), its text, and its rectangle in twips. Group boxes come before
// their contents.
struct Row {
    Kind kind;
    int parent;
    const char* text;
    int left, top, width, height;
};

// clang-format off
const Row rows[] = {
    {Kind::frame, -1, "Quick Help:", 120, 0, 11655, 855},           // 0
    {Kind::label, 0, "", 120, 360, 11295, 375},
    {Kind::frame, -1, "Item Cost:", 120, 960, 2895, 855},           // 2
    {Kind::field, 2, "Free", 120, 360, 2655, 375},
    {Kind::frame, -1, "Starting Price:", 3120, 960, 2775, 855},     // 4
    {Kind::drop_down, 4, "$0.01 - $0.99", 120, 360, 2535, 360},
    {Kind::frame, -1, "Buy-It-Now Price:", 6000, 960, 2775, 855},   // 6
    {Kind::drop_down, 6, "None", 120, 360, 2535, 360},
    {Kind::frame, -1, "Reserve:", 8880, 960, 2895, 855},            // 8
    {Kind::field, 8, "None", 120, 360, 2655, 375},
    {Kind::frame, -1, "Ending Price:", 120, 1920, 2895, 855},       // 10
    {Kind::field, 10, "None", 120, 360, 2655, 375},
    {Kind::frame, -1, "Shipping Charged:", 3120, 1920, 2775, 855},  // 12
    {Kind::field, 12, "None", 120, 360, 2535, 375},
    {Kind::frame, -1, "Shipping Cost:", 6000, 1920, 2775, 855},     // 14
    {Kind::field, 14, "None", 120, 360, 2535, 375},
    {Kind::frame, -1, "Other Costs:", 8880, 1920, 2895, 855},       // 16
    {Kind::field, 16, "None", 120, 360, 2655, 375},
    {Kind::frame, -1, "Picture Options:", 120, 2880, 3975, 2055},   // 18
    {Kind::label, 18, "Number of Pictures:", 240, 360, 2415, 375},
    {Kind::drop_down, 18, "1", 2280, 360, 975, 315},
    {Kind::box, 18, "Picture Show", 240, 840, 1935, 375},
    {Kind::box, 18, "Supersize Pictures", 240, 1200, 2175, 375},
    {Kind::box, 18, "Picture Pack", 240, 1560, 1935, 375},
    {Kind::frame, -1, "Listing Options:", 4200, 2880, 7575, 2055},  // 24
    {Kind::line, 24, "", 2160, 360, 15, 1560},
    {Kind::line, 24, "", 4560, 360, 15, 1560},
    {Kind::box, 24, "Gallery", 240, 360, 1215, 375},
    {Kind::box, 24, "Bold", 240, 720, 1215, 375},
    {Kind::box, 24, "10 Day Listing", 240, 1080, 1815, 375},
    {Kind::box, 24, "Border", 240, 1440, 1215, 375},
    {Kind::box, 24, "Sub Title", 2400, 360, 1215, 375},
    {Kind::box, 24, "Highlight", 2400, 720, 1215, 375},
    {Kind::box, 24, "Gift Services", 2400, 1080, 1815, 375},
    {Kind::box, 24, "Double Catergory", 2400, 1440, 2055, 375},
    {Kind::box, 24, "Gallery Featured", 4800, 360, 2055, 375},
    {Kind::box, 24, "Featured Plus", 4800, 720, 2055, 375},
    {Kind::box, 24, "Homepage Featured", 4800, 1080, 2415, 375},
    {Kind::frame, -1, "Costs and Profits:", 120, 5040, 11655, 1935}, // 38
    {Kind::line, 38, "", 3960, 240, 15, 1560},
    {Kind::line, 38, "", 8280, 240, 15, 1560},
    {Kind::label, 38, "Listing Fees ($):", 120, 360, 2175, 375},
    {Kind::label, 38, "Final Value Fees ($) :", 120, 840, 2175, 375},
    {Kind::label, 38, "Total eBaY Fees ($) :", 120, 1320, 2175, 375},
    {Kind::label, 38, "Paypal Fees ($):", 4080, 360, 2175, 375},
    {Kind::label, 38, "Total Fees ($) :", 4080, 840, 2055, 375},
    {Kind::label, 38, "Total Received ($):", 4080, 1320, 2055, 375},
    {Kind::label, 38, "Total Spent ($):", 8400, 360, 1695, 375},
    {Kind::label, 38, "Profit ($):", 8400, 840, 1695, 375},
    {Kind::label, 38, "Profit Margin %", 8400, 1320, 1695, 375},
    {Kind::field, 38, "", 2400, 360, 1335, 375},
    {Kind::field, 38, "", 2400, 840, 1335, 375},
    {Kind::field, 38, "", 2400, 1320, 1335, 375},
    {Kind::field, 38, "", 6120, 360, 1335, 375},
    {Kind::field, 38, "", 6120, 840, 1335, 375},
    {Kind::field, 38, "", 6120, 1320, 1335, 375},
    {Kind::field, 38, "", 10080, 360, 1335, 375},
    {Kind::field, 38, "", 10080, 840, 1335, 375},   // 57: the bold one
    {Kind::field, 38, "", 10080, 1320, 1335, 375},
    {Kind::box, 38, "", 7560, 480, 495, 255},
    {Kind::button, -1, "Calculate", 120, 7200, 4815, 495},
    {Kind::button, -1, "Clear", 6960, 7200, 4815, 495},
};
// clang-format on

constexpr int number_of_pictures = 20;
constexpr int bold_result = 57;

constexpr int pixels(int twips) {
    return (twips + 7) / 15;
}

QFont requested_font(const char* family, qreal points, bool bold = false) {
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QWidget* make(const Row& row, QWidget* parent) {
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
    case Kind::frame:
        return new QGroupBox(text, parent);
    case Kind::label:
        return new QLabel(text, parent);
    case Kind::field:
        return new QLineEdit(text, parent);
    case Kind::drop_down: {
        auto* box = new QComboBox(parent);
        box->setEditable(true);
        box->setEditText(text);
        return box;
    }
    case Kind::box:
        return new QCheckBox(text, parent);
    case Kind::button:
        return new QPushButton(text, parent);
    case Kind::line:
        return new QFrame(parent);
    }
    return nullptr;
}

} // namespace

FloorWindow::FloorWindow(QWidget* parent)
    : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Quillet floor"));
    auto* surface = new QWidget(this);
    setCentralWidget(surface);
    surface->setFont(requested_font("Verdana", 9.75));

    std::vector<QWidget*> built;
    for (const Row& row : rows) {
        QWidget* w = make(row, row.parent < 0 ? surface : built[static_cast<size_t>(row.parent)]);
        w->setGeometry(pixels(row.left), pixels(row.top), pixels(row.width), pixels(row.height));
        built.push_back(w);
    }
    built[number_of_pictures]->setFont(requested_font("MS Sans Serif", 8.25));
    built[bold_result]->setFont(requested_font("Verdana", 9.75, true));

    menuBar()->addMenu(QStringLiteral("File"))->addAction(QStringLiteral("E&xit"));
    menuBar()->addMenu(QStringLiteral("Help"))->addAction(QStringLiteral("About"));

    resize(pixels(11910), pixels(7815) + menuBar()->sizeHint().height());
}

} // namespace quillet::bench
