#pragma once

// The record editor without its window: the layout group, the shown entry with its data file,
// the field list and the record on screen, and every command of the record editor window.
//
// Usage (the window):
//   RecordEditorSession session(settings, doc, messages, dialogs, &notation);
//   session.SetObserver(&observerOfTheWindow);     // told what changed, see editor_observer.h
//   session.TakeArgument(path);                    // command-line argument, 200 ms after showing
//   session.ShowEntry(treeIndex);                  // tree selection changed
//   rows: RowCount(), Row(i) (eight cells), Field(i) (flags); status: Info(), Warning(),
//   CommentPanel(); message line: LastOutcome(); controls: Enabling(); captions: Captions().
//   Commands: First() ... Delete(), CommitCell(row, text), OpenGroupCommand(), DropFile(path),
//   QueryClose() ... Questions go to the MessageSink, file dialogs to EditorDialogs.
// Every text is CP932; text from the window comes as EnteredText (CP932 plus a lossless flag).
//
// Insert and delete rebuild the whole file. Insert() and Delete() do it on the calling thread,
// reporting progress through EditorObserver::RebuildProgress (the window may process its events
// there and return false to cancel). A window that wants the copy off its thread calls
// BeginInsert() / BeginDelete() on its thread, RunRebuild() on a worker thread (it touches only
// the data file; call nothing else on the session meanwhile) and FinishRebuild() back on its
// thread. A cancelled or failed rebuild leaves the data file as it was.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/layout_document.h"
#include "model/settings.h"
#include "model/type_notation.h"
#include "records/editor/cell_undo.h"
#include "records/editor/editor_dialogs.h"
#include "records/editor/editor_enabling.h"
#include "records/editor/editor_observer.h"
#include "records/editor/editor_outcome.h"
#include "records/editor/editor_texts.h"
#include "records/editor/entered_text.h"
#include "records/editor/info_captions.h"
#include "records/editor/number_box.h"
#include "records/field_entry.h"
#include "records/file_engine.h"
#include "records/layout_group.h"
#include "records/record_fields.h"
#include "records/shown_record.h"
#include "util/messages.h"

namespace rekkan {

/// Captions of one top-level tree node and its two children.
struct TreeCaptions {
    std::string entry;   ///< " 1. comment ..."
    std::string layout;  ///< "Layout = path"
    std::string edit;    ///< "Edit   = path"
};

/// Where the grid stood (saved when another entry is shown, put back on return).
struct GridPlace {
    int topRow = 0;  ///< 0-based field entry index of the first visible row
    int row = 0;     ///< 0-based field entry index of the selected row
};

/// Progress callback of a rebuild: `done` of `total` bytes; false cancels.
using RebuildProgressFn = std::function<bool(std::int64_t done, std::int64_t total)>;

/// The record editor session. See the comment at the top of this file.
class RecordEditorSession {
public:
    RecordEditorSession(Settings& settings, LayoutDocument& doc, MessageSink& messages, EditorDialogs& dialogs,
                        const TypeNotation* notation = nullptr);
    ~RecordEditorSession();
    RecordEditorSession(const RecordEditorSession&) = delete;
    RecordEditorSession& operator=(const RecordEditorSession&) = delete;

    /// The window to tell about changes (none: nobody is told).
    void SetObserver(EditorObserver* observer) { observer_ = observer; }

    // ---- The group (tree) ----------------------------------------------------------------
    [[nodiscard]] const LayoutGroup& Group() const { return group_; }
    [[nodiscard]] int EntryCount() const { return group_.Count(); }
    /// Captions of entry `index`.
    [[nodiscard]] TreeCaptions Captions(int index) const;
    /// Text of the label above the tree: "Path=" or the group file path.
    [[nodiscard]] std::string GroupPathLabel() const { return group_.PathLabel(); }
    [[nodiscard]] bool GroupModified() const { return group_.Modified(); }

    /// Open a group: the save question when modified, the open dialog, then loads it. False
    /// when cancelled or the file is not a layout group (the current group stays).
    [[nodiscard]] bool OpenGroupCommand();
    /// Loads the group file at `cp932Path` and shows its first entry (no question, no dialog).
    [[nodiscard]] bool LoadGroupFile(const std::string& cp932Path);
    /// Saves under the current path ("2. 上書き保存する"); without one, asks for a name.
    [[nodiscard]] bool SaveGroupCommand();
    /// Saves under a name chosen in the save dialog ("3. 名前を付けて保存する").
    [[nodiscard]] bool SaveGroupAsCommand();
    /// "ﾚｲｱｳﾄ追加": the multi-selection dialog, each file added, the last one shown.
    [[nodiscard]] bool AddLayoutsCommand();
    /// Adds layout files as the add dialog does (taken from the last to the first), shows the
    /// last one added and marks the group modified.
    [[nodiscard]] bool AddLayouts(const std::vector<EnteredText>& cp932Paths);
    /// Removes entry `index` after the question; shows the entry now at its place (or the last).
    [[nodiscard]] bool RemoveEntryCommand(int index);
    /// Moves entry `from` in front of entry `target` (a drop in the tree); not marked modified.
    void MoveEntry(int from, int target);

    /// The command-line argument: a group is loaded, a layout added; a data file is ignored;
    /// nothing is reported. Relative paths are made absolute.
    void TakeArgument(const EnteredText& path);
    /// A file dropped on the window: classified from its first 1000 bytes, then loaded as a
    /// group, added as a layout or set as the edit file (after the question), with the reports.
    void DropFile(const EnteredText& path);

    /// Closing the window: the Yes/No/Cancel question when the group is modified. True when the
    /// window may close (No, or Yes and the save succeeded); a cancelled or failed save keeps it
    /// open. The files are closed when it may.
    [[nodiscard]] bool QueryClose();

    // ---- The shown entry -----------------------------------------------------------------
    /// Shows entry `index` (-1: none). Leaving an entry saves its view and file state; coming
    /// back restores them (the record buffer only when it holds unwritten edits).
    void ShowEntry(int index);
    /// Index of the shown entry, or -1.
    [[nodiscard]] int ShownIndex() const { return group_.Shown(); }
    /// The shown entry, or null.
    [[nodiscard]] const TLayoutListObj* ShownEntry() const;
    /// The shown entry's layout could not be read (a layout that was read but cannot be laid
    /// out is not missing: its geometry failure is the message line, and no warning shows).
    [[nodiscard]] bool LayoutMissing() const;
    /// The shown layout was not read whole (cut at the editable line count, or integer sizes
    /// stored other than the settings make them): changes of the data file are refused.
    [[nodiscard]] bool LayoutPartial() const { return layoutPartial_; }
    /// The window tells where its grid stands before another entry is shown.
    void NoteGridPlace(GridPlace place) { gridPlace_ = place; }
    /// Where the grid is to stand after ShowEntry (the saved place of a returning entry, else 0/0).
    [[nodiscard]] GridPlace RestoredGridPlace() const { return restoredPlace_; }
    /// The layout editor stored the layout at `cp932Path`: when it is the shown entry's layout,
    /// its comment and captions follow, its file is closed and the entry is shown again.
    void LayoutStored(const std::string& cp932Path);
    /// The browse table's fixed item of the shown entry (0 none, n field entry n); group modified.
    void SetBrowseFixedItem(int item);
    /// The settings changed (settings window): codec options, captions and the fields again.
    void SettingsChanged();

    // ---- Rows of the field grid ----------------------------------------------------------
    [[nodiscard]] int RowCount() const { return static_cast<int>(fields_.size()); }
    /// Field entry of row `row` (0-based; grid row row + 1).
    [[nodiscard]] const TRdbObj& Field(int row) const { return fields_.at(static_cast<std::size_t>(row)); }
    [[nodiscard]] const std::vector<TRdbObj>& Fields() const { return fields_; }
    /// The eight cells of row `row` as shown (content: the cell text, edited or decoded).
    [[nodiscard]] RecordGridRow Row(int row) const;
    /// Cell text of column 7.
    [[nodiscard]] const std::string& CellText(int row) const { return cells_.at(static_cast<std::size_t>(row)); }
    /// The error flag of row `row` after the last decoding.
    [[nodiscard]] bool RowError(int row) const { return errors_.at(static_cast<std::size_t>(row)); }
    /// Some field reaches beyond the end of the file at the current record.
    [[nodiscard]] bool AnyPastEnd() const { return anyPastEnd_; }
    /// State of the "HEX" heading toggle.
    [[nodiscard]] bool AllHex() const;
    /// The record as the outputs take it (information and every row).
    [[nodiscard]] RecordView View() const;

    // ---- Status, warning, message line, enabling -----------------------------------------
    /// Status boxes (Rec.No empty without records); all empty when no layout is shown or it is missing.
    [[nodiscard]] RecordInfo Info() const;
    /// The one warning of the priority list (red), or empty.
    [[nodiscard]] std::string Warning() const;
    /// The edit file path shown under the status boxes.
    [[nodiscard]] std::string EditFilePath() const;
    /// Comment panel: a blank and the layout comment.
    [[nodiscard]] std::string CommentPanel() const;
    /// The comment panel is red (the layout is missing).
    [[nodiscard]] bool CommentIsRed() const { return LayoutMissing(); }
    [[nodiscard]] const Outcome& LastOutcome() const { return outcome_; }
    [[nodiscard]] EditorEnabling Enabling() const;
    /// The information captions in the form of the "RecEtcFmt" setting.
    [[nodiscard]] InfoCaptions Captions() const;
    /// Menu "2. 動作情報表示をコンパクトにする(&C)": switches the compact form.
    void ToggleCompactInfo();
    /// Text for the "Rec.No" box after a command ("" without records).
    [[nodiscard]] std::string RecNoBoxText() const;
    /// Text for the "読込基底位置" box.
    [[nodiscard]] std::string BasePositionBoxText() const;

    // ---- Navigation and base position ----------------------------------------------------
    bool First();
    bool Last();
    bool Prior();
    bool Next();
    /// "Get :Rec.No" or Enter in the box: reads the record the box digits name (0 or none: 1).
    bool GoToRecNo(std::string_view boxText);
    /// Enter in the base position box (BaseStep::None) or one of its buttons.
    bool ChangeBasePosition(std::string_view boxText, BaseStep step);

    // ---- Cells -----------------------------------------------------------------------------
    /// One-line mode commit of row `row`: when the text differs from the text last decoded it
    /// is encoded into the record buffer and decoded again. Group rows and refused text
    /// (not lossless: red message) change nothing. True when the record buffer changed.
    bool CommitCell(int row, const EnteredText& text);
    /// Multi-line mode: the memo editor closed over row `row` with `text` (line breaks are
    /// removed). When it changed, an undo entry is recorded and the cell holds the text as a
    /// pending edit (encoded at the next CommitPendingEdits). `topRow` is the grid's top row.
    bool MemoEdit(int row, const EnteredText& text, int topRow = 0);
    /// Encodes every pending cell edit into the record buffer (the grid lost the focus).
    void CommitPendingEdits();
    /// The cursor went to another row (resets the Enter counter).
    void RowSelected(int row);
    /// Enter in the content column of row `row`: the row the cursor goes to (the second Enter
    /// moves up or down by the "カーソル移動" setting; MoveCursor is told too).
    int EnterPressed(int row);
    /// Click on the "HEX" heading.
    void ToggleAllHex();
    /// Click on the "HEX" cell of row `row` (a fixed row stays in hex).
    void ToggleRowHex(int row);
    /// Undo list caption and state.
    [[nodiscard]] std::string UndoCaption() const { return undo_.Caption(); }
    [[nodiscard]] bool CanUndo() const { return !undo_.Empty(); }
    /// Puts back the newest undo entry's cell text; false when there is none. The cursor moves
    /// there (MoveCursor) and that row is the "undone" row drawn white on black.
    bool Undo();
    /// The row restored by the last undo, or -1.
    [[nodiscard]] int UndoneRow() const { return undoneRow_; }

    // ---- Record commands -----------------------------------------------------------------
    bool Update();
    bool Insert();
    bool Append();
    bool Delete();
    /// First step of an insert or delete (question, checks, "処理中" line); false when refused.
    [[nodiscard]] bool BeginInsert();
    [[nodiscard]] bool BeginDelete();
    /// The rebuild itself; any thread. False when it failed or was cancelled.
    [[nodiscard]] bool RunRebuild(const RebuildProgressFn& progress);
    /// Last step, on the window's thread: messages, outcome line, fields, status, enabling.
    void FinishRebuild(bool ok);
    /// Between BeginInsert/BeginDelete and FinishRebuild: every command that would touch the
    /// data file, the shown entry or the group does nothing (and returns false); the status
    /// values are those from before the rebuild.
    [[nodiscard]] bool Rebuilding() const;

    // ---- Edit file commands --------------------------------------------------------------
    /// "編集するﾌｧｲﾙ": the open dialog, then SetEditFile.
    bool ChooseEditFileCommand();
    /// Makes `path` the shown entry's edit file (fresh file states, group modified, shown again).
    bool SetEditFile(const EnteredText& path);
    /// "Clr": the question, then the edit file is cleared.
    bool ClearEditFileCommand();
    /// "Open": opens the edit file again and reads the first record.
    bool OpenEditFile();
    /// "Close": closes the edit file.
    void CloseEditFile();
    /// Menu "3. 編集ファイルを初期化する (&I)": save dialog, question, empty file.
    bool InitialiseEditFileCommand();

    /// The shown entry's working file state (null when none): read by the browse table.
    [[nodiscard]] const TFileInf* ShownFile() const;
    /// The codec options in force.
    [[nodiscard]] const CodecOptions& Codec() const { return codec_; }

private:
    struct Impl;

    void Notify(void (EditorObserver::*what)());
    void Notify(void (EditorObserver::*what)(int), int row);
    void SetOutcome(std::string text, OutcomeKind kind);
    void ClearOutcome();
    void ShowEntryNow(int index, bool saveLeaving);
    void LeaveShownEntry();
    void LoadShownLayout(TLayoutListObj& entry);
    void OpenShownFile(TLayoutListObj& entry);
    void DecodeAll();
    void DecodeRow(std::size_t i);
    void AfterRead();
    void ClearFields();
    bool ReadAt(std::int64_t index);
    bool RefuseChange();
    void BeginRebuild(RecordCommand command);
    [[nodiscard]] std::int64_t PositionBase() const;
    bool EnsureLossless(const EnteredText& text);
    bool AskSaveModified(bool withCancel);
    bool SaveGroupTo(bool askName);
    void ShowAfterGroupChange(int index);
    TFileInf* File();
    const TFileInf* File() const;
    TLayoutListObj* Entry();
    std::string DefaultDataExtension() const;

    Settings& settings_;
    LayoutDocument& doc_;
    MessageSink& messages_;
    EditorDialogs& dialogs_;
    const TypeNotation* notation_;
    EditorObserver* observer_ = nullptr;
    CodecOptions codec_;
    LayoutGroup group_;

    std::vector<TRdbObj> fields_;
    std::vector<std::string> cells_;    ///< column 7 as shown
    std::vector<std::string> decoded_;  ///< column 7 as last decoded
    std::vector<bool> errors_;          ///< error flag per row after the last decoding
    std::string recNoBox_;
    bool layoutLoaded_ = false;
    bool layoutPartial_ = false;
    bool geometryFailed_ = false;  ///< the layout was read but its record cannot be laid out
    bool anyPastEnd_ = false;
    int recordLength_ = 0;
    Outcome outcome_;
    CellUndoList undo_;
    int undoneRow_ = -1;
    int enterRow_ = -1;
    int enterCount_ = 0;
    GridPlace gridPlace_;
    GridPlace restoredPlace_;
    std::unique_ptr<Impl> impl_;
};

}  // namespace rekkan
