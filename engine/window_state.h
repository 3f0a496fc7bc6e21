#pragma once

// The window state record: every control the fee engine reads or writes,
// under the control's own name, plus the two form-level money values. The
// window copies its controls in before a calculation and the results out
// after it; stages pass figures to one another only through the result texts.

#include "currency.h"

#include <string>
#include <string_view>

namespace quillet {

// The keywords that stand for no amount: "None" in the reserve, the
// Buy-It-Now band and most price fields, "Free" in the item cost.
inline constexpr std::string_view keyword_none = "None";
inline constexpr std::string_view keyword_free = "Free";

// Only ticked counts; greyed counts as not ticked.
enum class CheckState { unticked = 0, ticked = 1, greyed = 2 };

struct WindowState {
    // Inputs.
    std::string cmb_start_price = "$0.01 - $0.99";
    std::string txt_reserve{keyword_none};
    std::string cmb_bin{keyword_none};
    CheckState chk_sub = CheckState::unticked;
    CheckState chk_gallery = CheckState::unticked;
    CheckState chk_bold = CheckState::unticked;
    CheckState chk_10day = CheckState::unticked;
    CheckState chk_border = CheckState::unticked;
    CheckState chk_highlight = CheckState::unticked;
    CheckState chk_gift = CheckState::unticked;
    CheckState chk_gfeatured = CheckState::unticked;
    CheckState chk_fplus = CheckState::unticked;
    CheckState chk_hfeatured = CheckState::unticked;
    std::string combo_num_pics = "1";
    CheckState chk_pic_show = CheckState::unticked;
    CheckState chk_supersize = CheckState::unticked;
    CheckState chk_pic_pack = CheckState::unticked;
    CheckState chk_doublecat = CheckState::unticked;
    std::string txt_end_price{keyword_none};
    std::string txt_ship_charged{keyword_none};
    std::string txt_item_cost{keyword_free};
    std::string txt_ship_cost{keyword_none};
    std::string txt_other_costs{keyword_none};
    CheckState chk_paypal = CheckState::ticked;

    // Results, written only by the engine.
    std::string txt_list_fee;
    std::string txt_paypal_fee;
    std::string txt_fvf;
    std::string Txt_ebay_fees;
    std::string txt_total_fee;
    std::string txt_total_recv;
    std::string txt_total_spent;
    std::string txt_profit;
    std::string txt_profit_margin;

    // Form-level values: each is written before it is read in the same run.
    Currency cost_bin;
    Currency cost_reserve;
};

inline bool is_ticked(CheckState s) {
    return s == CheckState::ticked;
}

} // namespace quillet
