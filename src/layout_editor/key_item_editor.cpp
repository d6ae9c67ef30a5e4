#include "layout_editor/key_item_editor.h"

#include <algorithm>

#include "layout_editor/layout_editor_controller.h"
#include "model/key_items.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {

namespace {

constexpr int kNumberWidth = 6;

std::string Bracket(int position, int length) {
    return "[" + PadLeft('0', std::to_string(position), kNumberWidth) + " : " +
           PadLeft('0', std::to_string(length), kNumberWidth) + "]";
}

std::string WithoutZeros(const std::string& digits) {
    int v = 0;
    return ParseInt(Trim(digits), v) ? std::to_string(v) : Trim(digits);
}

}  // namespace

KeyItemEditor::KeyItemEditor(LayoutEditorController& editor, MessageSink& messages)
    : editor_(editor), messages_(messages), duplicates_(sj(" 不")), order_(sj(" 昇順")) {}

const std::vector<std::string>& KeyItemEditor::KeyLines() const { return editor_.Keys().Lines(); }

std::string KeyItemEditor::VisibleKeyLine(int index) const {
    return VisibleKeyText(KeyLines().at(static_cast<std::size_t>(index)));
}

void KeyItemEditor::Activate() {
    const LayoutDocument& doc = editor_.Document();
    const TypeNotation& types = editor_.Types();
    geometry_ = MeasureLayout(doc);
    selection_.clear();
    for (int i = 0; i < doc.Count() && i < static_cast<int>(geometry_.rows.size()); ++i) {
        const GeometryRow& g = geometry_.rows[static_cast<std::size_t>(i)];
        if (g.InRdf) continue;
        const TRspec& r = doc.items[static_cast<std::size_t>(i)];
        const int level = std::max(1, r.LVL);
        std::string text = PadLeft(' ', std::to_string(i + 1), 4) + ". " +
                           Bracket(g.FirstPos, r.TYP == kGroup ? g.GroupLen : g.ElemLen) + "  " +
                           PadRight(' ', Trim(types.DisplayLabel(r.TYP)), types.WidestDisplayLabel()) + " " +
                           std::string(static_cast<std::size_t>(level - 1), ' ') +
                           std::to_string(level % 100 + 100).substr(1) + " " + Trim(r.KOM);
        selection_.push_back({i, std::move(text)});
    }
    editor_.Keys().Validate(doc, geometry_);
    editor_.StoreKeys();
}

void KeyItemEditor::Changed() { editor_.StoreKeys(); }

int KeyItemEditor::AddItems(std::vector<int> selection, int target) {
    if (editor_.Model().Mode() != EditMode::Ordinary) {
        messages_.Inform(
            sj("再定義ビューの表示中はキー項目を追加できません。\r\n\r\n通常の表示に戻してから追加して下さい。"),
            DefaultCaption());
        return target;
    }
    std::sort(selection.begin(), selection.end());
    KeyItems& keys = editor_.Keys();
    const LayoutDocument& doc = editor_.Document();
    int selected = target < 0 || target >= Count() ? Count() - 1 : target;
    for (const int s : selection) {
        if (s < 0 || s >= static_cast<int>(selection_.size())) continue;
        const int row = selection_[static_cast<std::size_t>(s)].row;
        if (row >= doc.Count()) continue;
        const int before = Count();
        keys.Insert(selected, keys.ItemLineForRow(doc, geometry_, row, Trim(duplicates_), Trim(order_)));
        // Renumbering puts a header at the top of a list that had none.
        selected += 1 + (Count() - before - 1);
    }
    Changed();
    return selected;
}

bool KeyItemEditor::SetAttribute(int line, KeyAttribute attribute, const std::string& text) {
    if (line < 0 || line >= Count() || IsKeyHeaderLine(KeyLines()[static_cast<std::size_t>(line)])) return false;
    KeyLine k = ParseKeyLine(KeyLines()[static_cast<std::size_t>(line)], editor_.Types());
    (attribute == KeyAttribute::Duplicates ? k.duplicates : k.order) = Trim(text);
    editor_.Keys().Replace(line, FormatKeyLine(k, editor_.Types()));
    Changed();
    return true;
}

int KeyItemEditor::AddKey(int target) {
    const int after = target < 0 || target >= Count() ? Count() - 1 : target;
    editor_.Keys().Insert(after, " Key #");
    Changed();
    return after + 1;
}

int KeyItemEditor::Remove(int line) {
    if (line < 0 || line >= Count()) return line;
    const bool last = line == Count() - 1;
    editor_.Keys().Erase(line);
    Changed();
    if (Count() == 0) return -1;
    return last ? Count() - 1 : std::min(line, Count() - 1);
}

int KeyItemEditor::MoveUp(int line) {
    if (line <= 0 || line >= Count()) return line;
    if (line == 1 && IsKeyHeaderLine(KeyLines()[0])) return line;
    editor_.Keys().Swap(line - 1, line);
    Changed();
    return line - 1;
}

int KeyItemEditor::MoveDown(int line) {
    if (line < 0 || line + 1 >= Count()) return line;
    if (line == 0 && IsKeyHeaderLine(KeyLines()[0])) return line;
    editor_.Keys().Swap(line, line + 1);
    Changed();
    return line + 1;
}

int KeyItemEditor::NameColumn() const { return 12 + 2 * kNumberWidth + editor_.Types().WidestDisplayLabel(); }

PrintTable KeyItemEditor::KeyPrintTable(const std::vector<int>& columnWidths) const {
    PrintTable t;
    t.title = sj("＜ キーリスト ＞");
    t.headings[0] = sj("ファイル名  ： ") + Trim(editor_.Document().RdfCmt);
    t.columnWidths = columnWidths;
    t.columnWidths.resize(7, 60);
    t.fixedRows = 1;
    t.cells.push_back({sj(" キー番号"), sj(" 位置"), sj(" 桁数"), sj(" 型"), sj(" 重複"), sj(" 並び"), sj(" 項目名")});
    int sequence = 0;
    for (const std::string& line : KeyLines()) {
        const KeyLine k = ParseKeyLine(line, editor_.Types());
        if (k.IsHeader()) {
            sequence = 0;
            t.cells.push_back({" Key #" + std::to_string(k.keyNumber), "", "", "", "", "", ""});
            continue;
        }
        t.cells.push_back({"    (" + std::to_string(++sequence) + ")", " " + WithoutZeros(k.position),
                           " " + WithoutZeros(k.length), " " + k.typeName, " " + k.duplicates, " " + k.order,
                           " " + k.itemName});
    }
    return t;
}

}  // namespace rekkan
