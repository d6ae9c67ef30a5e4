#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "model/item_row.h"
#include "model/type_catalogue.h"

namespace rekkan {

/// The fields of one item row by name, for layouts built in code (tests, samples, generators):
/// `MakeRow({.level = 2, .name = "AMOUNT", .type = kSComp3, .bytes = 7, .decimals = 2})`.
struct RowFields {
    int level = 1;
    std::string name{};  ///< item name (CP932)
    std::string var{};   ///< variable name; the item name when left out
    int type = kX;
    std::optional<int> bytes{};  ///< digits, bytes, characters or bits; left out: 0 for a group, else 1
    int decimals = 0;
    int repeat = 1;
    std::string redefines{};  ///< name of the earlier sibling this item overlays
    std::string remarks{};
};

/// The item row `fields` describes.
[[nodiscard]] inline TRspec MakeRow(const RowFields& fields) {
    TRspec r;
    r.LVL = fields.level;
    r.KOM = fields.name;
    r.VNM = fields.var.empty() ? fields.name : fields.var;
    r.TYP = r.TYP2 = fields.type;
    r.BYT = fields.bytes.value_or(fields.type == kGroup ? 0 : 1);
    r.SYO = fields.decimals;
    r.RPT = fields.repeat;
    r.RED = fields.redefines;
    r.BKO = fields.remarks;
    return r;
}

/// The item rows `list` describes, in order.
[[nodiscard]] inline std::vector<TRspec> MakeRows(std::initializer_list<RowFields> list) {
    std::vector<TRspec> rows;
    rows.reserve(list.size());
    for (const RowFields& s : list) rows.push_back(MakeRow(s));
    return rows;
}

}  // namespace rekkan
