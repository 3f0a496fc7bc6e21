#pragma once

// What assistive technology announces for the window's controls. Qt already
// names a check box or button by its caption; a field or drop-down is named
// here by the caption the eye reads with it: its frame's, or the label beside
// it. The caption-less PayPal switch gets a name of its own. Each option and
// price field carries its quick-help sentence as its description, so a screen
// reader user hears what the mouse user reads in the help line. A disabled
// result field still reports its text as its value.

#include "ui/main_window/form_layout.h"

#include <array>
#include <string_view>

namespace quillet::ui {

struct LabelledControl {
    std::string_view control;
    std::string_view label;
};

// The controls read with the label to their left rather than with a frame.
inline constexpr std::array<LabelledControl, 10> labelled_controls{{
    {"combo_num_pics", "Label1"},
    {"txt_list_fee", "lbl_list_fee"},
    {"txt_fvf", "Label7"},
    {"Txt_ebay_fees", "Label9"},
    {"txt_paypal_fee", "Label8"},
    {"txt_total_fee", "Label6"},
    {"txt_total_recv", "Label4"},
    {"txt_total_spent", "Label5"},
    {"txt_profit", "Label3"},
    {"txt_profit_margin", "Label2"},
}};

inline constexpr std::string_view paypal_switch_name = "PayPal fee counts in total fees";

// Names and describes the controls; call once the form is built.
void describe_controls(const Controls& controls);

} // namespace quillet::ui
