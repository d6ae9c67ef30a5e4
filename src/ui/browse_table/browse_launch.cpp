#include "ui/browse_table/browse_launch.h"

#include "ui/app/qt_text.h"
#include "ui/rec_editor/rec_editor_window.h"
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

void ConnectBrowse(TFm_RecEditor& editor, const BrowseServices& services) {
    QObject::connect(&editor, &TFm_RecEditor::browseRequested, &editor, [&editor, services] {
        RecordEditorSession& session = editor.Session();
        std::optional<RecTableSetup> setup = BrowseSetupOf(session, services.programFolder);
        if (!setup) return;
        RecTableLinks links;
        links.fixedItemChosen = [&session](int item) { session.SetBrowseFixedItem(item); };
        TFm_RecTable table(std::move(*setup), services.settings, services.messages, std::move(links), &editor);
        table.exec();
        TakeBrowseResult(session, table.ResultRecNo());
    });
}

void TakeBrowseResult(RecordEditorSession& session, const QString& recNo) {
    if (recNo.trimmed().isEmpty()) return;
    (void)session.GoToRecNo(FromQ(recNo));
}

}  // namespace rekkan::ui
