#pragma once

// Every control the fee engine reads or writes, described once, in one table
// per kind. A row says what the window does with its control: the record
// member it is bound to (whose start value is the control's, at start and
// after Clear), its check and prompt, its help line, and its name in the
// engine's failure reports. Where a control stands and its caption are the
// layout's (form_layout.cpp); the name a screen reader announces and the words
// of a box about a control come from that caption (caption_words). The
// checks, the binding, quick help, accessibility, Load and Clear all walk
// these rows.

#include "engine/price_reading.h"
#include "engine/stages.h"
#include "engine/window_state.h"
#include "ui/main_window/form_layout.h"
#include "ui/main_window/prompts.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace quillet::ui {

// A price field passes a number (by the locale-aware numeric test) or its
// keyword (field_checks.h). It is named, spoken and in a box about its
// amount, by the caption of the frame it sits in.
struct PriceFieldRow {
    QLineEdit* Controls::*widget;
    PriceField field; // the record member, the keyword and the failure id
    Prompt prompt;
    std::string_view help;
};

inline constexpr std::array<PriceFieldRow, 6> price_fields{{
    {&Controls::txt_item_cost,
     prices::item_cost,
     {"Please enter a valid price. You can also enter Free or 0 for no reserve.",
      prompts::price_title},
     "Enter the cost of your item."},
    {&Controls::txt_reserve,
     prices::reserve,
     {"Please enter a valid amount. You can also enter none or 0 for no reserve",
      prompts::price_title},
     "Enter the reserve price for your item, enter 0 or None for no reserve."},
    {&Controls::txt_end_price,
     prices::end_price,
     {"Please enter a valid price. You can None or 0 for no ending price.", prompts::price_title},
     "Enter your estimated end price for your item. Used to calculate final value fees e.t.c"},
    {&Controls::txt_ship_charged,
     prices::ship_charged,
     {"Please enter a valid price. You can enter None or 0 for no shipping charges.",
      prompts::price_title},
     "Enter the amount you will charge for shipping."},
    {&Controls::txt_ship_cost,
     prices::ship_cost,
     {"Please enter a valid price. You can enter None or 0 for no shipping costs.",
      prompts::price_title},
     "Enter the cost to ship your item."},
    {&Controls::txt_other_costs,
     prices::other_costs,
     {"Please enter a valid price. You can enter None or 0 for no costs.", prompts::price_title},
     "Enter other costs associated with your sale (e.g handling, 3rd party fees e.t.c)."},
}};

// A drop-down the program fills; the user may type in it too. A box about its
// amount names it by its frame's caption.
struct SelectorRow {
    QComboBox* Controls::*widget;
    std::string WindowState::*text;
    QStringList (*items)();
    bool (*passes)(const QString& text); // null: no check
    Prompt prompt;
    QLabel* Controls::*label; // the label it is read with and spoken by; null: its frame
    InputField id;
};

QStringList start_band_items();
QStringList bin_band_items();
QStringList picture_count_items();

// Exactly one of the starting-price labels.
bool start_band_passes(const QString& text);
// "None" as a keyword (is_keyword, engine/text_readings.h), or exactly one of
// the Buy-It-Now labels.
bool bin_band_passes(const QString& text);
// A whole number from 0 up in plain digits, blanks around it allowed: no
// sign, point, exponent or letters, so no part of a picture is charged.
bool picture_count_passes(const QString& text);

inline constexpr std::array<SelectorRow, 3> selectors{{
    {&Controls::cmb_start_price, &WindowState::cmb_start_price, start_band_items, start_band_passes,
     prompts::invalid_start_range, nullptr, InputField::none},
    {&Controls::cmb_bin,
     &WindowState::cmb_bin,
     bin_band_items,
     bin_band_passes,
     {"Error: Invalid buy-it-now price entered.", prompts::error_title},
     nullptr,
     InputField::none},
    {&Controls::combo_num_pics,
     &WindowState::combo_num_pics,
     picture_count_items,
     picture_count_passes,
     {"Please enter a valid number of pictures. You can enter any whole number from 0 up.",
      "Incorrect Number Entered"},
     &Controls::Label1,
     InputField::combo_num_pics},
}};

struct OptionRow {
    QCheckBox* Controls::*widget;
    CheckState WindowState::*state;
    std::string_view help;        // empty: the help line stays as it is
    std::string_view spoken = {}; // empty: its caption (the PayPal box has none)
};

inline constexpr std::array<OptionRow, 15> options{{
    {&Controls::chk_pic_show, &WindowState::chk_pic_show,
     "Picture show displays your pictures at the top of your listing, Cost is 25 cents."},
    {&Controls::chk_supersize, &WindowState::chk_supersize,
     "Supersizes your pictures, cost is 75 cents."},
    {&Controls::chk_pic_pack, &WindowState::chk_pic_pack,
     "Picture pack includes Picture show and Supersize, cost is $1 for up to 6 pictures and "
     "$1.50 for up to 12."},
    {&Controls::chk_gallery, &WindowState::chk_gallery,
     "Gallery displays a picture next to your listing, cost is 35 cents."},
    {&Controls::chk_bold, &WindowState::chk_bold,
     "Displays your listing in bold type, cost is $1."},
    {&Controls::chk_10day, &WindowState::chk_10day,
     "Extends your listing to 10 days, cost is 40 cents."},
    {&Controls::chk_border, &WindowState::chk_border,
     "Surrounds your listing with a border to improve visibility, cost is $3."},
    {&Controls::chk_sub, &WindowState::chk_sub, ""},
    {&Controls::chk_highlight, &WindowState::chk_highlight,
     "Highlights your listing for improved visibility, cost is $5."},
    {&Controls::chk_gift, &WindowState::chk_gift,
     "Displays the gift service icon, cost is 25 cents."},
    {&Controls::chk_doublecat, &WindowState::chk_doublecat,
     "Updates the cost if you plan to list in 2 catergories. All listing costs are doubled."},
    {&Controls::chk_gfeatured, &WindowState::chk_gfeatured,
     "Features your item in the gallery featured section. Cost is $19.95"},
    {&Controls::chk_fplus, &WindowState::chk_fplus,
     "Features your item in the featured section, cost is $19.95"},
    {&Controls::chk_hfeatured, &WindowState::chk_hfeatured,
     "Features your item on the eBaY hompepage, cost is $39.95"},
    {&Controls::chk_paypal, &WindowState::chk_paypal,
     "Uncheck to not count paypal fees as part of your cost. Useful if you receive payment in "
     "Cash or Check",
     "PayPal fee counts in total fees"},
}};

// A disabled text field that only the engine writes.
struct ResultRow {
    QLineEdit* Controls::*widget;
    std::string WindowState::*text;
    QLabel* Controls::*label; // the label it is read with and spoken by
};

inline constexpr std::array<ResultRow, 9> results{{
    {&Controls::txt_list_fee, &WindowState::txt_list_fee, &Controls::lbl_list_fee},
    {&Controls::txt_fvf, &WindowState::txt_fvf, &Controls::Label7},
    {&Controls::Txt_ebay_fees, &WindowState::Txt_ebay_fees, &Controls::Label9},
    {&Controls::txt_paypal_fee, &WindowState::txt_paypal_fee, &Controls::Label8},
    {&Controls::txt_total_fee, &WindowState::txt_total_fee, &Controls::Label6},
    {&Controls::txt_total_recv, &WindowState::txt_total_recv, &Controls::Label4},
    {&Controls::txt_total_spent, &WindowState::txt_total_spent, &Controls::Label5},
    {&Controls::txt_profit, &WindowState::txt_profit, &Controls::Label3},
    {&Controls::txt_profit_margin, &WindowState::txt_profit_margin, &Controls::Label2},
}};

// A caption as words, for a screen reader and inside a box: without its colon
// and the blanks around it ("Final Value Fees ($) :" is "Final Value Fees ($)";
// "Profit Margin %" has no colon).
QString caption_words(const QWidget* captioned);

// What a screen reader announces for a control, and what a box about it says:
// the caption of the label its row names or, without one, of the frame it
// sits in; an option's own spoken name where its row has one, else its text.
QString spoken_name(const Controls& controls, const PriceFieldRow& row);
QString spoken_name(const Controls& controls, const SelectorRow& row);
QString spoken_name(const Controls& controls, const ResultRow& row);
QString spoken_name(const Controls& controls, const OptionRow& row);

// Calls `changed` on every change of an input of the tables (a price field's
// text, a selector's text, an option box), for as long as `context` lives.
void watch_inputs(const Controls& controls, QObject* context, const std::function<void()>& changed);

} // namespace quillet::ui
