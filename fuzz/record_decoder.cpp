#include "record_decoder.h"

#include "engine/driver.h"
#include "engine/fee_schedule.h"
#include "engine/price_reading.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>

namespace quillet::fuzz {

namespace {

constexpr char escape = '\x1b';
constexpr char field_separator = '|';
constexpr std::size_t max_records = 4;

// What a person can type or paste that the readings must survive: keywords,
// currency signs (dollar, euro, pound), no-break spaces and the Swiss group
// sign, radix prefixes, exponents, the ends of the money range and just
// beyond, broken and sound UTF-8, long runs.
constexpr std::string_view keywords[] = {"None", "none", "NONE", "Free", "free"};
constexpr std::string_view signs[] = {
    "$",  "\xE2\x82\xAC", "\xC2\xA3", "\xC2\xA0", "\xE2\x80\xAF", "\xE2\x80\x99",
    "&H", "&O",           "&h",       "&o"};
constexpr std::string_view exponents[] = {"e99999999999999999999", "E-400", "e308", "D15", "d-5"};
constexpr std::string_view range_ends[] = {"922337203685477.5807",
                                           "-922337203685477.5808",
                                           "922337203685477.5808",
                                           "1e15",
                                           "6.2e15",
                                           "-6.2e15"};
constexpr std::string_view odd_bytes[] = {"\xFF", "\x80\xBF", "\xC3\xA9"};

// A selector byte indexes this list: its order is part of the checked-in seeds.
std::vector<std::string> hostile_tokens() {
    std::vector<std::string> tokens;
    for (const Band& band : insertion_fees)
        tokens.emplace_back(band.label);
    for (const Band& band : bin_fees)
        tokens.emplace_back(band.label);
    using Group = std::span<const std::string_view>;
    for (Group group :
         {Group(keywords), Group(signs), Group(exponents), Group(range_ends), Group(odd_bytes)})
        tokens.insert(tokens.end(), group.begin(), group.end());
    tokens.push_back(std::string(400, '9'));
    tokens.push_back(std::string(400, '0'));
    tokens.push_back("0." + std::string(400, '0') + "1");
    return tokens;
}

std::string expand(std::string_view field) {
    static const std::vector<std::string> tokens = hostile_tokens();
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != escape) {
            text += field[i];
        } else if (i + 1 < field.size()) {
            text += tokens[static_cast<unsigned char>(field[++i]) % tokens.size()];
        }
    }
    return text;
}

// The fields follow the product's tables, so the tables' order is part of the
// checked-in seeds too. Boxes, in the order of the check-state field: the
// listing upgrades, then the boxes the fee table does not list.
const std::vector<CheckState WindowState::*>& boxes() {
    static const auto fields = [] {
        std::vector<CheckState WindowState::*> out;
        for (const Upgrade& upgrade : upgrades)
            out.push_back(upgrade.box);
        out.insert(out.end(), {&WindowState::chk_pic_show, &WindowState::chk_supersize,
                               &WindowState::chk_pic_pack, &WindowState::chk_doublecat,
                               &WindowState::chk_paypal});
        return out;
    }();
    return fields;
}

// Texts in the record's order: the listing's, then the prices of the sale.
const std::vector<std::string WindowState::*>& texts() {
    static const auto fields = [] {
        std::vector<std::string WindowState::*> out{
            &WindowState::cmb_start_price, &WindowState::txt_reserve, &WindowState::cmb_bin,
            &WindowState::combo_num_pics};
        for (const PriceField& price : prices::sale)
            out.push_back(price.text);
        return out;
    }();
    return fields;
}

NumberConventions conventions_named(std::string_view field) {
    if (field.starts_with('G'))
        return {",", "."};
    if (field.starts_with('F'))
        return {",", "\xE2\x80\xAF"};
    return {};
}

void apply(FuzzRecord& record, std::size_t index, std::string_view field) {
    if (index < texts().size()) {
        record.inputs.*texts()[index] = expand(field);
    } else if (index == texts().size()) {
        for (std::size_t i = 0; i < field.size() && i < boxes().size(); ++i)
            record.inputs.*boxes()[i] =
                static_cast<CheckState>(static_cast<unsigned char>(field[i]) % 3);
    } else {
        record.conventions = conventions_named(field);
    }
}

} // namespace

std::vector<FuzzRecord> decode_records(std::string_view bytes) {
    std::vector<FuzzRecord> records(1);
    std::size_t index = 0;
    for (;;) {
        const std::size_t end = std::min(bytes.find(field_separator), bytes.size());
        apply(records.back(), index, bytes.substr(0, end));
        if (end == bytes.size())
            break;
        bytes.remove_prefix(end + 1);
        if (++index == texts().size() + 2) { // the texts, the check states, the conventions
            if (records.size() == max_records)
                break;
            records.emplace_back();
            index = 0;
        }
    }
    return records;
}

WindowState with_results_of(const WindowState& inputs, const WindowState& earlier) {
    WindowState state = inputs;
    for (const StageEntry& stage : stages)
        for (ResultField field : stage.results)
            state.*field = earlier.*field;
    state.cost_bin = earlier.cost_bin;
    state.cost_reserve = earlier.cost_reserve;
    return state;
}

} // namespace quillet::fuzz
