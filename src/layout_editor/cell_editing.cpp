// Committing grid rows, the level buttons and the type list of the layout editor model.
#include <algorithm>

#include "layout_editor/layout_editor_model.h"
#include "layout_editor/type_name_input.h"
#include "model/group_rule.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {

namespace {

constexpr int kLowestLevel = 1;
constexpr int kDeepestLevel = 15;

}  // namespace

bool LayoutEditorModel::CommitRow(int row, const RowTexts& cells) {
    if (!Ordinary() || Guarded() || row < 0) return false;
    transientMark_ = RowMark::None;
    messageLine_.clear();
    const bool existed = row < Count();
    if (!existed) {
        if (!cells.HasText()) return false;
        if (Count() + 1 > doc_.editableLineCount) {
            Inform(sj("これ以上、行の追加はできません。"));
            return false;
        }
        row = Count();
        doc_.items.push_back(NewRowAt(row));
        cursorRow_ = row;
    }
    TRspec& item = doc_.items[static_cast<std::size_t>(row)];
    const TRspec before = item;

    TypedName typedName{cells.name, -1, {}};
    if (options_.typeNameInput) {
        typedName = SplitTypedName(cells.name, typeLabel_);
        if (typedName.typeCode < 0 && !typedName.label.empty()) messageLine_ = UnknownTypeLabelMessage(typedName.label);
    }
    const LevelAndName levelAndName = SplitLevelAndName(typedName.nameCell);
    const int levelAbove = row > 0 ? doc_.items[static_cast<std::size_t>(row - 1)].LVL : 1;
    // Level 0 belongs to the end-of-table mark of the geometry pass; keep typed levels in 1 to 15.
    const int level = std::clamp(levelAndName.level.value_or(levelAbove), kLowestLevel, kDeepestLevel);

    TRspec typed = item;
    typed.LVL = level;
    typed.KOM = levelAndName.name;
    typed.VNM = Trim(cells.varName);
    typed.RED = Trim(cells.redefines);
    typed.RPT = std::max(1, LeadingNumber(cells.repeat));  // a blank repeat cell means one occurrence
    typed.BYT = LeadingNumber(cells.digits);
    typed.SYO = LeadingNumber(cells.decimals);
    typed.BKO = Trim(cells.remarks);
    if (typedName.typeCode >= 0 && typedName.typeCode != typed.TYP) {
        if (typed.TYP != kGroup) typed.TYP2 = typed.TYP;
        typed.TYP = typedName.typeCode;
    }

    if (existed && options_.cellEdit == 0) {
        // Each changed field is its own undo step, recorded before the field is stored.
        auto store = [&](bool changed, int column, auto assign) {
            if (!changed) return;
            Record(StepKind::CellContent, row, 1, column);
            assign();
        };
        TRspec& r = doc_.items[static_cast<std::size_t>(row)];
        store(r.LVL != typed.LVL || r.KOM != typed.KOM, 3, [&] {
            r.LVL = typed.LVL;
            r.KOM = typed.KOM;
        });
        store(r.VNM != typed.VNM, 4, [&] { r.VNM = typed.VNM; });
        store(r.RED != typed.RED, 5, [&] { r.RED = typed.RED; });
        store(r.TYP != typed.TYP, 6, [&] {
            r.TYP = typed.TYP;
            r.TYP2 = typed.TYP2;
        });
        store(r.RPT != typed.RPT, 7, [&] { r.RPT = typed.RPT; });
        store(r.BYT != typed.BYT, 8, [&] { r.BYT = typed.BYT; });
        store(r.SYO != typed.SYO, 9, [&] { r.SYO = typed.SYO; });
        store(r.BKO != typed.BKO, 10, [&] { r.BKO = typed.BKO; });
    } else {
        doc_.items[static_cast<std::size_t>(row)] = typed;
    }
    TRspec& stored = doc_.items[static_cast<std::size_t>(row)];
    NormaliseByt(stored, doc_.sizes);
    if (stored.LVL != before.LVL || stored.TYP != before.TYP) ApplyGroupRule(doc_.items, row);

    if (existed && doc_.items[static_cast<std::size_t>(row)] == before) return false;
    doc_.modified = true;
    Changed();
    return true;
}

void LayoutEditorModel::CellEditorStored(int row, int column) {
    if (!Ordinary() || Guarded() || row < 0 || row >= Count()) return;
    Record(StepKind::CellContent, row, 1, column);
    doc_.modified = true;
}

bool LayoutEditorModel::ChangeLevel(int delta) {
    if (!Ordinary() || Guarded() || cursorRow_ >= Count()) return false;
    TRspec& item = doc_.items[static_cast<std::size_t>(cursorRow_)];
    const int level = item.LVL + delta;
    if (level < kLowestLevel || level > kDeepestLevel) return false;
    transientMark_ = RowMark::None;
    Record(StepKind::CellContent, cursorRow_, 1, 3);
    item.LVL = level;
    ApplyGroupRule(doc_.items, cursorRow_);
    doc_.modified = true;
    Changed();
    return true;
}

bool LayoutEditorModel::LevelDown() { return ChangeLevel(-1); }

bool LayoutEditorModel::LevelUp() { return ChangeLevel(+1); }

bool LayoutEditorModel::ChooseType(int listIndex) {
    const int code = types_.CodeAt(listIndex);
    if (!Ordinary() || Guarded() || code < 0) return false;
    transientMark_ = RowMark::None;
    int row = cursorRow_;
    if (row >= Count()) {
        if (Count() + 1 > doc_.editableLineCount) {
            Inform(sj("これ以上、行の追加はできません。"));
            return false;
        }
        row = Count();
        TRspec appended = NewRowAt(row);
        appended.TYP = appended.TYP2 = kGroup;  // the chosen type follows below
        doc_.items.push_back(appended);
        cursorRow_ = row;
    } else {
        Record(StepKind::CellContent, row, 1, 6);
    }
    TRspec& item = doc_.items[static_cast<std::size_t>(row)];
    if (item.TYP != kGroup) item.TYP2 = item.TYP;
    item.TYP = code;
    NormaliseByt(item, doc_.sizes);
    ApplyGroupRule(doc_.items, row);
    doc_.modified = true;
    Changed();
    return true;
}

}  // namespace rekkan
