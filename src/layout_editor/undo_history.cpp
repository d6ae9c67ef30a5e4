#include "layout_editor/undo_history.h"

#include <algorithm>

#include "model/group_rule.h"
#include "util/encoding.h"
#include "util/sjis.h"

namespace rekkan {

namespace {

bool SavesRows(StepKind kind) {
    return kind == StepKind::Delete || kind == StepKind::RangeDelete || kind == StepKind::EditorText;
}

std::string First20(const std::string& text) { return text.substr(0, CharSafeLength(text, 20)); }

void EraseRange(std::vector<TRspec>& v, int first, int count) {
    const int size = static_cast<int>(v.size());
    if (first >= size || count <= 0) return;
    const int last = std::min(size, first + count);
    v.erase(v.begin() + first, v.begin() + last);
}

}  // namespace

THistCtl MakeStep(StepKind kind, int row, int count, const LayoutDocument& doc, int gridRow, int column) {
    THistCtl step;
    step.kind = kind;
    step.row = row;
    step.count = count;
    step.modified = doc.modified;
    step.gridRow = gridRow;
    step.column = column;
    if (row >= 0 && row < doc.Count()) step.item = doc.items[static_cast<std::size_t>(row)];
    if (SavesRows(kind)) {
        for (int i = row; i < row + count && i < doc.Count(); ++i) {
            step.saved.push_back(doc.items[static_cast<std::size_t>(i)]);
        }
    }
    return step;
}

UndoOutcome ReverseStep(LayoutDocument& doc, const THistCtl& step) {
    UndoOutcome out;
    const int n = doc.Count();
    const int row = std::clamp(step.row, 0, n);
    out.row = row;
    switch (step.kind) {
    case StepKind::CellContent:
        if (step.row >= 0 && step.row < n) {
            const int levelNow = doc.items[static_cast<std::size_t>(step.row)].LVL;
            doc.items[static_cast<std::size_t>(step.row)] = step.item;
            // The level change made neighbours groups or gave them their types back; the
            // same rule undoes that when the old level returns.
            if (step.item.LVL != levelNow) ApplyGroupRule(doc.items, step.row);
            out.restoredFirst = out.restoredLast = step.row;
        }
        break;
    case StepKind::Copy:
    case StepKind::RangeCopy:
    case StepKind::Paste: EraseRange(doc.items, row, step.count); break;
    case StepKind::Delete:
    case StepKind::RangeDelete:
        doc.items.insert(doc.items.begin() + row, step.saved.begin(), step.saved.end());
        out.restoredFirst = row;
        out.restoredLast = row + static_cast<int>(step.saved.size()) - 1;
        break;
    case StepKind::EditorText:
        doc.items = step.saved;
        out.row = std::clamp(step.row, 0, doc.Count());
        out.restoredFirst = 0;
        out.restoredLast = doc.Count() - 1;
        break;
    }
    return out;
}

std::string StepCaption(const THistCtl& step, const TypeLabelFn& typeLabel) {
    switch (step.kind) {
    case StepKind::Delete: return sj("削除");
    case StepKind::RangeDelete: return sj("範囲削除");
    case StepKind::Copy: return sj("複写");
    case StepKind::RangeCopy: return sj("範囲複写");
    case StepKind::Paste: return sj("←Clipboard");
    case StepKind::EditorText: return "Editor";
    case StepKind::CellContent: break;
    default: return sj("？");
    }
    const TRspec& old = step.item;
    std::string detail;
    switch (step.column) {
    case 3: detail = sj("項目名 - ") + First20(old.KOM); break;
    case 4: detail = "Var.Name - " + First20(old.VNM); break;
    case 5: detail = sj("再定義 - ") + First20(old.RED); break;
    case 6: detail = sj("型 - ") + (typeLabel ? typeLabel(old.TYP) : StandardTypeLabel(old.TYP)); break;
    case 7: detail = sj("繰返 - ") + std::to_string(old.RPT); break;
    case 8: detail = sj("桁数 - ") + std::to_string(old.BYT); break;
    case 9: detail = sj("小数 - ") + std::to_string(old.SYO); break;
    case 10: detail = sj("備考 - ") + First20(old.BKO); break;
    default: break;
    }
    std::string caption = sj("セル内容");
    if (!detail.empty()) caption += " " + detail;
    return caption;
}

void UndoHistory::Record(THistCtl step) {
    steps_.push_back(std::move(step));
    while (static_cast<int>(steps_.size()) > kMaxSteps) steps_.pop_front();
}

THistCtl UndoHistory::TakeNewest() {
    THistCtl step = std::move(steps_.back());
    steps_.pop_back();
    return step;
}

std::string UndoHistory::MenuText(const TypeLabelFn& typeLabel) const {
    if (steps_.empty()) return sj("元に戻す");
    return sj("元に戻す  ") + "#" + std::to_string(Count()) + sj("  【") + StepCaption(Newest(), typeLabel) + sj("】");
}

}  // namespace rekkan
