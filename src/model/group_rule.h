#pragma once

#include <vector>

#include "model/item_row.h"

namespace rekkan {

/// Level rule after the level of row `i` changed (or the row was stored by an import): the row
/// above becomes a Group when `i` is now deeper than it, and gets back its saved type (`TYP2`)
/// when `i` is now at its level; the same between `i` and the row below. Returns true when a
/// type changed (the caller then recomputes the record length and redraws).
bool ApplyGroupRule(std::vector<TRspec>& rows, int i);

}  // namespace rekkan
