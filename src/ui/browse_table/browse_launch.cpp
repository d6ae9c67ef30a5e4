#include "ui/browse_table/browse_launch.h"

#include "ui/app/qt_text.h"
#include "ui/range_csv/rec_csv_window.h"
#include "ui/rec_editor/rec_editor_window.h"
#include "ui/search/rec_search_window.h"
#include "util/path_names.h"

namespace rekkan::ui {

std::optional<RecTableSetup> BrowseSetupOf(const RecordEditorSession& session, const std::string& programFolder) {
    const TLayoutListObj* entry = session.ShownEntry();
    const TFileInf* file = session.ShownFile();
    if (!entry || !file || !file->IsOpen()) return std::nullopt;
    RecTableSetup setup;
    setup.source.dataPath = entry->editFilePath;
    setup.source.basePosition = entry->basePosition;
    setup.source.recordLength = file->RecordLength();
    setup.source.currentIndex = file->CurrentIndex();
    setup.source.fileName = FileNameOf(entry->editFilePath);
    setup.source.fixedItem = entry->browseFixedItem;
    setup.fields = &session.Fields();
    setup.codec = session.Codec();
    setup.warning = session.Warning();
    setup.programFolder = programFolder;
    return setup;
}

RangeCsvController::Setup RangeCsvSetupOf(TFm_RecTable& table) {
    const RecTableSetup& from = table.Setup();
    RangeCsvController::Setup setup;
    setup.dataPath = from.source.dataPath;
    setup.basePosition = from.source.basePosition;
    setup.recordLength = from.source.recordLength;
    setup.fields = from.fields;
    setup.codec = from.codec;
    setup.baseRecord = table.Table().Base();
    setup.dataRows = table.DataRows();
    setup.programFolder = from.programFolder;
    return setup;
}

void RunRangeCsv(TFm_RecTable& table, const BrowseServices& services) {
    TFm_RecCsv window(RangeCsvSetupOf(table), services.settings, services.messages, services.dialogs, services.viewer,
                      &table);
    window.exec();
}

void ConnectBrowse(TFm_RecEditor& editor, const BrowseServices& services) {
    QObject::connect(&editor, &TFm_RecEditor::browseRequested, &editor, [&editor, services] {
        RecordEditorSession& session = editor.Session();
        std::optional<RecTableSetup> setup = BrowseSetupOf(session, services.programFolder);
        if (!setup) return;
        RecTableLinks links;
        links.fixedItemChosen = [&session](int item) { session.SetBrowseFixedItem(item); };
        links.openRangeCsv = [services](TFm_RecTable& table) { RunRangeCsv(table, services); };
        if (TFm_RecSearch* search = services.search) {
            links.openSearch = [search](TFm_RecTable& table) { search->Open(table); };
            links.closeSearch = [search] { search->CloseWithTable(); };
        }
        TFm_RecTable table(std::move(*setup), services.settings, services.messages, std::move(links), &editor);
        table.exec();
        TakeBrowseResult(session, table.ResultRecNo());
    });
    if (services.search)
        QObject::connect(&editor, &TFm_RecEditor::entrySwitched, services.search, &TFm_RecSearch::Reset);
}

void TakeBrowseResult(RecordEditorSession& session, const QString& recNo) {
    if (recNo.trimmed().isEmpty()) return;
    (void)session.GoToRecNo(FromQ(recNo));
}

}  // namespace rekkan::ui
