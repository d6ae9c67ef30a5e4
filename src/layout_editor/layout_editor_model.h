#pragma once

#include <optional>
#include <string>

#include "layout_editor/clipboard.h"
#include "layout_editor/range_state.h"
#include "layout_editor/row_cells.h"
#include "layout_editor/type_list.h"
#include "layout_editor/undo_history.h"
#include "model/editor_hooks.h"
#include "model/geometry.h"
#include "model/layout_document.h"
#include "model/redefinition_view.h"
#include "model/settings.h"
#include "util/messages.h"

namespace rekkan {

/// Edit mode of the layout editor.
enum class EditMode { Ordinary = 0, Redefinition = 1 };

/// The settings the editing operations follow.
struct EditorOptions {
    int cellEdit = 1;  ///< Cmb_CellEdit: 0 cells edited in place (each changed field is an undo step)
    LangPriority priority = LangPriority::Cobol;
    int indentWidth = 3;         ///< blanks per level in the name cell
    int viewFormat = 5;          ///< Cmb_RedPlotType
    int tagLength = 5;           ///< Cmb_RedTagLen
    bool typeNameInput = false;  ///< Cmb_InpTyp 1: a name cell may end in " *LABEL" to set the type

    [[nodiscard]] static EditorOptions FromSettings(const Settings& settings);
};

/// Commands the window's buttons and menus run.
enum class EditorCommand {
    ConfirmRange,    ///< "確定"
    ClearRange,      ///< "解除"
    Copy,            ///< "複写"
    Delete,          ///< "削除"
    ClipboardWrite,  ///< "1 書き込む"
    ClipboardRead,   ///< "2. 取り込む"
    ClipboardClear,  ///< "3. クリアーする"
    JoinPrefix,      ///< "3. Ｐｒｅｆｉｘ を結合する (&C)"
    CutPrefix,       ///< "4. Ｐｒｅｆｉｘ を削除する (&D)"
    ExchangeNames,   ///< "5. 項目名と変数名を入れ替える(&X)"
    Undo,            ///< "元に戻す"
    LevelDown,       ///< "<"
    LevelUp,         ///< ">"
    EnterView,       ///< show the redefinition view
    LeaveView,       ///< back to the ordinary view
};

/// How a row is drawn apart from its own colours.
enum class RowMark {
    None,
    Marking,         ///< white on navy: range being marked
    Confirmed,       ///< white on blue: confirmed range
    DeleteQuestion,  ///< on red while the delete question is open
    CopyQuestion,    ///< on black while the range copy question is open
    Restored,        ///< white on black: rows given back by undo
};

/// Told when the grid should be redrawn from the model (before a question, after a change).
class LayoutEditorObserver {
public:
    virtual ~LayoutEditorObserver() = default;
    virtual void Refresh() {}
};

/// The layout editor without its window: the item table operations, the range, the clipboard
/// commands, the undo history and the redefinition view. Questions and messages go through
/// the message sink; the window only shows the state and forwards its events.
///
/// The editor shows either the layout or, in the redefinition view, a document built from it;
/// the layout itself is never changed by showing the view.
class LayoutEditorModel : public EditorHooks {
public:
    LayoutEditorModel(LayoutDocument& doc, MessageSink& messages, Clipboard& clipboard, EditorOptions options = {});

    void SetObserver(LayoutEditorObserver* observer) { observer_ = observer; }
    /// New settings (from the other definitions window); the type list follows the priority.
    void SetOptions(const EditorOptions& options);
    [[nodiscard]] const EditorOptions& Options() const { return options_; }
    /// Display labels of the types (from the type notation definitions).
    void SetTypeLabel(TypeLabelFn label);
    [[nodiscard]] const TypeLabelFn& TypeLabel() const { return typeLabel_; }

    // ---- State the window shows ----
    [[nodiscard]] EditMode Mode() const { return view_ ? EditMode::Redefinition : EditMode::Ordinary; }
    [[nodiscard]] int CursorRow() const { return cursorRow_; }
    [[nodiscard]] int CursorColumn() const { return cursorColumn_; }
    void SetCursor(int row, int column);
    /// First item row shown and the number of item rows that fit in the grid.
    [[nodiscard]] int TopRow() const { return topRow_; }
    [[nodiscard]] int VisibleRows() const { return visibleRows_; }
    void SetGridWindow(int topRow, int visibleRows);
    [[nodiscard]] const RangeState& Range() const { return range_; }
    [[nodiscard]] const UndoHistory& History() const { return history_; }
    [[nodiscard]] const TypeList& Types() const { return types_; }
    /// The redefinition view being shown, or null in the ordinary view.
    [[nodiscard]] const RedefinitionViewDocument* View() const { return view_ ? &*view_ : nullptr; }
    /// The mode text above the grid: the view's format in the redefinition view, else empty.
    [[nodiscard]] std::string ModeText() const { return view_ ? ViewModeText(viewFormat_) : std::string(); }
    /// The layout being edited.
    [[nodiscard]] const LayoutDocument& Document() const { return doc_; }
    /// The document the grid shows: the layout, or the view's document in the redefinition view.
    [[nodiscard]] const LayoutDocument& Shown() const { return view_ ? view_->doc : doc_; }
    /// Measures of the shown document, from the last `Recompute`.
    [[nodiscard]] const Geometry& ShownGeometry() const { return geometry_; }
    [[nodiscard]] RowMark MarkOf(int row) const;
    /// Notice of the last measuring that failed; empty after one that succeeded.
    [[nodiscard]] const std::string& Notice() const { return notice_; }
    /// The message line under the grid: what the last row commit has to say (empty mostly).
    [[nodiscard]] const std::string& MessageLine() const { return messageLine_; }
    [[nodiscard]] std::string UndoMenuText() const { return history_.MenuText(typeLabel_); }
    [[nodiscard]] std::string RangeMenuText() const { return range_.ConfirmMenuText(); }
    [[nodiscard]] bool Importing() const { return importing_; }
    /// Set while a layout file is read: cell commits, level buttons and the type list do
    /// nothing (the reload guard; an import sets it as well).
    void SetReading(bool on) { reading_ = on; }
    [[nodiscard]] bool Guarded() const { return reading_ || importing_; }
    /// Cells 3 to 10 of item row `row` (empty texts past the last item).
    [[nodiscard]] RowTexts CellsOf(int row) const;
    /// Column 1 of item row `row`.
    [[nodiscard]] std::string PositionOf(int row) const;
    /// Whether typing into cell (row, column) is taken: never in the redefinition view or in the
    /// fixed columns 0 to 2; the type column only through the type list; BYT and SYO only when
    /// the row's type lets the user enter them (rows past the last item take everything).
    [[nodiscard]] bool CellTakesInput(int row, int column) const;
    /// The menu item "Max.Lines[ 2,000 ]".
    [[nodiscard]] std::string MaxLinesText() const;
    /// Window title: "Morvane for Rekkan", with "  [ path ]" when the layout has a path.
    [[nodiscard]] std::string WindowTitle() const;
    /// Information bar: " N Line" and "Rec.Len : n Byte".
    [[nodiscard]] std::string LineCountText() const;
    [[nodiscard]] std::string RecordLengthText() const;
    /// Header of the type column: " 型 <COBOL 優先>" and so on.
    [[nodiscard]] std::string TypeColumnHeader() const;

    // ---- One entry for the buttons and menus ----
    [[nodiscard]] bool IsEnabled(EditorCommand command) const;
    /// Runs a command when it is enabled; true when the layout or the view changed.
    bool Execute(EditorCommand command);

    // ---- Range ----
    void MousePressed();
    /// Dragging starts on item row `row` (nothing when a range exists).
    bool BeginMarking(int row);
    /// The current cell moved to item row `row` while dragging.
    void MarkTo(int row);
    bool ConfirmRange();
    void ClearRange();

    // ---- Row operations (each records its undo step) ----
    bool Delete();
    bool Copy();
    /// Writes the rows of the range (or of the last range) to the clipboard.
    bool WriteClipboard();
    /// Inserts the rows on the clipboard at the cursor row.
    bool PasteClipboard();
    bool ClearClipboard();
    /// The clipboard holds layout rows: its first 11 characters, trimmed, are "kvel#32.lay".
    [[nodiscard]] bool ClipboardHoldsLayout() const;

    // ---- Name operations (no undo step) ----
    bool JoinPrefix();
    bool CutPrefix();
    bool ExchangeNames();

    // ---- Cell editing ----
    /// Commits grid row `row` (an item row, or a row past the last item which then appends).
    /// With type-name input on, a name cell ending in " *LABEL" also sets the type.
    bool CommitRow(int row, const RowTexts& cells);
    /// The "<" and ">" buttons on the cursor row.
    bool LevelDown();
    bool LevelUp();
    /// Picks entry `listIndex` of the type list for the cursor row (a separator does nothing).
    bool ChooseType(int listIndex);
    /// The cell editor stored a changed text into a cell of item row `row`: records the step.
    void CellEditorStored(int row, int column);
    /// A key that changes a cell edited in place, or a header field, was typed: the layout counts
    /// as modified at once (never in the redefinition view or while a file is read).
    void MarkModified();

    /// The language priority changed: the type list is rebuilt in the new order and the user
    /// told so.
    void ChangePriority(LangPriority priority);
    /// Closing the window: leaves the redefinition view (telling the user when the layout is
    /// modified), then asks whether to save a modified layout. Yes: save (save-as form) and
    /// close; No: close; Cancel: keep the window open.
    [[nodiscard]] Answer AskBeforeClose();

    // ---- Undo ----
    bool Undo();
    /// Records a step for other tools (editing as text records kind 6 over the whole table).
    void RecordStep(StepKind kind, int row, int count, int column = 0);
    void ClearHistory() { history_.Clear(); }

    // ---- Redefinition view ----
    bool EnterView();
    /// Leaves the view (no message).
    bool LeaveView();
    /// Before reading another layout or closing: leaves the view, telling the user first when
    /// the layout is modified.
    bool LeaveViewForReload();
    /// Builds the view again after its settings changed.
    bool RebuildView();

    /// Measures the shown document; false (and a notice) on failure.
    bool Recompute();

    // ---- Import hooks ----
    void SetImporting(bool on) override { importing_ = on; }
    void LeaveRedefinitionView() override { LeaveView(); }
    void ResetUndoHistory() override { ClearHistory(); }
    void LayoutReplaced() override;

private:
    [[nodiscard]] bool Ordinary() const { return Mode() == EditMode::Ordinary; }
    [[nodiscard]] int Count() const { return Shown().Count(); }
    [[nodiscard]] int GridRowOf(int row) const { return row - topRow_ + 1; }
    [[nodiscard]] bool Confirmed(const std::string& question);
    void Inform(const std::string& text);
    void Changed(bool recompute = true);
    void ShowRowFirst(int row);
    void Record(StepKind kind, int row, int count, int column = 0);
    void InsertRows(int at, const std::vector<TRspec>& rows);
    [[nodiscard]] TRspec NewRowAt(int row) const;
    bool ChangeLevel(int delta);
    bool RewriteVarNames(bool join);

    LayoutDocument& doc_;
    Geometry geometry_;
    MessageSink& messages_;
    Clipboard& clipboard_;
    EditorOptions options_;
    TypeLabelFn typeLabel_;
    TypeList types_;
    LayoutEditorObserver* observer_ = nullptr;

    RangeState range_;
    UndoHistory history_;
    std::optional<RedefinitionViewDocument> view_;
    int viewFormat_ = 0;  ///< format the view was built in
    int cursorRow_ = 0;
    int cursorColumn_ = 3;
    int topRow_ = 0;
    int visibleRows_ = 20;
    int savedCursorRow_ = 0;
    int savedTopRow_ = 0;
    RowMark transientMark_ = RowMark::None;
    int transientFirst_ = 0;
    int transientLast_ = -1;
    std::string notice_;
    std::string messageLine_;
    bool importing_ = false;
    bool reading_ = false;
};

}  // namespace rekkan
