#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "lang/import_pipeline.h"
#include "lang/lang_output.h"
#include "layout_editor/layout_editor_model.h"
#include "layout_editor/layout_editor_shell.h"
#include "layout_editor/layout_print_rows.h"
#include "layout_editor/record_editor_link.h"
#include "model/editor_hooks.h"
#include "model/key_items.h"
#include "model/layout_document.h"
#include "model/settings.h"
#include "model/type_notation.h"
#include "util/messages.h"

namespace rekkan {

/// What the layout editor window hands over at shutdown to be stored in the settings.
struct LayoutEditorWindowState {
    WindowPlace place;                       ///< FPS_kvel
    std::array<int, kGridColumns> widths{};  ///< EGW_SEQ ... EGW_BKO: the grid's column widths
};

/// The layout editor without its window ("Morvane"): owns the one layout document the record
/// editor shares, the editing model (with the geometry), the type notation, the key items and
/// the structure import pipeline, and runs the window-level commands end to end with their
/// questions and messages.
///
/// Usage: construct with the shared settings record, the program's folder, the message sink,
/// the clipboard and the window (`LayoutEditorShell`); call `Start` once; connect the record
/// editor with `SetRecordEditor`; the window then calls `Open`, `Save`, `Initialise`, `Close`,
/// `Drop` and the model's operations (`Model()`), and `Shutdown` when the program ends.
class LayoutEditorController : private EditorHooks {
public:
    LayoutEditorController(Settings& settings, std::filesystem::path programFolder, MessageSink& messages,
                           Clipboard& clipboard, LayoutEditorShell& shell);
    LayoutEditorController(const LayoutEditorController&) = delete;
    LayoutEditorController& operator=(const LayoutEditorController&) = delete;

    /// Start-up of the window: settings set to their defaults and read from kvelOpt2.Dat (the
    /// column widths in widths of the letter "A" of the grid's font), the type notation file
    /// read, the sample layout set up, the work file of editing as text named after the start
    /// time (six digits HHMMSS).
    void Start(int letterAWidth, const std::string& startTimeHhmmss);
    /// The record editor to hand over to (may be null).
    void SetRecordEditor(RecordEditorLink* link) { recordEditor_ = link; }

    // ---- What the windows share ----
    /// The one layout document (the record editor loads its layouts into it as well).
    [[nodiscard]] LayoutDocument& Document() { return doc_; }
    [[nodiscard]] const LayoutDocument& Document() const { return doc_; }
    [[nodiscard]] LayoutEditorModel& Model() { return model_; }
    [[nodiscard]] const LayoutEditorModel& Model() const { return model_; }
    [[nodiscard]] TypeNotation& Types() { return types_; }
    [[nodiscard]] KeyItems& Keys() { return keys_; }
    [[nodiscard]] ImportPipeline& Import() { return import_; }
    [[nodiscard]] Settings& SharedSettings() { return settings_; }
    /// The program's folder as CP932 text (no separator at the end).
    [[nodiscard]] const std::string& ProgramFolderText() const { return folder_; }
    /// The file an output proposes (language, text/CSV listing): the layout's path with the
    /// output's extension, else its fallback name in the program's folder.
    [[nodiscard]] std::string ProposedOutputPath(const OutputNaming& naming) const;
    /// The work file of editing the layout as text ("KvelWk" + HHMMSS + "." + extension in force;
    /// a suffix "_2", "_3" ... when another program started in the same second holds the name).
    [[nodiscard]] const std::string& WorkFilePath() const { return workFile_; }

    // ---- Editing as text ----
    /// The layout as the COBOL text of the text editor (CP932, CR LF).
    [[nodiscard]] std::string EditorText();
    /// Writes `text` to the work file, which is created exclusively on first use. False when
    /// it could not be written.
    [[nodiscard]] bool WriteWorkFile(const std::string& text);
    /// Reads the work file back into the layout (the COBOL import in editor mode).
    bool ImportWorkFile();
    /// Records one undo step over the whole table (before the text replaces it).
    void RecordWholeLayoutStep();
    /// Puts `doc` back as the layout (rows, comment, prefix, keys, flags) and redraws.
    void ReplaceDocument(LayoutDocument doc);

    // ---- Commands ----
    /// "レイアウトを開く": leaves the redefinition view, offers to save a modified layout (going on
    /// only when that save succeeded), asks for the file and reads it. True when a layout was read.
    bool Open();
    /// The open command for a path already chosen (a dropped layout file).
    bool OpenPath(const std::string& cp932Path);
    /// "上書き保存する" (`saveAs` false) or "名前を付けて保存する": disabled in the redefinition view.
    /// True when the file was written.
    bool Save(bool saveAs);
    /// Before an import replaces the rows: a modified layout is offered for saving (the open
    /// command's question). True when the import may go on (not modified, No, or saved).
    bool SaveBeforeReplacing() { return SaveFirstIfWanted(); }
    /// "レイアウトを初期化する": asks, then the sample layout with range and undo history cleared.
    bool Initialise();
    /// Closing the window: true when it may close (then the tool windows are hidden and the
    /// record editor told); false when the user cancelled or the save failed.
    bool Close();
    /// Files dropped on the window: the first is judged from its first 1000 bytes; a layout is
    /// opened, a COBOL, C or VB source imported, anything else (a folder too) refused.
    bool Drop(const std::vector<std::string>& cp932Paths);
    /// "ﾚｲｱｳﾄの編集" of the record editor: loads the shown entry's layout into the document (an
    /// entry without a layout file: the document as the record editor left it), forgetting the
    /// undo steps and range of the table shown before. False when the layout could not be read.
    bool EditShownEntryLayout();

    /// Leaving the "Layout" or "Prefix " field: both texts, trimmed and cut to 255 bytes
    /// (never inside a character), become the layout comment and prefix; modified when they
    /// differ. Nothing in the redefinition view, where the fields are disabled.
    void StoreHeaderFields(const std::string& comment, const std::string& prefix);
    /// "ウィンドウを初期サイズにする": true when the user agreed (OK) to put every window back.
    [[nodiscard]] bool AskResetWindowSizes();

    // ---- Other windows' changes ----
    /// The key item editor changed the key items: they become the layout's key lines.
    void StoreKeys();
    /// The memo window's text becomes the layout's memo; modified when it differs.
    void StoreMemo(std::vector<std::string> lines);
    /// The type notation editor changed the labels: the grid and the type list follow.
    void TypesChanged();
    /// The other definitions window stored new settings: the editor follows them (a new
    /// language priority is announced, a shown redefinition view is built again).
    void SettingsChanged();

    // ---- State the window shows ----
    /// The "保存" button (see save_button_rule.h).
    [[nodiscard]] bool SaveEnabled() const;
    /// Measures of the shown document, measured now (never those of an earlier edit).
    [[nodiscard]] const Geometry& MeasuredGeometry();
    /// Measures the shown document after a change and keeps the resident message window in
    /// step: a layout that can no longer be laid out (record too long) shows why, once; one that
    /// can again closes the window.
    void FollowGeometry();
    /// Record length of the shown document, measured now.
    [[nodiscard]] int RecordLength() { return MeasuredGeometry().recordLength; }
    /// "編集内容を 言語形式 で出力する": the shown document as C, VB or COBOL source, measured now,
    /// with the key marks of the key items (CP932, CR LF).
    [[nodiscard]] std::string LanguageText(OutputLanguage language);
    /// What "編集内容を印刷する" hands to the print preview (the view's rows in the view).
    [[nodiscard]] LayoutPrintGrid PrintGrid();

    /// The grid's column widths as the settings hold them (EGW_SEQ ... EGW_BKO), for the window
    /// at start.
    [[nodiscard]] std::array<int, kGridColumns> GridColumnWidths() const;

    /// Program end: the window's place and column widths into the settings, kvelOpt2.Dat and
    /// kvelType.def written, the temporary files deleted. False (after a message) when a file
    /// could not be written.
    bool Shutdown(const LayoutEditorWindowState& window);

private:
    // The import pipeline tells the controller, which passes it on to the model.
    void SetImporting(bool on) override { model_.SetImporting(on); }
    void LeaveRedefinitionView() override { model_.LeaveView(); }
    void ResetUndoHistory() override { model_.ClearHistory(); }
    void LayoutReplaced() override;

    void ApplySettings(bool tell);
    bool SaveFirstIfWanted();
    bool ReadLayout(const std::string& cp932Path, bool legacyNotice);
    void ReloadKeys();
    void ShowTop();
    [[nodiscard]] std::string FolderFile(const std::string& name) const;
    /// The settings' width keys of the grid columns, in column order.
    [[nodiscard]] std::array<int*, kGridColumns> WidthKeys() const;

    Settings& settings_;
    std::string folder_;
    MessageSink& messages_;
    LayoutEditorShell& shell_;
    RecordEditorLink* recordEditor_ = nullptr;
    LayoutDocument doc_;
    TypeNotation types_;
    KeyItems keys_;
    LayoutEditorModel model_;
    ImportPipeline import_;
    std::string workFileStem_;            ///< the work file's path without "." and extension
    std::string workFile_;                ///< the work file under the extension in force
    bool workFileClaimed_ = false;        ///< workFile_ was created by this program
    std::vector<std::string> workFiles_;  ///< every work file this program created, deleted at the end
    std::string geometryNotice_;          ///< the failure of the laying out last shown, empty when none
};

}  // namespace rekkan
