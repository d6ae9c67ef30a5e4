#include "layout_editor/layout_editor_model.h"

#include <algorithm>
#include <cstdint>

#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {

namespace {

LangPriority PriorityOfChoice(int choice) {
    switch (choice) {
    case 1: return LangPriority::C;
    case 2: return LangPriority::Vb;
    default: return LangPriority::Cobol;
    }
}

}  // namespace

EditorOptions EditorOptions::FromSettings(const Settings& settings) {
    EditorOptions o;
    o.cellEdit = settings.Cmb_CellEdit;
    o.priority = PriorityOfChoice(settings.Cmb_Lang);
    o.indentWidth = settings.Cmb_Indent + 1;
    o.viewFormat = settings.Cmb_RedPlotType;
    o.tagLength = std::clamp(settings.Cmb_RedTagLen, 0, kMaxTagLength);
    o.typeNameInput = settings.Cmb_InpTyp == 1;
    return o;
}

LayoutEditorModel::LayoutEditorModel(LayoutDocument& doc, MessageSink& messages, Clipboard& clipboard,
                                     EditorOptions options)
    : doc_(doc),
      messages_(messages),
      clipboard_(clipboard),
      options_(options),
      typeLabel_(StandardTypeLabel),
      types_(options.priority, typeLabel_) {}

void LayoutEditorModel::SetOptions(const EditorOptions& options) {
    options_ = options;
    options_.tagLength = std::clamp(options_.tagLength, 0, kMaxTagLength);
    types_ = TypeList(options_.priority, typeLabel_);
}

void LayoutEditorModel::SetTypeLabel(TypeLabelFn label) {
    typeLabel_ = label ? std::move(label) : TypeLabelFn(StandardTypeLabel);
    types_ = TypeList(options_.priority, typeLabel_);
}

void LayoutEditorModel::SetCursor(int row, int column) {
    cursorRow_ = std::max(0, row);
    cursorColumn_ = column;
}

void LayoutEditorModel::MarkModified() {
    if (Ordinary() && !Guarded()) doc_.modified = true;
}

void LayoutEditorModel::SetGridWindow(int topRow, int visibleRows) {
    topRow_ = std::max(0, topRow);
    visibleRows_ = std::max(1, visibleRows);
}

RowMark LayoutEditorModel::MarkOf(int row) const {
    if (transientMark_ != RowMark::None && row >= transientFirst_ && row <= transientLast_) return transientMark_;
    if (!range_.Contains(row)) return RowMark::None;
    return range_.state == RangeState::Marking ? RowMark::Marking : RowMark::Confirmed;
}

RowTexts LayoutEditorModel::CellsOf(int row) const {
    if (row < 0 || row >= Count()) return {};
    return FormatRowCells(Shown().items[static_cast<std::size_t>(row)], options_.indentWidth, typeLabel_);
}

std::string LayoutEditorModel::PositionOf(int row) const {
    if (row < 0 || row >= Count()) return {};
    return PositionCellText(Shown().items[static_cast<std::size_t>(row)], geometry_.Row(row), !Ordinary());
}

bool LayoutEditorModel::CellTakesInput(int row, int column) const {
    if (!Ordinary() || column < 3 || column > 10 || column == 6) return false;
    if (row < 0 || row >= Count()) return true;
    const int type = doc_.items[static_cast<std::size_t>(row)].TYP;
    if (column == 8) return BytRule(type) == '2';
    if (column == 9) return SyoRule(type) == '2';
    return true;
}

std::string LayoutEditorModel::MaxLinesText() const {
    return "Max.Lines[ " + GroupThousands(static_cast<std::int64_t>(doc_.editableLineCount)) + " ]";
}

std::string LayoutEditorModel::WindowTitle() const {
    std::string title = "Morvane for Rekkan";
    if (!doc_.path.empty()) title += "  [ " + doc_.path + " ]";
    return title;
}

std::string LayoutEditorModel::LineCountText() const { return " " + std::to_string(Count()) + " Line"; }

std::string LayoutEditorModel::RecordLengthText() const {
    return "Rec.Len : " + std::to_string(geometry_.recordLength) + " Byte";
}

std::string LayoutEditorModel::TypeColumnHeader() const { return GridHeaders(options_.priority)[6]; }

void LayoutEditorModel::ChangePriority(LangPriority priority) {
    options_.priority = priority;
    types_.SetPriority(priority);
    Inform(sj("型名リストの並び順を     ") + "\r\n" + "\r\n" + " " + "< " + PriorityName(priority) + " >" +
           sj(" 優先に変更しました。"));
    if (observer_) observer_->Refresh();
}

Answer LayoutEditorModel::AskBeforeClose() {
    if (!Ordinary() && doc_.modified) LeaveViewForReload();
    if (!doc_.modified) return Answer::No;
    return messages_.AskYesNoCancel(sj("レイアウトの内容が変更されています。\r\n\r\n保存しますか？"), DefaultCaption());
}

// ---------------------------------------------------------------------------------------------
// Commands

bool LayoutEditorModel::IsEnabled(EditorCommand command) const {
    const bool ordinary = Ordinary();
    switch (command) {
    case EditorCommand::ConfirmRange: return ordinary && range_.CanConfirm();
    case EditorCommand::ClearRange: return ordinary && range_.CanClear();
    case EditorCommand::Copy:
    case EditorCommand::Delete:
    case EditorCommand::ClipboardWrite:
    case EditorCommand::JoinPrefix:
    case EditorCommand::CutPrefix:
    case EditorCommand::ExchangeNames: return ordinary;
    case EditorCommand::ClipboardRead:
    case EditorCommand::ClipboardClear:
        return ordinary && !(range_.Active() && range_.Size() > 1) && ClipboardHoldsLayout();
    case EditorCommand::Undo: return ordinary && !history_.Empty();
    case EditorCommand::LevelDown:
    case EditorCommand::LevelUp: return ordinary && cursorRow_ < Count();
    case EditorCommand::EnterView: return ordinary;
    case EditorCommand::LeaveView: return !ordinary;
    }
    return false;
}

bool LayoutEditorModel::Execute(EditorCommand command) {
    if (!IsEnabled(command)) return false;
    switch (command) {
    case EditorCommand::ConfirmRange: return ConfirmRange();
    case EditorCommand::ClearRange: ClearRange(); return true;
    case EditorCommand::Copy: return Copy();
    case EditorCommand::Delete: return Delete();
    case EditorCommand::ClipboardWrite: return WriteClipboard();
    case EditorCommand::ClipboardRead: return PasteClipboard();
    case EditorCommand::ClipboardClear: return ClearClipboard();
    case EditorCommand::JoinPrefix: return JoinPrefix();
    case EditorCommand::CutPrefix: return CutPrefix();
    case EditorCommand::ExchangeNames: return ExchangeNames();
    case EditorCommand::Undo: return Undo();
    case EditorCommand::LevelDown: return LevelDown();
    case EditorCommand::LevelUp: return LevelUp();
    case EditorCommand::EnterView: return EnterView();
    case EditorCommand::LeaveView: return LeaveView();
    }
    return false;
}

// ---------------------------------------------------------------------------------------------
// Helpers

bool LayoutEditorModel::Confirmed(const std::string& question) {
    if (observer_) observer_->Refresh();
    const Answer answer = messages_.AskOkCancel(question, DefaultCaption());
    return answer == Answer::Ok || answer == Answer::Yes;
}

void LayoutEditorModel::Inform(const std::string& text) {
    messages_.Inform(text, DefaultCaption(), MessageIcon::Information);
}

void LayoutEditorModel::Changed(bool recompute) {
    if (recompute) Recompute();
    if (observer_) observer_->Refresh();
}

void LayoutEditorModel::ShowRowFirst(int row) {
    if (row < topRow_ || row >= topRow_ + visibleRows_) {
        topRow_ = std::max(0, row);
        cursorRow_ = std::max(0, row);
    }
}

void LayoutEditorModel::Record(StepKind kind, int row, int count, int column) {
    history_.Record(MakeStep(kind, row, count, doc_, GridRowOf(row), column));
}

void LayoutEditorModel::RecordStep(StepKind kind, int row, int count, int column) { Record(kind, row, count, column); }

void LayoutEditorModel::InsertRows(int at, const std::vector<TRspec>& rows) {
    at = std::clamp(at, 0, Count());
    doc_.items.insert(doc_.items.begin() + at, rows.begin(), rows.end());
}

TRspec LayoutEditorModel::NewRowAt(int row) const {
    TRspec r;
    if (row > 0 && row - 1 < Count()) {
        const TRspec& above = doc_.items[static_cast<std::size_t>(row - 1)];
        r.TYP = r.TYP2 = above.TYP;
        r.LVL = above.LVL;
    } else {
        r.TYP = r.TYP2 = kGroup;
        r.LVL = 1;
    }
    return r;
}

bool LayoutEditorModel::Recompute() {
    geometry_ = MeasureLayout(Shown());
    notice_ = geometry_.Ok() ? std::string() : GeometryFailureMessage(geometry_.failure);
    return geometry_.Ok();
}

void LayoutEditorModel::LayoutReplaced() {
    range_.Clear();
    transientMark_ = RowMark::None;
    Changed();
}

// ---------------------------------------------------------------------------------------------
// Range

void LayoutEditorModel::MousePressed() {
    transientMark_ = RowMark::None;
    range_.MousePressed();
}

bool LayoutEditorModel::BeginMarking(int row) {
    if (!Ordinary() || row < 0 || row >= Count()) return false;
    return range_.BeginMarking(row);
}

void LayoutEditorModel::MarkTo(int row) {
    if (!Ordinary() || row < 0) return;
    range_.MoveTo(std::min(row, Count() - 1));
}

bool LayoutEditorModel::ConfirmRange() { return Ordinary() && range_.Confirm(); }

void LayoutEditorModel::ClearRange() { range_.Clear(); }

}  // namespace rekkan
