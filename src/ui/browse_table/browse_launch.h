#pragma once

#include <optional>
#include <string>

#include "records/editor/record_editor_session.h"
#include "ui/browse_table/rec_table_window.h"

namespace rekkan::ui {

class TFm_Browse;
class TFm_RecEditor;

/// What the windows opened from the record editor's "Browse" share.
struct BrowseServices {
    Settings& settings;
    MessageSink& messages;
    EditorDialogs& dialogs;
    std::string programFolder;     ///< CP932
    TFm_Browse* viewer = nullptr;  ///< the text viewer the range CSV shows its output in
};

/// Ties the record editor's "Browse" to the browse table: each press opens a new table over
/// the shown entry, modally, and moves the editor to the record the table closed on.
void ConnectBrowse(TFm_RecEditor& editor, const BrowseServices& services);

/// What the browse table is given from the record editor's shown entry; nothing when no data
/// file is open.
[[nodiscard]] std::optional<RecTableSetup> BrowseSetupOf(const RecordEditorSession& session,
                                                         const std::string& programFolder);

/// After the browse table closed with `recNo` (possibly empty): the record editor moves to
/// that record.
void TakeBrowseResult(RecordEditorSession& session, const QString& recNo);

}  // namespace rekkan::ui
