// Undo and the switch between the ordinary view and the redefinition view.
#include <algorithm>

#include "layout_editor/layout_editor_model.h"
#include "util/encoding.h"

namespace rekkan {

bool LayoutEditorModel::Undo() {
    if (!Ordinary() || history_.Empty()) return false;
    range_.Clear();
    const THistCtl step = history_.TakeNewest();
    const UndoOutcome outcome = ReverseStep(doc_, step);
    cursorRow_ = outcome.row;
    if (step.kind == StepKind::CellContent) cursorColumn_ = step.column;
    if (outcome.row < topRow_ || outcome.row >= topRow_ + visibleRows_) topRow_ = std::max(0, outcome.row - 1);
    transientMark_ = outcome.restoredLast >= outcome.restoredFirst ? RowMark::Restored : RowMark::None;
    transientFirst_ = outcome.restoredFirst;
    transientLast_ = outcome.restoredLast;
    Recompute();
    doc_.modified = step.modified;
    if (observer_) observer_->Refresh();
    return true;
}

bool LayoutEditorModel::EnterView() {
    if (!Ordinary()) return false;
    range_.Clear();
    transientMark_ = RowMark::None;
    savedCursorRow_ = cursorRow_;
    savedTopRow_ = topRow_;
    view_ = MakeViewDocument(doc_, options_.viewFormat, options_.tagLength);
    viewFormat_ = options_.viewFormat;
    topRow_ = 0;
    cursorRow_ = 0;
    Changed();
    return true;
}

bool LayoutEditorModel::LeaveView() {
    if (!view_) return false;
    view_.reset();
    transientMark_ = RowMark::None;
    cursorRow_ = savedCursorRow_;
    topRow_ = savedTopRow_;
    Changed();
    return true;
}

bool LayoutEditorModel::LeaveViewForReload() {
    if (Ordinary()) return false;
    if (doc_.modified) Inform(sj("【再定義の表示】 から 【レイアウトの編集】 に戻します。"));
    return LeaveView();
}

bool LayoutEditorModel::RebuildView() {
    if (Ordinary()) return false;
    const int cursor = savedCursorRow_;
    const int top = savedTopRow_;
    LeaveView();
    savedCursorRow_ = cursor;
    savedTopRow_ = top;
    const bool ok = EnterView();
    savedCursorRow_ = cursor;
    savedTopRow_ = top;
    return ok;
}

}  // namespace rekkan
