#pragma once

#include <cstdint>

namespace rekkan {

/// What the record editor session tells the window. Every call comes on the thread that called
/// the session; the window reads the new values from the session and redraws. Each default
/// does nothing, so a window overrides only what it shows.
class EditorObserver {
public:
    virtual ~EditorObserver() = default;
    /// The group changed: entries added, removed, moved or renamed, captions or the path label.
    virtual void GroupChanged() {}
    /// Another entry (or none) is shown: the field rows were rebuilt (row count, names, types).
    virtual void EntryShown() {}
    /// Cell contents, error, hex or past-end flags or positions changed (a record was read,
    /// decoded or edited).
    virtual void FieldsChanged() {}
    /// One row's content or flags changed (a cell commit, a hex toggle of one row).
    virtual void RowChanged(int /*row*/) {}
    /// The status boxes, the warning, the edit file path or the comment panel changed.
    virtual void StatusChanged() {}
    /// The message line changed.
    virtual void OutcomeChanged() {}
    /// The enabling of the controls changed.
    virtual void EnablingChanged() {}
    /// The undo list changed (its menu caption and enabling).
    virtual void UndoChanged() {}
    /// The cursor of the field grid is to move to `row` (0-based field entry index).
    virtual void MoveCursor(int /*row*/) {}
    /// Progress of an insert or delete that rebuilds the file: `done` of `total` bytes written.
    /// Return false to cancel (the data file is then left as it was). Called on the thread that
    /// runs the rebuild (see RecordEditorSession::RunRebuild).
    virtual bool RebuildProgress(std::int64_t /*done*/, std::int64_t /*total*/) { return true; }
};

}  // namespace rekkan
