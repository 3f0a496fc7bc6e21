#include "ui/main_window/state_binding.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <array>
#include <string>

namespace quillet::ui {

namespace {

template <class Widget> struct Binding {
    Widget* Controls::*control;
    std::string WindowState::*text;
};

struct CheckBinding {
    QCheckBox* Controls::*control;
    CheckState WindowState::*state;
};

#define BIND(name)                                                                                 \
    { &Controls::name, &WindowState::name }

const std::array<Binding<QLineEdit>, 6> price_fields{{
    BIND(txt_item_cost),
    BIND(txt_reserve),
    BIND(txt_end_price),
    BIND(txt_ship_charged),
    BIND(txt_ship_cost),
    BIND(txt_other_costs),
}};

const std::array<Binding<QComboBox>, 3> selectors{{
    BIND(cmb_start_price),
    BIND(cmb_bin),
    BIND(combo_num_pics),
}};

const std::array<CheckBinding, 15> check_boxes{{
    BIND(chk_sub),
    BIND(chk_gallery),
    BIND(chk_bold),
    BIND(chk_10day),
    BIND(chk_border),
    BIND(chk_highlight),
    BIND(chk_gift),
    BIND(chk_gfeatured),
    BIND(chk_fplus),
    BIND(chk_hfeatured),
    BIND(chk_pic_show),
    BIND(chk_supersize),
    BIND(chk_pic_pack),
    BIND(chk_doublecat),
    BIND(chk_paypal),
}};

const std::array<Binding<QLineEdit>, 9> results{{
    BIND(txt_list_fee),
    BIND(txt_paypal_fee),
    BIND(txt_fvf),
    BIND(Txt_ebay_fees),
    BIND(txt_total_fee),
    BIND(txt_total_recv),
    BIND(txt_total_spent),
    BIND(txt_profit),
    BIND(txt_profit_margin),
}};

#undef BIND

} // namespace

CheckState check_state(Qt::CheckState state) {
    switch (state) {
    case Qt::Checked:
        return CheckState::ticked;
    case Qt::PartiallyChecked:
        return CheckState::greyed;
    case Qt::Unchecked:
        break;
    }
    return CheckState::unticked;
}

void read_controls(const Controls& controls, WindowState& record) {
    for (const auto& b : price_fields)
        record.*b.text = (controls.*b.control)->text().toStdString();
    for (const auto& b : selectors)
        record.*b.text = (controls.*b.control)->currentText().toStdString();
    for (const auto& b : check_boxes)
        record.*b.state = check_state((controls.*b.control)->checkState());
    for (const auto& b : results)
        record.*b.text = (controls.*b.control)->text().toStdString();
}

void write_results(const WindowState& record, const Controls& controls) {
    for (const auto& b : results)
        (controls.*b.control)->setText(QString::fromStdString(record.*b.text));
}

QWidget* control_of(const Controls& controls, InputField field) {
    switch (field) {
    case InputField::txt_reserve:
        return controls.txt_reserve;
    case InputField::combo_num_pics:
        return controls.combo_num_pics;
    case InputField::txt_end_price:
        return controls.txt_end_price;
    case InputField::txt_ship_charged:
        return controls.txt_ship_charged;
    case InputField::txt_item_cost:
        return controls.txt_item_cost;
    case InputField::txt_ship_cost:
        return controls.txt_ship_cost;
    case InputField::txt_other_costs:
        return controls.txt_other_costs;
    case InputField::none:
        break;
    }
    return nullptr;
}

} // namespace quillet::ui
