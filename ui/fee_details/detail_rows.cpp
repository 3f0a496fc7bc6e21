#include "ui/fee_details/detail_rows.h"

#include "engine/text_forms.h"
#include "ui/common/figure_marks.h"
#include "ui/main_window/qt_text.h"

namespace quillet::ui {

namespace {

QString plain(Currency m) {
    return qstring(format_money_plain(m));
}

// A price as the user reads prices, "250.00", unless it has more decimals.
QString price(Currency m) {
    return nearest_cent(m) == m ? qstring(format_cents(m)) : plain(m);
}

// A count or a rate the schedule holds as a double: "4", "0.15", "2.9".
QString number(double x) {
    return QString::number(x, 'g', 10);
}

QString percent(Currency rate) {
    return plain(rate * 100) + QStringLiteral(" %");
}

QString percent(double rate) {
    return number(rate * 100) + QStringLiteral(" %");
}

constexpr const char* tier_names[] = {"first", "second", "third"};

void add_listing_fee(QList<DetailRow>& rows, const ListingFeeParts& p,
                     const BoxCaption& caption_of) {
    if (!p.insertion)
        rows.append({QStringLiteral("Insertion fee: the starting price is none of the bands"),
                     QStringLiteral("0")});
    else if (p.insertion->reserve_replaced_band)
        rows.append({QStringLiteral("Insertion fee, the reserve's band %1 in place of the "
                                    "starting band")
                         .arg(qstring(p.insertion->band)),
                     plain(p.insertion->fee)});
    else
        rows.append(
            {QStringLiteral("Insertion fee, starting band %1").arg(qstring(p.insertion->band)),
             plain(p.insertion->fee)});
    for (const ListingFeeParts::UpgradeLine& upgrade : p.upgrades)
        rows.append({caption_of(upgrade.box), plain(upgrade.fee)});
    if (p.buy_it_now)
        rows.append({QStringLiteral("Buy-It-Now fee, band %1").arg(qstring(p.buy_it_now->band)),
                     plain(p.buy_it_now->fee)});
    if (const auto& r = p.reserve)
        rows.append(
            {r->rate
                 ? QStringLiteral("Reserve fee: %1 of %2").arg(percent(*r->rate), price(r->reserve))
                 : QStringLiteral("Reserve fee: flat, for a reserve of %1").arg(price(r->reserve)),
             plain(r->fee)});
    if (const auto& e = p.extra_pictures)
        rows.append({QStringLiteral("Pictures after the first: %1 \u00d7 %2")
                         .arg(number(e->count), number(e->rate)),
                     plain(e->fee)});
    if (p.picture_show)
        rows.append({caption_of(&WindowState::chk_pic_show), plain(*p.picture_show)});
    if (p.supersize)
        rows.append({caption_of(&WindowState::chk_supersize), plain(*p.supersize)});
    if (const auto& pack = p.picture_pack)
        rows.append({caption_of(&WindowState::chk_pic_pack) +
                         (pack->pictures > pack->limit
                              ? QStringLiteral(": %1 pictures, more than the %2 of its lower fee")
                              : QStringLiteral(": %1 pictures, the lower fee's %2 at most"))
                             .arg(number(pack->pictures), number(pack->limit)),
                     plain(pack->fee)});
    if (p.second_category)
        rows.append({caption_of(&WindowState::chk_doublecat) +
                         QStringLiteral(": every line above once more"),
                     plain(*p.second_category)});
    // The one rounding, as a line of its own, so that the column adds up.
    rows.append({p.unrounded == p.shown
                     ? QStringLiteral("Rounded to the cent: nothing to round")
                     : QStringLiteral("Rounded to the cent: %1 to %2")
                           .arg(plain(p.unrounded), qstring(format_cents(p.shown))),
                 plain(p.shown - p.unrounded)});
    rows.append({QStringLiteral("Listing Fees"), qstring(format_cents(p.shown))});
}

void add_final_value_fee(QList<DetailRow>& rows, const FinalValueFeeParts& f) {
    QString formula = percent(f.rate) + QStringLiteral(" of ");
    formula += f.threshold == Currency{}
                   ? price(f.price)
                   : QStringLiteral("(%1 - %2)").arg(price(f.price), price(f.threshold));
    if (f.fixed != Currency{})
        formula = plain(f.fixed) + QStringLiteral(" + ") + formula;
    const char* tier = f.tier >= 0 && f.tier < 3 ? tier_names[f.tier] : "";
    rows.append({QStringLiteral("Final value fee, %1 tier: %2").arg(QLatin1String(tier), formula),
                 plain(f.unrounded)});
    rows.append({QStringLiteral("Final value fee, rounded to the cent"), plain(f.shown)});
}

void add_paypal_fee(QList<DetailRow>& rows, const PayPalFeeParts& p) {
    rows.append({QStringLiteral("PayPal fee: %1 of %2 (end price and shipping charged) + %3")
                     .arg(percent(p.rate), price(p.base), qstring(format_cents(p.fixed))),
                 plain(p.unrounded)});
    rows.append(
        {QStringLiteral("PayPal fee, rounded to the cent"), qstring(format_cents(p.shown))});
    if (p.counted == false)
        rows.append({qstring(paypal_left_out_text), QString()});
}

QString lowest_price_words(const SaleOutcomes& o) {
    QString words = QStringLiteral("Sold at the lowest price it can sell for");
    if (o.lowest_price)
        words += (o.lowest_is_reserve ? QStringLiteral(": %1, the reserve")
                                      : QStringLiteral(": %1, the starting band's lowest"))
                     .arg(price(*o.lowest_price));
    return words;
}

} // namespace

QList<DetailRow> detail_rows(const FeeDetails& d, const BoxCaption& caption_of) {
    QList<DetailRow> rows;
    if (d.listing_fee)
        add_listing_fee(rows, *d.listing_fee, caption_of);
    if (d.final_value_fee)
        add_final_value_fee(rows, *d.final_value_fee);
    if (d.paypal_fee)
        add_paypal_fee(rows, *d.paypal_fee);
    const SaleOutcomes& o = d.outcomes;
    rows.append({QStringLiteral("Return on Cost %"), qstring(d.shares.return_on_cost)});
    rows.append({QStringLiteral("Fees Share of Received %"), qstring(d.shares.fees_of_received)});
    rows.append({QStringLiteral("Sold at the Ending Price"), qstring(o.at_end_price)});
    rows.append({lowest_price_words(o), qstring(o.at_lowest_price)});
    rows.append({QStringLiteral("Not sold"), qstring(o.not_sold)});
    return rows;
}

QString details_text(const QList<DetailRow>& rows, bool out_of_date,
                     const NumberConventions& conventions) {
    QString text;
    if (out_of_date)
        text += qstring(out_of_date_line) + u'\n';
    for (const DetailRow& row : rows)
        text += row.what + u'\t' +
                QString::fromStdString(
                    in_user_form(row.amount.toStdString(), conventions, Form::spreadsheet)) +
                u'\n';
    return text;
}

QString details_copied_words(bool out_of_date) {
    return out_of_date ? QStringLiteral("Fee details copied, out of date")
                       : QStringLiteral("Fee details copied");
}

} // namespace quillet::ui
