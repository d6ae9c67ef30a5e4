#include "layout_editor/type_notation_controller.h"

#include "layout_editor/layout_editor_controller.h"
#include "tools/help_texts.h"
#include "util/encoding.h"
#include "util/output_file.h"
#include "util/text.h"

namespace rekkan {

namespace {

std::string Bracketed(std::string_view label, std::string_view notation) {
    return " " + Trim(label) + " <" + Trim(notation) + ">";
}

}  // namespace

TypeNotationEntry ParseTypeNotationCell(int code, std::string_view cell) {
    const TypeInfo& info = TypeInfoOf(code);
    TypeNotationEntry entry{info.standardLabel, info.defaultNotation};
    const std::size_t lt = cell.find('<');
    if (lt == std::string_view::npos) return entry;
    if (std::string label = Trim(cell.substr(0, lt)); !label.empty()) entry.label = std::move(label);
    const std::size_t gt = cell.find('>', lt + 1);
    if (gt == std::string_view::npos) return entry;
    if (std::string notation = Trim(cell.substr(lt + 1, gt - lt - 1)); !notation.empty())
        entry.notation = std::move(notation);
    return entry;
}

TypeNotationController::TypeNotationController(LayoutEditorController& editor, MessageSink& messages, ToolShell& shell)
    : editor_(editor), messages_(messages), shell_(shell) {
    Refill();
}

void TypeNotationController::Refill() {
    const TypeNotation& types = editor_.Types();
    for (int c = 0; c < kTypeCount; ++c) edited_[c] = Bracketed(types.Label(c), types.Notation(c));
}

std::string TypeNotationController::Cell(int row, int column) const {
    if (row == 0) {
        static const std::array<std::string, kTypeNotationColumns> headings = {
            sj("  SEQ"), sj(" 標準の表記法"), sj(" 一般的な記述"), sj(" 編集・描画での表記法")};
        return column >= 0 && column < kTypeNotationColumns ? headings[column] : std::string();
    }
    if (row < 1 || row > kTypeCount) return {};
    const int code = row - 1;
    const TypeInfo& info = TypeInfoOf(code);
    switch (column) {
    case 0: return PadLeft(' ', std::to_string(code + 1), 5);
    case 1: return Bracketed(info.standardLabel, info.defaultNotation);
    case 2: return " " + Trim(info.description);
    case 3: return edited_[code];
    default: return {};
    }
}

void TypeNotationController::SetEdited(int row, std::string text) {
    if (row >= 1 && row <= kTypeCount) edited_[row - 1] = std::move(text);
}

std::string TypeNotationController::DefinitionsPath() const {
    const std::string& folder = editor_.ProgramFolderText();
    return folder.empty() ? std::string(kTypeNotationFileName) : folder + "/" + kTypeNotationFileName;
}

bool TypeNotationController::Update() {
    if (messages_.AskYesNo(sj("項目型の表記法の更新を行います。") + "\r\n\r\n" + sj("よろしいですか？"),
                           DefaultCaption()) != Answer::Yes)
        return false;
    TypeNotation& types = editor_.Types();
    for (int c = 0; c < kTypeCount; ++c) {
        TypeNotationEntry entry = ParseTypeNotationCell(c, edited_[c]);
        types.SetLabel(c, std::move(entry.label));
        types.SetNotation(c, std::move(entry.notation));
    }
    editor_.TypesChanged();
    Refill();
    // The labels are in force even when the file cannot be written; the program end writes it again.
    if (!WriteOutputFile(DefinitionsPath(), types.Format(), messages_)) return true;
    messages_.Inform(sj("項目型の表記法を更新しました。"), DefaultCaption(), MessageIcon::Information);
    return true;
}

bool TypeNotationController::Reset() {
    if (messages_.AskYesNo(sj("標準の表記法にリセットします。") + "\r\n\r\n" + sj("よろしいですか？"),
                           DefaultCaption()) != Answer::Yes)
        return false;
    for (int c = 0; c < kTypeCount; ++c) edited_[c] = Cell(c + 1, 1);
    return true;
}

PrintTable TypeNotationController::TableToPrint(int letterWidth, int rowHeight) const {
    PrintTable table;
    for (int r = 0; r < kTypeNotationRows; ++r) {
        std::vector<std::string> row;
        for (int c = 0; c < kTypeNotationColumns; ++c) row.push_back(Cell(r, c));
        table.cells.push_back(std::move(row));
    }
    for (int letters : {6, 24, 20, 30}) table.columnWidths.push_back(letters * letterWidth);
    table.fixedRows = 1;
    table.fixedColumns = 1;
    table.defaultRowHeight = rowHeight;
    table.documentName = "Morvane";
    table.title = sj("＜ 項目型の表記法の定義 ＞");
    return table;
}

void TypeNotationController::About() {
    std::string caption;
    for (const HelpItem& item : HelpItems())
        if (item.action == HelpAction::TypeNotation) caption = item.caption;
    shell_.ShowText(caption, TypeNotationText(kTypeNotationFileName));
}

}  // namespace rekkan
