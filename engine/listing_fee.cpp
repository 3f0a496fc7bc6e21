// The listing fee: insertion fee for the start band (or the reserve's band),
// upgrades, Buy-It-Now, reserve and picture charges, all doubled for a second
// category, rounded to cents once at the end.

#include "fee_schedule.h"
#include "stage_support.h"
#include "text_forms.h"

#include <algorithm>

namespace quillet {

namespace {

// The Buy-It-Now band of a label; anything unknown takes the top band.
const Band& bin_band(std::string_view label) {
    return *std::find_if(bin_fees.begin(), bin_fees.end() - 1,
                         [label](const Band& b) { return b.label == label; });
}

const ReserveTier* reserve_tier(Currency reserve) {
    const auto tier = std::find_if(reserve_tiers.begin(), reserve_tiers.end(),
                                   [reserve](const ReserveTier& t) { return reserve < t.below; });
    return tier == reserve_tiers.end() ? nullptr : &*tier;
}

const Band* insertion_band(std::string_view label) {
    const auto band = std::find_if(insertion_fees.begin(), insertion_fees.end(),
                                   [label](const Band& b) { return b.label == label; });
    return band == insertion_fees.end() ? nullptr : &*band;
}

struct ReserveCharge {
    ListingFeeParts::Reserve line;
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
        return ReserveCharge{{reserve.value, std::nullopt, tier->fee}, tier->insertion_label};
    const Currency percent =
        detail::to_money(money_to_double(reserve.value) * reserve_percent_rate);
    return ReserveCharge{{reserve.value, reserve_percent_rate, percent},
                         tier ? tier->insertion_label : reserve_top_label};
}

// The picture options, and each picture after the first unless the pack is
// ticked, added to `sum` and recorded in `parts`.
Currency with_picture_charges(const WindowState& s, Currency sum, ListingFeeParts& parts) {
    const double pictures = leading_number(s.combo_num_pics);
    const double extra_pictures = pictures - 1;
    if (is_ticked(s.chk_pic_show)) {
        sum += picture_show_fee;
        parts.picture_show = picture_show_fee;
    }
    if (is_ticked(s.chk_supersize)) {
        sum += supersize_fee;
        parts.supersize = supersize_fee;
    }
    if (is_ticked(s.chk_pic_pack)) {
        const Currency fee =
            pictures > picture_pack_small_limit ? picture_pack_large_fee : picture_pack_fee;
        sum += fee;
        parts.picture_pack = {pictures, picture_pack_small_limit, fee};
    }
    if (extra_pictures > 0 && !is_ticked(s.chk_pic_pack)) {
        const double charge = extra_pictures * extra_picture_rate;
        if (!in_money_range(charge))
            throw InputFailure(Failure::out_of_range, InputField::combo_num_pics);
        const Currency before = sum;
        sum = add_rounded(sum, charge); // rounded once, together with the sum it joins
        // What the rounding added, not the charge on its own: a charge halfway
        // between two ten-thousandths goes the way that leaves the sum even.
        parts.extra_pictures = {extra_pictures, extra_picture_rate, sum - before};
    }
    return sum;
}

} // namespace

void calc_listing_fee(WindowState& s, const StageContext& ctx) {
    ListingFeeParts parts;
    Currency sum;
    for (const Upgrade& upgrade : upgrades) {
        if (!is_ticked(s.*upgrade.box))
            continue;
        sum += upgrade.price;
        if (ctx.details) // the one part that allocates
            parts.upgrades.push_back({upgrade.box, upgrade.price});
    }

    if (!is_keyword(s.cmb_bin, keyword_none)) {
        const Band& band = bin_band(s.cmb_bin);
        s.cost_bin = band.fee;
        sum += s.cost_bin;
        parts.buy_it_now = {band.label, band.fee};
    }

    std::string_view start_label = s.cmb_start_price;
    const auto reserve = reserve_charge(s, ctx);
    if (reserve) {
        s.cost_reserve = reserve->line.fee;
        start_label = reserve->start_label;
        sum += s.cost_reserve;
        parts.reserve = reserve->line;
    }

    const Band* insertion = insertion_band(start_label);
    if (insertion)
        parts.insertion = {insertion->label, start_label != s.cmb_start_price, insertion->fee};
    else
        ctx.notify(Notice::invalid_start_price_range); // then go on without it

    Currency fee = (insertion ? insertion->fee : Currency{}) + with_picture_charges(s, sum, parts);
    if (is_ticked(s.chk_doublecat)) {
        parts.second_category = fee;
        fee = fee * 2;
    }
    const Currency shown = nearest_cent(fee);
    s.txt_list_fee = format_cents(shown);
    if (ctx.details) {
        parts.unrounded = fee;
        parts.shown = shown;
        ctx.details->listing_fee = std::move(parts);
    }
}

} // namespace quillet
