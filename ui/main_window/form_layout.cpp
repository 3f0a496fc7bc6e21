#include "ui/main_window/form_layout.h"

#include "ui/common/fonts.h"
#include "ui/common/twips.h"
#include "ui/main_window/control_table.h"
#include "ui/main_window/window_colours.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <type_traits>
#include <variant>

namespace quillet::ui {

namespace {

// Where a control goes: the Controls member that receives it (its type is the
// widget's kind), the frame it sits in (none: the window), its text when
// created and its rectangle in twips from the parent's top-left corner.
using Slot = std::variant<QGroupBox * Controls::*, QLabel * Controls::*, QLineEdit * Controls::*,
                          QComboBox * Controls::*, QCheckBox * Controls::*,
                          QPushButton * Controls::*, QFrame * Controls::*>;

struct Placement {
    const char* name;
    Slot slot;
    QGroupBox* Controls::*frame;
    const char* text;
    TwipsRect where;
};

// Keeps a row's objectName and its Controls member the same word.
// clang-format off
#define PLACE(member, frame, ...) Placement{#member, &Controls::member, frame, __VA_ARGS__}
// clang-format on

constexpr QGroupBox* Controls::*window = nullptr;

// Rows are built in order, and a later control is drawn above an earlier one:
// each frame comes before its contents, and labels before the fields that
// overlap them. The order is also the keyboard's: Tab follows creation through
// the controls that take the focus. A line is a rectangle one pixel (15 twips
// at 96 DPI) wide.
const std::array placements{
    PLACE(quick_help, window, "Quick Help:", 120, 0, 11655, 855),
    PLACE(lbl_help, &Controls::quick_help, "", 120, 360, 11295, 375),

    PLACE(fr_cost, window, "Item Cost:", 120, 960, 2895, 855),
    PLACE(txt_item_cost, &Controls::fr_cost, "", 120, 360, 2655, 375),
    PLACE(fr_start_price, window, "Starting Price:", 3120, 960, 2775, 855),
    PLACE(cmb_start_price, &Controls::fr_start_price, "", 120, 360, 2535, 360),
    PLACE(Frame2, window, "Buy-It-Now Price:", 6000, 960, 2775, 855),
    PLACE(cmb_bin, &Controls::Frame2, "", 120, 360, 2535, 360),
    PLACE(Frame1, window, "Reserve:", 8880, 960, 2895, 855),
    PLACE(txt_reserve, &Controls::Frame1, "", 120, 360, 2655, 375),

    PLACE(fr_end_price, window, "Ending Price:", 120, 1920, 2895, 855),
    PLACE(txt_end_price, &Controls::fr_end_price, "", 120, 360, 2655, 375),
    PLACE(fr_ship_charged, window, "Shipping Charged:", 3120, 1920, 2775, 855),
    PLACE(txt_ship_charged, &Controls::fr_ship_charged, "", 120, 360, 2535, 375),
    PLACE(fr_ship_cost, window, "Shipping Cost:", 6000, 1920, 2775, 855),
    PLACE(txt_ship_cost, &Controls::fr_ship_cost, "", 120, 360, 2535, 375),
    PLACE(fr_other_costs, window, "Other Costs:", 8880, 1920, 2895, 855),
    PLACE(txt_other_costs, &Controls::fr_other_costs, "", 120, 360, 2655, 375),

    PLACE(fr_pic_options, window, "Picture Options:", 120, 2880, 3975, 2055),
    PLACE(Label1, &Controls::fr_pic_options, "Number of Pictures:", 240, 360, 2415, 375),
    PLACE(combo_num_pics, &Controls::fr_pic_options, "", 2280, 360, 975, 315),
    PLACE(chk_pic_show, &Controls::fr_pic_options, "Picture Show", 240, 840, 1935, 375),
    PLACE(chk_supersize, &Controls::fr_pic_options, "Supersize Pictures", 240, 1200, 2175, 375),
    PLACE(chk_pic_pack, &Controls::fr_pic_options, "Picture Pack", 240, 1560, 1935, 375),

    PLACE(fr_options, window, "Listing Options:", 4200, 2880, 7575, 2055),
    PLACE(Line1, &Controls::fr_options, "", 2160, 360, 15, 1560),
    PLACE(Line2, &Controls::fr_options, "", 4560, 360, 15, 1560),
    PLACE(chk_gallery, &Controls::fr_options, "Gallery", 240, 360, 1215, 375),
    PLACE(chk_bold, &Controls::fr_options, "Bold", 240, 720, 1215, 375),
    PLACE(chk_10day, &Controls::fr_options, "10 Day Listing", 240, 1080, 1815, 375),
    PLACE(chk_border, &Controls::fr_options, "Border", 240, 1440, 1215, 375),
    PLACE(chk_sub, &Controls::fr_options, "Sub Title", 2400, 360, 1215, 375),
    PLACE(chk_highlight, &Controls::fr_options, "Highlight", 2400, 720, 1215, 375),
    PLACE(chk_gift, &Controls::fr_options, "Gift Services", 2400, 1080, 1815, 375),
    PLACE(chk_doublecat, &Controls::fr_options, "Double Catergory", 2400, 1440, 2055, 375),
    PLACE(chk_gfeatured, &Controls::fr_options, "Gallery Featured", 4800, 360, 2055, 375),
    PLACE(chk_fplus, &Controls::fr_options, "Featured Plus", 4800, 720, 2055, 375),
    PLACE(chk_hfeatured, &Controls::fr_options, "Homepage Featured", 4800, 1080, 2415, 375),

    PLACE(fr_costs, window, "Costs and Profits:", 120, 5040, 11655, 1935),
    PLACE(Line4, &Controls::fr_costs, "", 3960, 240, 15, 1560),
    PLACE(Line3, &Controls::fr_costs, "", 8280, 240, 15, 1560),
    PLACE(lbl_list_fee, &Controls::fr_costs, "Listing Fees ($):", 120, 360, 2175, 375),
    PLACE(Label7, &Controls::fr_costs, "Final Value Fees ($) :", 120, 840, 2175, 375),
    PLACE(Label9, &Controls::fr_costs, "Total eBaY Fees ($) :", 120, 1320, 2175, 375),
    PLACE(Label8, &Controls::fr_costs, "Paypal Fees ($):", 4080, 360, 2175, 375),
    PLACE(Label6, &Controls::fr_costs, "Total Fees ($) :", 4080, 840, 2055, 375),
    PLACE(Label4, &Controls::fr_costs, "Total Received ($):", 4080, 1320, 2055, 375),
    PLACE(Label5, &Controls::fr_costs, "Total Spent ($):", 8400, 360, 1695, 375),
    PLACE(Label3, &Controls::fr_costs, "Profit ($):", 8400, 840, 1695, 375),
    PLACE(Label2, &Controls::fr_costs, "Profit Margin %", 8400, 1320, 1695, 375),
    PLACE(txt_list_fee, &Controls::fr_costs, "", 2400, 360, 1335, 375),
    PLACE(txt_fvf, &Controls::fr_costs, "", 2400, 840, 1335, 375),
    PLACE(Txt_ebay_fees, &Controls::fr_costs, "", 2400, 1320, 1335, 375),
    PLACE(txt_paypal_fee, &Controls::fr_costs, "", 6120, 360, 1335, 375),
    PLACE(txt_total_fee, &Controls::fr_costs, "", 6120, 840, 1335, 375),
    PLACE(txt_total_recv, &Controls::fr_costs, "", 6120, 1320, 1335, 375),
    PLACE(txt_total_spent, &Controls::fr_costs, "", 10080, 360, 1335, 375),
    PLACE(txt_profit, &Controls::fr_costs, "", 10080, 840, 1335, 375),
    PLACE(txt_profit_margin, &Controls::fr_costs, "", 10080, 1320, 1335, 375),
    PLACE(chk_paypal, &Controls::fr_costs, "", 7560, 480, 495, 255),

    PLACE(cmd_calc, window, "Calculate", 120, 7200, 4815, 495),
    PLACE(cmd_clear, window, "Clear", 6960, 7200, 4815, 495),
    PLACE(lbl_no_sale, window, "", 5040, 7035, 1815, 780),
};

#undef PLACE

// A check box that, like its caption, the whole of its rectangle toggles:
// "chk_paypal" has no caption but is wider than its box.
class OptionBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

template <class Widget> Widget* make(QWidget* parent) {
    return new Widget(parent);
}
template <> QCheckBox* make<QCheckBox>(QWidget* parent) {
    return new OptionBox(parent);
}

template <class T> struct widget_of;
template <class W> struct widget_of<W * Controls::*> { using type = W; };

void set_text(QGroupBox* w, const QString& text) {
    w->setTitle(text);
}
void set_text(QLabel* w, const QString& text) {
    w->setText(text);
}
void set_text(QLineEdit* w, const QString& text) {
    w->setText(text);
}
void set_text(QCheckBox* w, const QString& text) {
    w->setText(text);
}
void set_text(QPushButton* w, const QString& text) {
    w->setText(text);
}
void set_text(QFrame*, const QString&) {}
void set_text(QComboBox* w, const QString& text) {
    // An editable drop-down whose list only the program fills: typing neither
    // completes from the list nor adds to it. Like every other input it takes
    // the focus from Tab and a click, not from a turn of the mouse wheel.
    w->setFocusPolicy(Qt::StrongFocus);
    w->setEditable(true);
    w->setInsertPolicy(QComboBox::NoInsert);
    w->setCompleter(nullptr);
    w->setEditText(text);
}

void style_controls(const Controls& c) {
    c.combo_num_pics->setFont(font("MS Sans Serif", 8.25));
    c.txt_profit->setFont(font("Verdana", 9.75, true));

    for (QFrame* line : separator_lines(c)) {
        line->setFrameShape(QFrame::NoFrame);
        // A line takes no mouse: the pointer over it is over the frame.
        line->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    apply_window_colours(c, c.surface->palette());

    for (const ResultRow& row : results)
        (c.*row.widget)->setEnabled(false);

    c.cmd_calc->setDefault(true);

    c.lbl_no_sale->setWordWrap(true);
    c.lbl_no_sale->setAlignment(Qt::AlignCenter);
}

} // namespace

Controls build_form(QWidget* surface) {
    Controls c;
    c.surface = surface;
    // The client area's font goes first: each control then starts with it,
    // rather than every control being built once and re-laid out for a new font.
    surface->setFont(font("Verdana", 9.75));
    for (const Placement& p : placements) {
        QWidget* parent = p.frame ? static_cast<QWidget*>(c.*(p.frame)) : surface;
        QWidget* built = std::visit(
            [&](auto slot) -> QWidget* {
                using Widget = typename widget_of<decltype(slot)>::type;
                Widget* w = make<Widget>(parent);
                set_text(w, QString::fromUtf8(p.text));
                c.*slot = w;
                return w;
            },
            p.slot);
        built->setObjectName(QString::fromLatin1(p.name));
        place(*built, p.where);
    }
    style_controls(c);
    return c;
}

void fit_to_client_area(QMainWindow& window) {
    const QSize client = Twips(window).size(client_width_twips, client_height_twips);
    const QSize whole(client.width(), client.height() + window.menuBar()->sizeHint().height());
    // The form's size is the window's least, so that a desktop that honours
    // it never cuts the form. Qt's Wayland windows are held at their minimum
    // whatever size the compositor asks for, and a tiling compositor (sway)
    // then crops the window to its tile, out of reach of the scroll bars;
    // there the window takes the size it is given, and the form scrolls.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        window.setMinimumSize(whole);
    window.resize(whole);
}

QWidget* control_of(const QWidget* surface, QWidget* w) {
    while (w && w->parentWidget() && w->parentWidget() != surface &&
           !qobject_cast<QGroupBox*>(w->parentWidget()))
        w = w->parentWidget();
    return w && w->parentWidget() ? w : nullptr;
}

} // namespace quillet::ui
