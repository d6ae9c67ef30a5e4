#pragma once

#include <optional>
#include <string>

#include "records/browse/range_csv_controller.h"
#include "records/editor/record_editor_session.h"
#include "ui/browse_table/rec_table_window.h"

namespace rekkan::ui {

class TFm_Browse;
class TFm_RecEditor;
class TFm_RecSearch;

/// What the windows opened from the record editor's "Browse" share.
struct BrowseServices {
    Settings& settings;
    MessageSink& messages;
    EditorDialogs& dialogs;
    std::string programFolder;        ///< CP932
    TFm_Browse* viewer = nullptr;     ///< the text viewer the range CSV shows its output in
    TFm_RecSearch* search = nullptr;  ///< the search window, created once
};

/// Ties the record editor's "Browse" to the browse table: each press opens a new table over
/// the shown entry, modally, and moves the editor to the record the table closed on. The
/// search window is reset whenever the editor shows another layout or data file.
void ConnectBrowse(TFm_RecEditor& editor, const BrowseServices& services);

/// What the browse table is given from the record editor's shown entry; nothing when no data
/// file is open.
[[nodiscard]] std::optional<RecTableSetup> BrowseSetupOf(const RecordEditorSession& session,
                                                         const std::string& programFolder);

/// What the range CSV window is given from the browse table: its file, fields, base record
/// and number of data rows.
[[nodiscard]] RangeCsvController::Setup RangeCsvSetupOf(TFm_RecTable& table);
/// Print "1. レコード内容をＣＳＶ形式で出力する (&C)": the range CSV window over `table`, modally.
void RunRangeCsv(TFm_RecTable& table, const BrowseServices& services);

/// After the browse table closed with `recNo` (possibly empty): the record editor moves to
/// that record.
void TakeBrowseResult(RecordEditorSession& session, const QString& recNo);

}  // namespace rekkan::ui
