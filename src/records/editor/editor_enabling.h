#pragma once

namespace rekkan {

/// Which controls of the record editor accept input.
struct EditorEnabling {
    bool layoutCommands = false;     ///< a layout is shown: initialise, print, text, CSV output, control statements
    bool chooseEditFile = false;     ///< "編集するﾌｧｲﾙ": a layout entry is shown
    bool openCloseEditFile = false;  ///< "Open" and "Close": the edit file exists
    bool clearEditFile = false;      ///< "Clr": an edit file is set
    bool navigation = false;         ///< first, last, prior, next, Rec.No box and button, base position box and buttons
    bool update = false;             ///< "更新"
    bool insert = false;             ///< "挿入"
    bool append = false;             ///< "末尾追加"
    bool remove = false;             ///< "削除" of records
    bool browse = false;             ///< "Browse"
    bool gridEditable = false;       ///< the content cells accept edits (a file is open)
    bool undo = false;               ///< "元に戻す": undo entries exist
    bool removeLayout = false;       ///< removing a layout from the group: the group has entries
    friend bool operator==(const EditorEnabling&, const EditorEnabling&) = default;
};

/// The facts the enabling depends on.
struct EnablingFacts {
    bool entryShown = false;    ///< a group entry is shown
    bool layoutLoaded = false;  ///< its layout file loaded
    bool editFileSet = false;
    bool editFileExists = false;
    bool fileOpen = false;
    long long recordCount = 0;
    bool undoEntries = false;
    int groupCount = 0;
};

/// The enabling rule: with an open file holding records every record control is enabled; with
/// an open file of 0 records only "Browse" and insert; with no open file none of them.
[[nodiscard]] EditorEnabling EnablingOf(const EnablingFacts& facts);

}  // namespace rekkan
