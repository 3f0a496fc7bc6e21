#pragma once

// The help line: as the mouse moves, lbl_help shows the sentence of
// the option or price field under the pointer, and empties over the window's
// background or a frame's. Any other control (a label, a drop-down, a button,
// "Sub Title") leaves the line as it is. A disabled control and a separator
// line take no mouse, so the pointer over one is over the frame beneath.

#include "ui/main_window/form_layout.h"

#include <QFont>
#include <QHash>
#include <QObject>
#include <QString>

#include <array>
#include <optional>
#include <string_view>

class QPoint;

namespace quillet::ui {

struct HelpLine {
    std::string_view control;
    std::string_view text;
};

inline constexpr std::array<HelpLine, 20> help_lines{{
    {"chk_gallery", "Gallery displays a picture next to your listing, cost is 35 cents."},
    {"chk_bold", "Displays your listing in bold type, cost is $1."},
    {"chk_10day", "Extends your listing to 10 days, cost is 40 cents."},
    {"chk_border", "Surrounds your listing with a border to improve visibility, cost is $3."},
    {"chk_highlight", "Highlights your listing for improved visibility, cost is $5."},
    {"chk_gift", "Displays the gift service icon, cost is 25 cents."},
    {"chk_doublecat", "Updates the cost if you plan to list in 2 catergories. All listing costs "
                      "are doubled."},
    {"chk_gfeatured", "Features your item in the gallery featured section. Cost is $19.95"},
    {"chk_fplus", "Features your item in the featured section, cost is $19.95"},
    {"chk_hfeatured", "Features your item on the eBaY hompepage, cost is $39.95"},
    {"chk_pic_show",
     "Picture show displays your pictures at the top of your listing, Cost is 25 cents."},
    {"chk_supersize", "Supersizes your pictures, cost is 75 cents."},
    {"chk_pic_pack", "Picture pack includes Picture show and Supersize, cost is $1 for up to 6 "
                     "pictures and $1.50 for up to 12."},
    {"chk_paypal", "Uncheck to not count paypal fees as part of your cost. Useful if you receive "
                   "payment in Cash or Check"},
    {"txt_item_cost", "Enter the cost of your item."},
    {"txt_reserve", "Enter the reserve price for your item, enter 0 or None for no reserve."},
    {"txt_end_price", "Enter your estimated end price for your item. Used to calculate final "
                      "value fees e.t.c"},
    {"txt_ship_charged", "Enter the amount you will charge for shipping."},
    {"txt_ship_cost", "Enter the cost to ship your item."},
    {"txt_other_costs",
     "Enter other costs associated with your sale (e.g handling, 3rd party fees e.t.c)."},
}};

class QuickHelp : public QObject {
public:
    // Watches every widget on the controls' surface; call after the form is built.
    QuickHelp(const Controls& controls, QObject* parent);

    // The mouse-move handlers, all in one: what the line shows with the pointer
    // at `pos` on the surface.
    void mouse_moved(const QPoint& pos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Line {
        QString text;
        QFont font; // the line's own font, or a smaller one where the text needs it
        bool fitted = false;
    };
    void show(Line& line);

    QWidget* surface_;
    QLabel* line_;
    std::optional<QFont> base_font_; // the label's own, taken at the first line shown
    QHash<const QWidget*, Line> lines_;
};

} // namespace quillet::ui
