#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "records/field_entry.h"
#include "records/layout_check.h"

namespace rekkan {

// The texts of a layout check: the field table, the heat map, the findings in words and the
// "suggest:" lines scripts read. CP932, LF line ends.

/// A share as a percentage with one decimal, rounded down, so that only a full fit reads 100.0.
[[nodiscard]] std::string PercentText(double share);

/// Type label without its catalogue mark: "S.NUM", "X", "U.Char".
[[nodiscard]] std::string TypeLabel(int type);

/// One line per field (number, name, position, length, type, valid share, first invalid
/// record and its bytes in hex), then the weighted fit. `fields` is the list the check ran on.
[[nodiscard]] std::string CheckTableText(const LayoutCheck& check, const std::vector<TRdbObj>& fields);

/// The same table as CSV (every value quoted), with a heading line; with `heat` a last column
/// holding each field's heat bar.
[[nodiscard]] std::string CheckTableCsv(const LayoutCheck& check, const std::vector<TRdbObj>& fields, bool heat);

/// The heat bar of a field: a character per bucket: '#' all valid, '+' 90% or more, '-' 50%
/// or more, '.' less, ' ' none valid.
[[nodiscard]] std::string HeatBar(const LayoutFit& fit, const FieldFit& field);

/// The heat map: a legend line and a line per field with its bar.
[[nodiscard]] std::string HeatMapText(const LayoutCheck& check, const std::vector<TRdbObj>& fields);

/// The findings in words, one line each: the fit, better lengths and bases, header and
/// trailer records, records of another kind, shifted fields, fields of another type.
/// `base` is the layout's 0-based base position.
[[nodiscard]] std::vector<std::string> CheckFindings(const LayoutCheck& check, const std::vector<TRdbObj>& fields,
                                                     int recordLength, std::int64_t base);

/// "suggest: length=N base=B fit=P" for each better length and base (base 1-based).
[[nodiscard]] std::vector<std::string> SuggestLines(const LayoutCheck& check);

}  // namespace rekkan
