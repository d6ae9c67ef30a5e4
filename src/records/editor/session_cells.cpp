// Record editor session: content cells, the Enter rule, hex toggles and the cell undo.

#include "records/editor/record_editor_session.h"
#include "util/text.h"

namespace rekkan {

namespace {

/// The cursor movement of the second Enter in a row: 1 up, 2 down ("カーソル移動").
int MovedRow(int row, int rows, int choice) {
    if (choice == 1 && row > 0) return row - 1;
    if (choice == 2 && row + 1 < rows) return row + 1;
    return row;
}

}  // namespace

bool RecordEditorSession::CommitCell(int row, const EnteredText& text) {
    if (Rebuilding()) return false;
    if (row < 0 || row >= RowCount()) return false;
    const std::size_t i = static_cast<std::size_t>(row);
    TRdbObj& f = fields_[i];
    TFileInf* file = File();
    if (f.IsGroup() || !file || !file->IsOpen()) return false;
    if (!EnsureLossless(text)) {
        cells_[i] = decoded_[i];
        f.modified = false;
        Notify(&EditorObserver::RowChanged, row);
        return false;
    }
    if (text.cp932 == decoded_[i]) {
        cells_[i] = decoded_[i];
        f.modified = false;
        Notify(&EditorObserver::RowChanged, row);
        return false;
    }
    EncodeField(text.cp932, true, file->RecordBuffer(), f, codec_);
    if (f.hexDisplay) {
        // The error flag reflects the value typed, which only a decoding without hex shows.
        TRdbObj plain = f;
        plain.hexDisplay = false;
        const DecodedText check = DecodeField(true, file->RecordBuffer(), plain, codec_);
        DecodeRow(i);
        errors_[i] = !check.valid;
    } else {
        DecodeRow(i);
    }
    if (TLayoutListObj* e = Entry()) e->recordModified = true;
    Notify(&EditorObserver::RowChanged, row);
    return true;
}

bool RecordEditorSession::MemoEdit(int row, const EnteredText& text, int topRow) {
    if (Rebuilding()) return false;
    if (row < 0 || row >= RowCount()) return false;
    const std::size_t i = static_cast<std::size_t>(row);
    TRdbObj& f = fields_[i];
    TFileInf* file = File();
    if (f.IsGroup() || !file || !file->IsOpen()) return false;
    if (!EnsureLossless(text)) return false;
    const std::string value = RemoveLineEnds(text.cp932);
    if (value == cells_[i]) return false;
    TLayoutListObj* e = Entry();
    undo_.Push(CellUndoEntry{row, cells_[i], topRow, e->recordModified});
    cells_[i] = value;
    f.modified = true;
    e->recordModified = true;
    undoneRow_ = -1;
    Notify(&EditorObserver::RowChanged, row);
    Notify(&EditorObserver::UndoChanged);
    Notify(&EditorObserver::EnablingChanged);
    return true;
}

void RecordEditorSession::CommitPendingEdits() {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (!fields_[i].modified) continue;
        const std::string text = cells_[i];
        (void)CommitCell(static_cast<int>(i), EnteredText{text, true});
        fields_[i].modified = false;
    }
}

void RecordEditorSession::RowSelected(int row) {
    if (row != enterRow_) {
        enterRow_ = row;
        enterCount_ = 0;
    }
}

int RecordEditorSession::EnterPressed(int row) {
    RowSelected(row);
    if (++enterCount_ < 2) return row;
    enterCount_ = 0;
    const int moved = MovedRow(row, RowCount(), settings_.Cmb_RecCrNext);
    if (moved != row) {
        RowSelected(moved);
        if (observer_) observer_->MoveCursor(moved);
    }
    return moved;
}

void RecordEditorSession::ToggleAllHex() {
    if (Rebuilding()) return;
    TLayoutListObj* e = Entry();
    if (!e || !layoutLoaded_) return;
    CommitPendingEdits();
    e->allHex = !e->allHex;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (fields_[i].hexFixed || fields_[i].IsGroup()) continue;
        fields_[i].hexDisplay = e->allHex;
        DecodeRow(i);
    }
    Notify(&EditorObserver::FieldsChanged);
}

void RecordEditorSession::ToggleRowHex(int row) {
    if (Rebuilding()) return;
    if (row < 0 || row >= RowCount()) return;
    const std::size_t i = static_cast<std::size_t>(row);
    TRdbObj& f = fields_[i];
    if (f.hexFixed || f.IsGroup()) return;
    if (f.modified) (void)CommitCell(row, EnteredText{cells_[i], true});
    f.hexDisplay = !f.hexDisplay;
    DecodeRow(i);
    Notify(&EditorObserver::RowChanged, row);
}

bool RecordEditorSession::Undo() {
    if (Rebuilding()) return false;
    CellUndoEntry entry;
    if (!undo_.Pop(entry)) return false;
    if (entry.row >= 0 && entry.row < RowCount()) {
        const std::size_t i = static_cast<std::size_t>(entry.row);
        cells_[i] = entry.previousText;
        fields_[i].modified = cells_[i] != decoded_[i];
        if (TLayoutListObj* e = Entry()) e->recordModified = entry.recordModified;
        undoneRow_ = entry.row;
        Notify(&EditorObserver::RowChanged, entry.row);
        if (observer_) observer_->MoveCursor(entry.row);
    }
    Notify(&EditorObserver::UndoChanged);
    Notify(&EditorObserver::EnablingChanged);
    return true;
}

}  // namespace rekkan
