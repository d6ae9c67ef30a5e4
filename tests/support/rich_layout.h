#pragma once

#include <string>

#include "model/geometry.h"
#include "model/key_items.h"
#include "model/layout_file.h"
#include "model/row_builder.h"
#include "util/encoding.h"

namespace rekkan::test {

/// A layout file with a comment, a prefix, a key item (duplicates allowed, descending), a
/// redefinition, Japanese names and remarks: what the outputs of the layout editor are tried on.
inline std::string RichLayoutFile() {
    LayoutDocument d;
    d.RdfCmt = sj("顧客");
    d.PreFix = "CS-";
    d.items = MakeRows({{.name = "CUST", .type = kGroup},
                        {.level = 2, .name = "NO", .var = "CS-NO", .type = kUNum, .bytes = 5},
                        {.level = 2, .name = sj("金額"), .var = "AMT", .type = kSComp3, .bytes = 7, .decimals = 2},
                        {.level = 2, .name = "AMTX", .type = kX, .bytes = 4, .redefines = "AMT"},
                        {.level = 2, .name = "NAME", .type = kJ, .bytes = 10, .remarks = sj("氏名")}});
    const TypeNotation standard;
    KeyItems keys(standard);
    keys.Insert(-1, keys.ItemLineForRow(d, MeasureLayout(d), 1, sj("可"), sj("降順")));
    keys.Renumber();
    d.keyLines = keys.Lines();
    return FormatLayoutFile(d);
}

}  // namespace rekkan::test
