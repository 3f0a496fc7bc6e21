// The listing fee: insertion fee for the start band (or the reserve's band),
// upgrades, Buy-It-Now, reserve and picture charges, all doubled for a second
// category, rounded to cents once at the end.

#include "fee_schedule.h"
#include "stage_support.h"
#include "text_forms.h"

#include <algorithm>

namespace quillet {

namespace {

Currency bin_fee(std::string_view label) {
    const auto band = std::find_if(bin_fees.begin(), bin_fees.end() - 1,
                                   [label](const Band& b) { return b.label == label; });
    return band->fee; // anything unknown takes the top band's fee
}

const ReserveTier* reserve_tier(Currency reserve) {
    const auto tier = std::find_if(reserve_tiers.begin(), reserve_tiers.end(),
                                   [reserve](const ReserveTier& t) { return reserve < t.below; });
    return tier == reserve_tiers.end() ? nullptr : &*tier;
}

std::optional<Currency> insertion_fee(std::string_view label) {
    const auto band = std::find_if(insertion_fees.begin(), insertion_fees.end(),
                                   [label](const Band& b) { return b.label == label; });
    return band == insertion_fees.end() ? std::nullopt : std::optional<Currency>(band->fee);
}

struct ReserveCharge {
    Currency fee;
    std::string_view start_label; // the band the reserve puts the listing in
};

// The keyword (as is_keyword reads it) means no reserve, and so does an amount
// of 0 or below: the field's help offers 0 for no reserve.
std::optional<ReserveCharge> reserve_charge(const WindowState& s, const StageContext& ctx) {
    if (is_keyword(s.txt_reserve, keyword_none))
        return std::nullopt;
    const MoneyReading reserve = money_from_text(s.txt_reserve, ctx.conventions);
    if (!reserve.ok())
        throw InputFailure(reserve.failure, InputField::txt_reserve);
    if (reserve.value <= Currency{})
        return std::nullopt;
    const ReserveTier* tier = reserve_tier(reserve.value);
    if (tier && tier->fee != Currency{})
        return ReserveCharge{tier->fee, tier->insertion_label};
    const Currency percent =
        detail::to_money(money_to_double(reserve.value) * reserve_percent_rate);
    return ReserveCharge{percent, tier ? tier->insertion_label : reserve_top_label};
}

// The picture options, and each picture after the first unless the pack is
// ticked, added to `sum`.
Currency with_picture_charges(const WindowState& s, Currency sum) {
    const double pictures = leading_number(s.combo_num_pics);
    const double extra_pictures = pictures - 1;
    if (is_ticked(s.chk_pic_show))
        sum += picture_show_fee;
    if (is_ticked(s.chk_supersize))
        sum += supersize_fee;
    if (is_ticked(s.chk_pic_pack))
        sum += pictures > picture_pack_small_limit ? picture_pack_large_fee : picture_pack_fee;
    if (extra_pictures > 0 && !is_ticked(s.chk_pic_pack)) {
        const double charge = extra_pictures * extra_picture_rate;
        if (!in_money_range(charge))
            throw InputFailure(Failure::out_of_range, InputField::combo_num_pics);
        sum = add_rounded(sum, charge); // rounded once, together with the sum it joins
    }
    return sum;
}

} // namespace

void calc_listing_fee(WindowState& s, const StageContext& ctx) {
    Currency sum;
    for (const Upgrade& upgrade : upgrades)
        if (is_ticked(s.*upgrade.box))
            sum += upgrade.price;

    if (!is_keyword(s.cmb_bin, keyword_none)) {
        s.cost_bin = bin_fee(s.cmb_bin);
        sum += s.cost_bin;
    }

    std::string_view start_label = s.cmb_start_price;
    if (const auto reserve = reserve_charge(s, ctx)) {
        s.cost_reserve = reserve->fee;
        start_label = reserve->start_label;
        sum += s.cost_reserve;
    }

    const std::optional<Currency> insertion = insertion_fee(start_label);
    if (!insertion)
        ctx.notify(Notice::invalid_start_price_range); // then go on without it

    Currency fee = insertion.value_or(Currency{}) + with_picture_charges(s, sum);
    if (is_ticked(s.chk_doublecat))
        fee = fee * 2;
    s.txt_list_fee = format_cents(nearest_cent(fee));
}

} // namespace quillet
