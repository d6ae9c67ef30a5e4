#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "model/rspec.h"
#include "model/type_catalogue.h"

namespace rekkan {

/// The fields of one item row by name, for layouts built in code (tests, samples, generators):
/// `MakeRow({.level = 2, .name = "AMOUNT", .type = kSComp3, .bytes = 7, .decimals = 2})`.
struct RowSpec {
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

/// The item row `spec` describes.
[[nodiscard]] inline TRspec MakeRow(const RowSpec& spec) {
    TRspec r;
    r.LVL = spec.level;
    r.KOM = spec.name;
    r.VNM = spec.var.empty() ? spec.name : spec.var;
    r.TYP = r.TYP2 = spec.type;
    r.BYT = spec.bytes.value_or(spec.type == kGroup ? 0 : 1);
    r.SYO = spec.decimals;
    r.RPT = spec.repeat;
    r.RED = spec.redefines;
    r.BKO = spec.remarks;
    return r;
}

/// The item rows `specs` describe, in order.
[[nodiscard]] inline std::vector<TRspec> MakeRows(std::initializer_list<RowSpec> specs) {
    std::vector<TRspec> rows;
    rows.reserve(specs.size());
    for (const RowSpec& s : specs) rows.push_back(MakeRow(s));
    return rows;
}

}  // namespace rekkan
