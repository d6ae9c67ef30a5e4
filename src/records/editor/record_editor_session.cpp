#include "records/editor/record_editor_session.h"

#include "model/geometry.h"
#include "model/layout_file.h"
#include "records/editor/editor_texts.h"
#include "records/editor/session_impl.h"
#include "records/record_view.h"
#include "util/encoding.h"
#include "util/file_util.h"
#include "util/text.h"

namespace rekkan {

RecordEditorSession::RecordEditorSession(Settings& settings, LayoutDocument& doc, MessageSink& messages,
                                         EditorDialogs& dialogs, const TypeNotation* notation)
    : settings_(settings),
      doc_(doc),
      messages_(messages),
      dialogs_(dialogs),
      notation_(notation),
      codec_(CodecOptions::FromSettings(settings)),
      impl_(std::make_unique<Impl>()) {}

RecordEditorSession::~RecordEditorSession() = default;

void RecordEditorSession::Notify(void (EditorObserver::*what)()) {
    if (observer_) (observer_->*what)();
}

void RecordEditorSession::Notify(void (EditorObserver::*what)(int), int row) {
    if (observer_) (observer_->*what)(row);
}

void RecordEditorSession::SetOutcome(std::string text, OutcomeKind kind) {
    outcome_ = Outcome{std::move(text), kind};
    Notify(&EditorObserver::OutcomeChanged);
}

void RecordEditorSession::ClearOutcome() { SetOutcome({}, OutcomeKind::None); }

TLayoutListObj* RecordEditorSession::Entry() { return group_.Shown() >= 0 ? &group_.Entry(group_.Shown()) : nullptr; }

const TLayoutListObj* RecordEditorSession::ShownEntry() const {
    return group_.Shown() >= 0 ? &group_.Entry(group_.Shown()) : nullptr;
}

TFileInf* RecordEditorSession::File() {
    TLayoutListObj* e = Entry();
    return e ? e->fileState.get() : nullptr;
}

const TFileInf* RecordEditorSession::File() const {
    const TLayoutListObj* e = ShownEntry();
    return e ? e->fileState.get() : nullptr;
}

const TFileInf* RecordEditorSession::ShownFile() const { return File(); }

bool RecordEditorSession::Rebuilding() const { return impl_->rebuilding; }

bool RecordEditorSession::LayoutMissing() const {
    return ShownEntry() != nullptr && !layoutLoaded_ && !geometryFailed_;
}

TreeCaptions RecordEditorSession::Captions(int index) const {
    const TLayoutListObj& e = group_.Entry(index);
    return TreeCaptions{group_.Caption(index), LayoutChildCaption(e.layoutPath), EditChildCaption(e.editFilePath)};
}

// ---- Showing an entry ----------------------------------------------------------------------

void RecordEditorSession::ShowEntry(int index) {
    if (index == group_.Shown()) return;
    ShowEntryNow(index, true);
}

void RecordEditorSession::LeaveShownEntry() {
    TLayoutListObj* e = Entry();
    if (!e) return;
    CommitPendingEdits();
    e->hexFlags.clear();
    for (const TRdbObj& f : fields_) e->hexFlags.push_back(f.hexDisplay);
    e->savedAllHex = e->allHex;
    e->topRow = gridPlace_.topRow;
    e->row = gridPlace_.row;
    e->viewSaved = true;
    e->fileState->CopyStateTo(*e->savedFileState);
    e->fileState->CloseDataFile();
}

void RecordEditorSession::ClearFields() {
    fields_.clear();
    cells_.clear();
    decoded_.clear();
    errors_.clear();
    anyPastEnd_ = false;
    recordLength_ = 0;
    layoutLoaded_ = false;
    layoutPartial_ = false;
    geometryFailed_ = false;
}

void RecordEditorSession::ShowEntryNow(int index, bool saveLeaving) {
    if (Rebuilding()) return;
    if (saveLeaving) LeaveShownEntry();
    undo_.Clear();
    undoneRow_ = -1;
    enterCount_ = 0;
    enterRow_ = -1;
    gridPlace_ = {};
    restoredPlace_ = {};
    recNoBox_.clear();
    ClearOutcome();
    ClearFields();
    const bool shownBefore = index >= 0 && index < group_.Count() && group_.Entry(index).shownOnce;
    group_.SetShown(index);
    TLayoutListObj* e = Entry();
    if (e) {
        LoadShownLayout(*e);
        if (layoutLoaded_) {
            e->fileState->SetCodecOptions(codec_);
            e->fileState->SetMessageSink(&messages_);
            if (shownBefore && e->viewSaved && e->savedFileState->IsOpen()) {
                const TFileInf& saved = *e->savedFileState;
                for (std::size_t i = 0; i < fields_.size() && i < e->hexFlags.size(); ++i)
                    if (!fields_[i].hexFixed) fields_[i].hexDisplay = e->hexFlags[i];
                e->allHex = e->savedAllHex;
                TFileInf& file = *e->fileState;
                file.SetCurrentIndex(saved.CurrentIndex());
                if (!file.OpenDataFile(saved.Path(), saved.BasePosition(), recordLength_)) {
                    SetOutcome(sj("編集ファイルのオープンに失敗しました。"), OutcomeKind::Error);
                } else if (!file.ReadRecord(saved.CurrentIndex(), Refresh::None)) {
                    SetOutcome(RecNoMissingText(saved.CurrentIndex() + 1), OutcomeKind::Error);
                } else if (e->recordModified &&
                           saved.RecordBuffer().size() == static_cast<std::size_t>(recordLength_)) {
                    // Edits not yet written survive the switch; a buffer without edits is the
                    // file's current bytes instead (another entry may have changed the file).
                    file.RecordBuffer() = saved.RecordBuffer();
                }
                restoredPlace_ = GridPlace{e->topRow, e->row};
                if (file.IsOpen()) recNoBox_ = NumberBoxText(file.CurrentIndex() + 1);
            } else {
                OpenShownFile(*e);
            }
            TFileInf& file = *e->fileState;
            if (!file.IsOpen()) {
                for (TRdbObj& f : fields_) f.hexDisplay = false;
            } else {
                file.ComputeGeometry();
            }
            DecodeAll();
        }
    }
    Notify(&EditorObserver::EntryShown);
    Notify(&EditorObserver::FieldsChanged);
    Notify(&EditorObserver::StatusChanged);
    Notify(&EditorObserver::EnablingChanged);
    Notify(&EditorObserver::UndoChanged);
}

void RecordEditorSession::LoadShownLayout(TLayoutListObj& e) {
    if (!e.layoutPresent || !FileExists(e.layoutPath)) return;
    doc_.sizes = settings_.Sizes();
    doc_.editableLineCount = settings_.EditableLineCount();
    const LayoutReadResult read = ReadLayoutFile(doc_, e.layoutPath, false, messages_);
    if (!read.ok) return;
    NormaliseAll(doc_);
    RecordFieldList listed = BuildFieldList(doc_);
    if (!listed.Ok()) {
        geometryFailed_ = true;
        SetOutcome(GeometryFailureMessage(listed.failure), OutcomeKind::Error);
        return;
    }
    layoutLoaded_ = true;
    layoutPartial_ = read.tooManyRows || !read.sizeDifferences.empty();
    fields_ = std::move(listed.fields);
    recordLength_ = listed.recordLength;
    cells_.assign(fields_.size(), std::string());
    decoded_.assign(fields_.size(), std::string());
    errors_.assign(fields_.size(), false);
}

void RecordEditorSession::OpenShownFile(TLayoutListObj& e) {
    for (TRdbObj& f : fields_) f.hexDisplay = f.hexFixed || (e.allHex && !f.IsGroup());
    TFileInf& file = *e.fileState;
    file.SetCodecOptions(codec_);
    file.SetBasePosition(e.basePosition);
    if (e.editFilePath.empty()) return;
    file.SetMessageSink(&messages_);
    file.SetCurrentIndex(0);
    if (!file.OpenDataFile(e.editFilePath, e.basePosition, recordLength_)) return;
    e.recordModified = false;
    if (file.ReadRecord(0, Refresh::None)) {
        SetOutcome(sj("先頭レコードを読み込みました。"), OutcomeKind::Success);
        recNoBox_ = NumberBoxText(1);
    }
}

// ---- Decoding ------------------------------------------------------------------------------

void RecordEditorSession::DecodeRow(std::size_t i) {
    const TFileInf* file = File();
    TRdbObj& f = fields_[i];
    f.modified = false;
    const bool open = file && file->IsOpen();
    const DecodedText d =
        DecodeField(open, open ? std::string_view(file->RecordBuffer()) : std::string_view(), f, codec_);
    cells_[i] = d.text;
    decoded_[i] = d.text;
    errors_[i] = !d.valid;
}

void RecordEditorSession::DecodeAll() {
    for (std::size_t i = 0; i < fields_.size(); ++i) DecodeRow(i);
    const TFileInf* file = File();
    if (file && file->IsOpen()) {
        anyPastEnd_ = UpdatePastEnd(fields_, file->CurrentOffset(), file->FileSize());
    } else {
        for (TRdbObj& f : fields_) f.pastEnd = false;
        anyPastEnd_ = false;
    }
}

void RecordEditorSession::AfterRead() {
    TFileInf* file = File();
    if (!file) return;
    file->ComputeGeometry();
    if (TLayoutListObj* e = Entry()) e->recordModified = false;
    if (file->IsOpen() && file->RecordCount() > 0) recNoBox_ = NumberBoxText(file->CurrentIndex() + 1);
    DecodeAll();
    Notify(&EditorObserver::FieldsChanged);
    Notify(&EditorObserver::StatusChanged);
    Notify(&EditorObserver::EnablingChanged);
}

// ---- What the window shows -----------------------------------------------------------------

bool RecordEditorSession::AllHex() const {
    const TLayoutListObj* e = ShownEntry();
    return e && e->allHex;
}

std::int64_t RecordEditorSession::PositionBase() const {
    if (impl_->rebuilding) return impl_->positionBase;
    const TFileInf* file = File();
    return file && file->IsOpen() ? file->CurrentOffset() : 0;
}

RecordGridRow RecordEditorSession::Row(int row) const {
    const std::size_t i = static_cast<std::size_t>(row);
    return GridRowOf(row + 1, fields_.at(i), cells_.at(i), errors_.at(i), PositionBase(), notation_);
}

RecordView RecordEditorSession::View() const {
    RecordView view;
    view.info = Info();
    view.rows.reserve(fields_.size());
    for (int i = 0; i < RowCount(); ++i) view.rows.push_back(Row(i));
    return view;
}

RecordInfo RecordEditorSession::Info() const {
    if (impl_->rebuilding) return impl_->info;
    const TLayoutListObj* e = ShownEntry();
    if (!e || !layoutLoaded_) {
        RecordInfo info;
        if (e) info.editFilePath = e->editFilePath;
        return info;
    }
    RecordInfo info = RecordInfoOf(e->comment, e->editFilePath, *e->fileState);
    if (!e->fileState->IsOpen()) {
        // A closed file's last counts would read as the file's present state: only the layout's
        // record length and the entry's base position stay.
        info.recNo.clear();
        info.recordCount.clear();
        info.fileSize.clear();
        info.filePos.clear();
        info.recordLength = GroupThousands(recordLength_);
    }
    return info;
}

std::string RecordEditorSession::EditFilePath() const {
    const TLayoutListObj* e = ShownEntry();
    return e ? e->editFilePath : std::string();
}

std::string RecordEditorSession::CommentPanel() const {
    const TLayoutListObj* e = ShownEntry();
    return e ? " " + e->comment : std::string();
}

std::string RecordEditorSession::Warning() const {
    if (impl_->rebuilding) return impl_->warning;
    const TLayoutListObj* e = ShownEntry();
    if (!e) return {};
    if (!layoutLoaded_) return geometryFailed_ ? std::string() : WarningLayoutMissingText();
    const TFileInf& file = *e->fileState;
    if (e->editFilePath.empty()) return WarningEditFileUnsetText();
    if (!file.IsOpen()) return FileExists(e->editFilePath) ? std::string() : WarningNoEditFileText();
    const std::int64_t size = file.FileSize();
    if (size > 0 && recordLength_ > 0 && (size - file.BasePosition()) % recordLength_ != 0)
        return WarningNotDivisibleText();
    if (size == 0) return WarningNoRecordsText();
    return {};
}

EditorEnabling RecordEditorSession::Enabling() const {
    if (impl_->rebuilding) return impl_->enabling;
    const TLayoutListObj* e = ShownEntry();
    EnablingFacts facts;
    facts.entryShown = e != nullptr;
    facts.layoutLoaded = layoutLoaded_;
    facts.editFileSet = e && !e->editFilePath.empty();
    facts.editFileExists = facts.editFileSet && FileExists(e->editFilePath);
    facts.fileOpen = e && e->fileState->IsOpen();
    facts.recordCount = facts.fileOpen ? e->fileState->RecordCount() : 0;
    facts.undoEntries = !undo_.Empty();
    facts.groupCount = group_.Count();
    return EnablingOf(facts);
}

InfoCaptions RecordEditorSession::Captions() const { return InfoCaptionsOf(settings_, settings_.RecEtcFmt); }

void RecordEditorSession::ToggleCompactInfo() {
    settings_.RecEtcFmt = !settings_.RecEtcFmt;
    Notify(&EditorObserver::StatusChanged);
}

std::string RecordEditorSession::RecNoBoxText() const {
    if (impl_->rebuilding) return impl_->recNoBox;
    const TFileInf* file = File();
    if (!file || !file->IsOpen() || file->RecordCount() == 0) return {};
    return recNoBox_;
}

std::string RecordEditorSession::BasePositionBoxText() const {
    const TLayoutListObj* e = ShownEntry();
    return e ? NumberBoxText(e->basePosition + 1) : std::string();
}

void RecordEditorSession::SettingsChanged() {
    if (Rebuilding()) return;
    codec_ = CodecOptions::FromSettings(settings_);
    for (int i = 0; i < group_.Count(); ++i) group_.Entry(i).fileState->SetCodecOptions(codec_);
    DecodeAll();
    Notify(&EditorObserver::FieldsChanged);
    Notify(&EditorObserver::StatusChanged);
}

void RecordEditorSession::SetBrowseFixedItem(int item) {
    if (Rebuilding() || group_.Shown() < 0) return;
    group_.SetBrowseFixedItem(group_.Shown(), item);
    Notify(&EditorObserver::GroupChanged);
}

void RecordEditorSession::LayoutStored(const std::string& cp932Path) {
    if (Rebuilding()) return;
    TLayoutListObj* e = Entry();
    if (!e || e->layoutPath != cp932Path) return;
    e->layoutPresent = true;
    e->comment = Trim(doc_.RdfCmt).empty() ? NoNameComment() : doc_.RdfCmt;
    e->fileState->CloseDataFile();
    e->viewSaved = false;
    e->recordModified = false;
    ShowEntryNow(group_.Shown(), false);
    Notify(&EditorObserver::GroupChanged);
}

bool RecordEditorSession::EnsureLossless(const EnteredText& text) {
    if (text.lossless) return true;
    SetOutcome(NotShiftJisText(), OutcomeKind::Error);
    return false;
}

}  // namespace rekkan
