#include "ui/rec_editor/rec_editor_outputs.h"

#include <QAction>
#include <QHeaderView>

#include <algorithm>

#include "records/print_headings.h"
#include "ui/print/table_printer.h"
#include "ui/rec_editor/field_grid_view.h"
#include "ui/rec_editor/grid_geometry.h"
#include "ui/rec_editor/rec_editor_window.h"
#include "ui/text_viewer/browse_window.h"

namespace rekkan::ui {

RecEditorOutputs::RecEditorOutputs(TFm_RecEditor& editor, TFm_Browse& viewer, Settings& settings, MessageSink& messages,
                                   EditorDialogs& dialogs, std::string programFolder)
    : QObject(&editor),
      editor_(editor),
      viewer_(viewer),
      settings_(settings),
      commands_(editor.Session(), messages, dialogs, std::move(programFolder)) {
    const QList<QAction*> actions = editor.OutputActions();
    connect(actions.at(0), &QAction::triggered, this, &RecEditorOutputs::Print);
    connect(actions.at(1), &QAction::triggered, this, [this] { Write(RecordOutputKind::List); });
    connect(actions.at(2), &QAction::triggered, this, [this] { Write(RecordOutputKind::Csv); });
    connect(actions.at(3), &QAction::triggered, this, [this] { Write(RecordOutputKind::Tofgen); });
}

void RecEditorOutputs::Print() {
    editor_.CommitPendingEdit();
    if (!commands_.MayPrint()) return;
    PrintWithPreview(TableToPrint(), settings_.printPreviewLines, kSharedPrintPrefix, &editor_);
}

void RecEditorOutputs::Write(RecordOutputKind kind) {
    editor_.CommitPendingEdit();
    if (commands_.Write(kind) != OutputRun::Written) return;
    (void)viewer_.ShowFile(nullptr, RecordOutputCommands::ViewerCaption(), true, commands_.WrittenPath());
    viewer_.show();
    viewer_.raise();
    viewer_.activateWindow();
}

PrintTable RecEditorOutputs::TableToPrint() const {
    const FieldGridView& grid = editor_.Grid();
    const RecordView view = editor_.Session().View();
    const int letter = grid.fontMetrics().horizontalAdvance(QLatin1Char('A'));
    PrintTable table;
    table.fontSize = grid.font().pointSize();
    table.defaultRowHeight = grid.verticalHeader()->defaultSectionSize();
    table.fixedRows = 1;
    table.fixedColumns = 1;
    table.rowLimit = kRecordPrintRowLimit;
    table.headings = PrintTitleLines(view.info);
    for (int c = 0; c < kFieldColumnCount; ++c) {
        const bool wider = c == kColSeq || c == kColError || c == kColHex;
        table.columnWidths.push_back(grid.horizontalHeader()->sectionSize(c) + (wider ? letter : 0));
    }
    const std::array<std::string, 8> headings = PrintHeadings();
    table.cells.emplace_back(headings.begin(), headings.end());
    std::size_t longest = headings[kColContent].size();
    for (const RecordGridRow& row : view.rows) {
        table.cells.emplace_back(row.cells.begin(), row.cells.end());
        longest = std::max(longest, row.cells[kColContent].size());
    }
    // The content column stretches over the window's free width; on paper it takes no more
    // than its longest text needs, so that it does not get a page of its own.
    int& content = table.columnWidths[kColContent];
    content = std::min(content, static_cast<int>(longest + 2) * letter);
    return table;
}

}  // namespace rekkan::ui
