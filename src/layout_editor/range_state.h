#pragma once

#include <string>

namespace rekkan {

/// The row range of the layout editor: marked by dragging, then confirmed or cleared.
struct RangeState {
    enum State { None = 0, Marking = 1, Confirmed = 2 };

    int state = None;
    int anchor = 0;  ///< item row where marking started
    int start = 0;   ///< first row; kept when the range is cleared
    int end = 0;     ///< last row (start <= end); kept when the range is cleared

    [[nodiscard]] bool Active() const { return state != None; }
    [[nodiscard]] bool Contains(int row) const { return Active() && row >= start && row <= end; }
    [[nodiscard]] int Size() const { return end - start + 1; }

    /// A press of the left mouse button: a range not confirmed is dropped.
    void MousePressed();
    /// Dragging begins on `row`: starts marking when no range exists. False otherwise.
    bool BeginMarking(int row);
    /// The current cell moved to `row` while marking: the range spans the anchor and `row`.
    void MoveTo(int row);
    /// "確定": a range being marked becomes confirmed. False when nothing was being marked.
    bool Confirm();
    /// "解除": no range any more (start and end keep their values).
    void Clear() { state = None; }

    /// "確定" is offered only while marking; "解除" only once confirmed.
    [[nodiscard]] bool CanConfirm() const { return state == Marking; }
    [[nodiscard]] bool CanClear() const { return state == Confirmed; }
    /// Text of the context menu item "1. 確定", with the rows once confirmed (CP932).
    [[nodiscard]] std::string ConfirmMenuText() const;
};

}  // namespace rekkan
