#include "layout_editor/range_state.h"

#include <algorithm>

#include "util/encoding.h"

namespace rekkan {

void RangeState::MousePressed() {
    if (state != Confirmed) state = None;
}

bool RangeState::BeginMarking(int row) {
    if (state != None || row < 0) return false;
    state = Marking;
    anchor = start = end = row;
    return true;
}

void RangeState::MoveTo(int row) {
    if (state != Marking || row < 0) return;
    start = std::min(anchor, row);
    end = std::max(anchor, row);
}

bool RangeState::Confirm() {
    if (state != Marking) return false;
    state = Confirmed;
    return true;
}

std::string RangeState::ConfirmMenuText() const {
    if (state != Confirmed) return sj("1. 確定");
    return sj("1. 確定 ( ") + std::to_string(start + 1) + sj(" ～ ") + std::to_string(end + 1) + " )";
}

}  // namespace rekkan
