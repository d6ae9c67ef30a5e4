#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "model/item_row.h"
#include "util/encoding.h"

namespace rekkan::test {

/// One row as "LVL TYP RPT BYT SYO KOM|VNM" (UTF-8), with " red RED", " bko BKO" and
/// " rdf KIND/BASE/POS" when set, for comparing tables.
[[nodiscard]] inline std::string RowSummary(const TRspec& r) {
    std::string out = std::to_string(r.LVL) + " " + std::to_string(r.TYP) + " " + std::to_string(r.RPT) + " " +
                      std::to_string(r.BYT) + " " + std::to_string(r.SYO) + " " + Cp932ToUtf8(r.KOM) + "|" +
                      Cp932ToUtf8(r.VNM);
    if (!r.RED.empty()) out += " red " + Cp932ToUtf8(r.RED);
    if (!r.BKO.empty()) out += " bko " + Cp932ToUtf8(r.BKO);
    if (r.RdfKind || r.RdfBase || r.RdfPos)
        out += " rdf " + std::to_string(r.RdfKind) + "/" + std::to_string(r.RdfBase) + "/" + std::to_string(r.RdfPos);
    return out;
}

/// Every row's summary, one line each.
[[nodiscard]] inline std::string RowsSummary(const std::vector<TRspec>& rows) {
    std::string out;
    for (const TRspec& r : rows) out += RowSummary(r) + "\n";
    return out;
}

}  // namespace rekkan::test

namespace rekkan {

/// Readable rows in test failures.
inline void PrintTo(const TRspec& r, std::ostream* os) { *os << "{" << test::RowSummary(r) << "}"; }

}  // namespace rekkan
