#pragma once

#include <deque>
#include <string>
#include <vector>

#include "layout_editor/type_list.h"
#include "model/layout_document.h"

namespace rekkan {

/// Kinds of undo steps.
enum class StepKind : int {
    Delete = 0,       ///< one row deleted without a range
    RangeDelete = 1,  ///< the rows of a range deleted
    Copy = 2,         ///< one row duplicated
    RangeCopy = 3,    ///< the rows of a range copied
    Paste = 4,        ///< rows inserted from the clipboard
    CellContent = 5,  ///< one field of one row changed
    EditorText = 6,   ///< the whole table replaced by editing the layout as text
};

/// One undo step.
struct THistCtl {
    StepKind kind = StepKind::CellContent;
    int row = 0;                ///< first item row concerned
    int count = 0;              ///< number of rows concerned
    bool modified = false;      ///< the modified flag when the step was recorded
    int gridRow = 0;            ///< grid cell of a cell-content step
    int column = 0;             ///< column 3 to 10 of a cell-content step
    TRspec item;                ///< the row as it was before the change
    std::vector<TRspec> saved;  ///< rows removed or replaced (kinds 0, 1 and 6)
};

/// Builds a step for `row`: copies the row and, for kinds 0, 1 and 6, the `count` rows from
/// `row` on (as far as the table reaches).
[[nodiscard]] THistCtl MakeStep(StepKind kind, int row, int count, const LayoutDocument& doc, int gridRow = 0,
                                int column = 0);

/// What reversing a step touched.
struct UndoOutcome {
    int row = 0;            ///< the step's row: the cursor goes there
    int restoredFirst = 0;  ///< rows given back (drawn white on black); empty when last < first
    int restoredLast = -1;
};

/// Reverses `step` on the table (not the modified flag): kind 5 gives the row back, kinds 2 to
/// 4 remove the inserted rows, kinds 0 and 1 put the saved rows back in their places, kind 6
/// replaces the table with the saved rows.
UndoOutcome ReverseStep(LayoutDocument& doc, const THistCtl& step);

/// Caption of a step: "削除", "範囲削除", ... and for a cell-content step the detail of the
/// column (CP932).
[[nodiscard]] std::string StepCaption(const THistCtl& step, const TypeLabelFn& typeLabel = StandardTypeLabel);

/// The undo history: at most 64 steps, newest last.
class UndoHistory {
public:
    static constexpr int kMaxSteps = 64;

    /// Adds a step; past 64 steps the oldest is dropped.
    void Record(THistCtl step);
    [[nodiscard]] bool Empty() const { return steps_.empty(); }
    [[nodiscard]] int Count() const { return static_cast<int>(steps_.size()); }
    [[nodiscard]] const THistCtl& Newest() const { return steps_.back(); }
    [[nodiscard]] const THistCtl& At(int i) const { return steps_[static_cast<std::size_t>(i)]; }
    /// Removes and returns the newest step (the history must not be empty).
    THistCtl TakeNewest();
    void Clear() { steps_.clear(); }

    /// Text of the menu item "元に戻す", with the count and the caption of the newest step.
    [[nodiscard]] std::string MenuText(const TypeLabelFn& typeLabel = StandardTypeLabel) const;

private:
    std::deque<THistCtl> steps_;
};

}  // namespace rekkan
