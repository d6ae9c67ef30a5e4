#include "records/editor/editor_enabling.h"

namespace rekkan {

EditorEnabling EnablingOf(const EnablingFacts& f) {
    EditorEnabling e;
    e.layoutCommands = f.entryShown && f.layoutLoaded;
    e.chooseEditFile = f.entryShown;
    e.openCloseEditFile = f.entryShown && f.editFileExists;
    e.clearEditFile = f.entryShown && f.editFileSet;
    const bool open = e.layoutCommands && f.fileOpen;
    const bool records = open && f.recordCount > 0;
    e.navigation = records;
    e.update = records;
    e.append = records;
    e.remove = records;
    e.insert = open;
    e.browse = open;
    e.gridEditable = open;
    e.undo = f.undoEntries;
    e.removeLayout = f.groupCount > 0;
    return e;
}

}  // namespace rekkan
