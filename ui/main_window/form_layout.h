#pragma once

// The controls of the main window and where they stand. Every control carries
// its control name as its objectName, so that tests find it by that name.

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QPushButton;
class QWidget;

namespace quillet::ui {

struct Controls {
    QWidget* surface = nullptr; // the form, in the window's client area

    QGroupBox* quick_help = nullptr;
    QGroupBox* fr_cost = nullptr;
    QGroupBox* fr_start_price = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QGroupBox* fr_end_price = nullptr;
    QGroupBox* fr_ship_charged = nullptr;
    QGroupBox* fr_ship_cost = nullptr;
    QGroupBox* fr_other_costs = nullptr;
    QGroupBox* fr_pic_options = nullptr;
    QGroupBox* fr_options = nullptr;
    QGroupBox* fr_costs = nullptr;

    QLabel* lbl_help = nullptr;

    // Price fields and band selectors.
    QLineEdit* txt_item_cost = nullptr;
    QComboBox* cmb_start_price = nullptr;
    QComboBox* cmb_bin = nullptr;
    QLineEdit* txt_reserve = nullptr;
    QLineEdit* txt_end_price = nullptr;
    QLineEdit* txt_ship_charged = nullptr;
    QLineEdit* txt_ship_cost = nullptr;
    QLineEdit* txt_other_costs = nullptr;

    // Picture options.
    QLabel* Label1 = nullptr;
    QComboBox* combo_num_pics = nullptr;
    QCheckBox* chk_pic_show = nullptr;
    QCheckBox* chk_supersize = nullptr;
    QCheckBox* chk_pic_pack = nullptr;

    // Listing options.
    QCheckBox* chk_gallery = nullptr;
    QCheckBox* chk_bold = nullptr;
    QCheckBox* chk_10day = nullptr;
    QCheckBox* chk_border = nullptr;
    QCheckBox* chk_sub = nullptr;
    QCheckBox* chk_highlight = nullptr;
    QCheckBox* chk_gift = nullptr;
    QCheckBox* chk_doublecat = nullptr;
    QCheckBox* chk_gfeatured = nullptr;
    QCheckBox* chk_fplus = nullptr;
    QCheckBox* chk_hfeatured = nullptr;
    QFrame* Line1 = nullptr;
    QFrame* Line2 = nullptr;

    // Results: disabled text fields that only the engine writes.
    QLabel* lbl_list_fee = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLineEdit* txt_list_fee = nullptr;
    QLineEdit* txt_fvf = nullptr;
    QLineEdit* Txt_ebay_fees = nullptr;
    QLineEdit* txt_paypal_fee = nullptr;
    QLineEdit* txt_total_fee = nullptr;
    QLineEdit* txt_total_recv = nullptr;
    QLineEdit* txt_total_spent = nullptr;
    QLineEdit* txt_profit = nullptr;
    QLineEdit* txt_profit_margin = nullptr;
    QCheckBox* chk_paypal = nullptr;
    QFrame* Line3 = nullptr;
    QFrame* Line4 = nullptr;

    QPushButton* cmd_calc = nullptr;
    QPushButton* cmd_clear = nullptr;
    // Between the buttons: why the item would not sell at the end price.
    QLabel* lbl_no_sale = nullptr;
};

// The separator lines, each a strip of its own colour (window_colours.h).
inline std::array<QFrame*, 4> separator_lines(const Controls& c) {
    return {c.Line1, c.Line2, c.Line3, c.Line4};
}

// The client area's size in twips.
inline constexpr int client_width_twips = 11910;
inline constexpr int client_height_twips = 7815;

// Sizes `window` so that its client area has that size below its menu bar,
// and, where the platform holds a window to it, makes that its minimum size.
void fit_to_client_area(QMainWindow& window);

// Builds every control on `surface`, in the keyboard's order, with its caption,
// geometry, font, colours and enabled state, and returns them. The texts a control
// starts with are the window's start state, shown by its Load.
Controls build_form(QWidget* surface);

// The control or frame on `surface` a widget belongs to: an internal part of a
// control (the edit part of a drop-down) counts as that control. Null for the
// surface itself and for a widget outside it.
QWidget* control_of(const QWidget* surface, QWidget* w);

} // namespace quillet::ui
