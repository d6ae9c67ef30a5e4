// Delete, copy and the clipboard commands of the layout editor model.
#include <algorithm>

#include "layout_editor/layout_editor_model.h"
#include "model/layout_file.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {

namespace {

std::string RowNumbers(int start, int end) { return std::to_string(start + 1) + sj(" ～ ") + std::to_string(end + 1); }

}  // namespace

bool LayoutEditorModel::Delete() {
    if (!Ordinary()) return false;
    transientMark_ = RowMark::None;
    int first = 0;
    int count = 0;
    const bool withRange = range_.Active();
    if (!withRange) {
        if (cursorRow_ >= Count()) return false;
        first = cursorRow_;
        count = 1;
    } else {
        first = range_.start;
        const int last = std::min(range_.end, Count() - 1);
        if (first > last) return false;
        count = last - first + 1;
        transientMark_ = RowMark::DeleteQuestion;
        transientFirst_ = first;
        transientLast_ = last;
        const bool ok = Confirmed(sj("【 削除 】\r\n\r\n    選択範囲の行を削除します。\r\n\r\n    行番号 ： ") +
                                  RowNumbers(range_.start, range_.end) + "\r\n" + "\r\n");
        transientMark_ = RowMark::None;
        if (!ok) {
            Changed(false);
            return false;
        }
        range_.Clear();
    }
    Record(withRange ? StepKind::RangeDelete : StepKind::Delete, first, count);
    doc_.items.erase(doc_.items.begin() + first, doc_.items.begin() + first + count);
    ShowRowFirst(first);
    doc_.modified = true;
    Changed();
    return true;
}

bool LayoutEditorModel::Copy() {
    if (!Ordinary()) return false;
    transientMark_ = RowMark::None;
    const int n = Count();
    if (n + 1 > doc_.editableLineCount) {
        Inform(sj("これ以上、行の追加はできません。"));
        return false;
    }
    int target = std::min(cursorRow_, n);
    if (range_.Contains(target)) target = range_.start;

    if (!range_.Active()) {
        if (target >= n) return false;
        Record(StepKind::Copy, target, 1);
        const TRspec copy = doc_.items[static_cast<std::size_t>(target)];
        InsertRows(target, {copy});
        doc_.modified = true;
        Changed();
        return true;
    }

    const int start = range_.start;
    const int end = std::min(range_.end, n - 1);
    if (start > end) return false;
    transientMark_ = RowMark::CopyQuestion;
    transientFirst_ = start;
    transientLast_ = end;
    const bool ok =
        Confirmed(sj("【 複写 】\r\n\r\n   選択範囲の行をカーソル行に挿入して複写します。\r\n\r\n   行番号 ： ") +
                  RowNumbers(start, end) + sj("    →   ") + std::to_string(target + 1) + "\r\n" + "\r\n");
    transientMark_ = RowMark::None;
    if (!ok) {
        Changed(false);
        return false;
    }
    const int count = end - start + 1;
    if (count + n > doc_.editableLineCount) {
        Inform(sj("選択の行数が多すぎるため追加できません。"));
        return false;
    }
    Record(StepKind::RangeCopy, target, count);
    const std::vector<TRspec> copies(doc_.items.begin() + start, doc_.items.begin() + end + 1);
    InsertRows(target, copies);
    range_.start = target;
    range_.end = target + count - 1;
    range_.state = RangeState::Confirmed;
    doc_.modified = true;
    Changed();
    return true;
}

bool LayoutEditorModel::WriteClipboard() {
    if (!Ordinary()) return false;
    if (!Confirmed(sj("選択された内容をクリップボードに書き込みます。\r\n\r\nよろしいですか？\r\n\r\n"))) return false;
    std::string text;
    WriteLine(text, kLayoutMagic);
    const int last = std::min(range_.end, Count() - 1);
    for (int i = std::max(0, range_.start); i <= last; ++i)
        WriteLine(text, ItemLine(doc_.items[static_cast<std::size_t>(i)], i));
    clipboard_.SetText(text);
    return true;
}

bool LayoutEditorModel::ClearClipboard() {
    if (!Ordinary()) return false;
    if (!Confirmed(sj("クリップボードをクリアーします。\r\n\r\nよろしいですか？\r\n\r\n"))) return false;
    clipboard_.Clear();
    return true;
}

bool LayoutEditorModel::ClipboardHoldsLayout() const {
    const auto text = clipboard_.Text();
    if (!text) return false;
    return Trim(std::string_view(*text).substr(0, 11)) == kLayoutMagic;
}

bool LayoutEditorModel::PasteClipboard() {
    if (!Ordinary()) return false;
    transientMark_ = RowMark::None;
    const auto text = clipboard_.Text();
    std::vector<std::string> lines;
    if (text) lines = SplitLines(*text);
    if (lines.empty()) {
        Inform(sj("クリップボードにデータがありません。"));
        return false;
    }
    if (Trim(lines.front()) != kLayoutMagic) {
        Inform(sj("クリップボードのデータは MORVANE のものではありません。"));
        return false;
    }
    lines.erase(lines.begin());
    const int n = Count();
    const int lineCount = static_cast<int>(lines.size());
    if (lineCount + n > doc_.editableLineCount) {
        Inform(sj("行数が多すぎるため追加できません。"));
        return false;
    }
    const int target = std::clamp(cursorRow_, 0, n);
    std::string firstKom;
    std::string firstVnm;
    if (!lines.empty()) {
        firstKom = LookupKey(lines.front(), "KOM").value_or("");
        firstVnm = LookupKey(lines.front(), "VNM").value_or("");
    }
    const std::string question =
        sj("【 複写 】\r\n\r\n   クリップボードの内容をカーソル行に挿入して複写します。\r\n\r\n       ") +
        std::to_string(target + 1) + sj("  ←  ") + sj("【 ") + firstKom + " (" + firstVnm + sj(") 】  合計 ") +
        std::to_string(lineCount) + sj(" 行") + "\r\n" + "\r\n" + sj("よろしいですか？") + "\r\n" + "\r\n";
    if (!Confirmed(question)) return false;

    std::vector<TRspec> rows;
    for (const std::string& line : lines) {
        bool failed = false;
        std::optional<TRspec> row = ParseItemLine(line, failed);
        if (!row || failed) continue;  // not an item line, or one whose numbers cannot be read
        // Rows from outside get what the layout reader gives its rows: a known type, a level the
        // geometry pass can hold, no size for a group, at least one occurrence.
        if (!IsValidType(row->TYP)) row->TYP = row->TYP2 = kString;
        row->LVL = std::clamp(row->LVL, 1, 15);
        if (row->TYP == kGroup) row->BYT = 0;
        if (row->RPT < 1) row->RPT = 1;
        rows.push_back(*row);
    }
    if (rows.empty()) return false;
    // The step counts the rows really inserted, so that undo removes exactly those.
    Record(StepKind::Paste, target, static_cast<int>(rows.size()));
    InsertRows(target, rows);
    doc_.modified = true;
    Changed();
    return true;
}

}  // namespace rekkan
