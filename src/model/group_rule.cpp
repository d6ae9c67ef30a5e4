#include "model/group_rule.h"

#include "model/type_catalogue.h"

namespace rekkan {
namespace {

/// Makes `row` a group, keeping its own type in TYP2.
bool MakeGroup(TRspec& row) {
    if (row.TYP == kGroup) return false;
    row.TYP2 = row.TYP;
    row.TYP = kGroup;
    return true;
}

/// Gives a group row back the type it had before it became one.
bool RestoreType(TRspec& row) {
    if (row.TYP != kGroup || row.TYP2 == kGroup) return false;
    row.TYP = row.TYP2;
    return true;
}

}  // namespace

bool ApplyGroupRule(std::vector<TRspec>& rows, int i) {
    const int n = static_cast<int>(rows.size());
    if (i < 0 || i >= n) return false;
    bool changed = false;
    TRspec& row = rows[static_cast<std::size_t>(i)];
    if (i > 0) {
        TRspec& above = rows[static_cast<std::size_t>(i - 1)];
        if (row.LVL > above.LVL)
            changed |= MakeGroup(above);
        else if (row.LVL == above.LVL)
            changed |= RestoreType(above);
    }
    if (i + 1 < n) {
        const TRspec& below = rows[static_cast<std::size_t>(i + 1)];
        if (below.LVL > row.LVL)
            changed |= MakeGroup(row);
        else if (below.LVL == row.LVL)
            changed |= RestoreType(row);
    }
    return changed;
}

}  // namespace rekkan
