// Record editor session: navigation, Rec.No, base position, update, insert, append, delete.

#include "records/editor/editor_texts.h"
#include "records/editor/record_editor_session.h"
#include "records/editor/session_impl.h"
#include "util/encoding.h"

namespace rekkan {

bool RecordEditorSession::ReadAt(std::int64_t index) {
    if (Rebuilding()) return false;
    TFileInf* file = File();
    if (!file || !file->IsOpen()) return false;
    const bool ok = file->ReadRecord(index, Refresh::None);
    AfterRead();
    return ok;
}

bool RecordEditorSession::First() {
    const bool ok = ReadAt(0);
    if (ok)
        SetOutcome(sj("先頭レコードを読み込みました。"), OutcomeKind::Success);
    else
        SetOutcome(sj("先頭レコードは存在しません。"), OutcomeKind::NothingToRead);
    return ok;
}

bool RecordEditorSession::Last() {
    const TFileInf* file = File();
    const bool ok = file && ReadAt(file->RecordCount() - 1);
    if (ok)
        SetOutcome(sj("最終レコードを読み込みました。"), OutcomeKind::Success);
    else
        SetOutcome(sj("最終レコードは存在しません。"), OutcomeKind::NothingToRead);
    return ok;
}

bool RecordEditorSession::Prior() {
    if (Rebuilding()) return false;
    TFileInf* file = File();
    if (!file || !file->IsOpen()) return false;
    file->ComputeGeometry();
    if (file->RecordCount() == 0) {
        AfterRead();
        SetOutcome(sj("ファイルにレコードは存在しません。"), OutcomeKind::Error);
        return false;
    }
    const bool ok = ReadAt(file->CurrentIndex() - 1);
    if (ok)
        SetOutcome(sj("前のレコードを読み込みました。"), OutcomeKind::Success);
    else
        SetOutcome(sj("先頭レコードです。"), OutcomeKind::NothingToRead);
    return ok;
}

bool RecordEditorSession::Next() {
    if (Rebuilding()) return false;
    TFileInf* file = File();
    if (!file || !file->IsOpen()) return false;
    file->ComputeGeometry();
    if (file->RecordCount() == 0) {
        AfterRead();
        SetOutcome(sj("ファイルにレコードは存在しません。"), OutcomeKind::Error);
        return false;
    }
    const bool ok = ReadAt(file->CurrentIndex() + 1);
    if (ok)
        SetOutcome(sj("次のレコードを読み込みました。"), OutcomeKind::Success);
    else
        SetOutcome(sj("最終レコードです。"), OutcomeKind::NothingToRead);
    return ok;
}

bool RecordEditorSession::GoToRecNo(std::string_view boxText) {
    const std::int64_t n = RecNoOfText(boxText);
    TFileInf* file = File();
    if (!file || !file->IsOpen()) return false;
    const bool ok = ReadAt(n - 1);
    recNoBox_ = NumberBoxText(n);
    if (ok)
        SetOutcome(RecNoReadText(n), OutcomeKind::Success);
    else
        SetOutcome(RecNoMissingText(n), OutcomeKind::NothingToRead);
    return ok;
}

bool RecordEditorSession::ChangeBasePosition(std::string_view boxText, BaseStep step) {
    if (Rebuilding()) return false;
    TFileInf* file = File();
    if (!file || !file->IsOpen()) return false;
    file->ComputeGeometry();
    const BasePositionChoice choice = ChooseBasePosition(boxText, step, recordLength_, file->FileSize());
    group_.SetBasePosition(group_.Shown(), choice.oneBased - 1);
    const std::int64_t index = file->CurrentIndex();
    const bool ok = ReadAt(index);
    if (choice.clamped) {
        const std::string text = sj("読み込み基底位置はファイルサイズ内にして下さい。");
        SetOutcome(text, OutcomeKind::Error);
        messages_.Inform(text, DefaultCaption());
    } else if (!ok) {
        SetOutcome(RecNoMissingText(index + 1), OutcomeKind::NothingToRead);
    } else {
        ClearOutcome();
    }
    Notify(&EditorObserver::GroupChanged);
    return !choice.clamped;
}

// ---- Changes of the data file ----------------------------------------------------------------

bool RecordEditorSession::RefuseChange() {
    TFileInf* file = File();
    if (!file || !file->IsOpen() || !layoutLoaded_) return true;
    if (!layoutPartial_) return false;
    SetOutcome(PartialLayoutRefusedText(), OutcomeKind::Error);
    return true;
}

namespace {

bool Confirmed(MessageSink& messages, bool ask, RecordCommand command, std::int64_t recNo) {
    return !ask || messages.AskYesNo(RecordCommandQuestion(command, recNo), DefaultCaption()) == Answer::Yes;
}

}  // namespace

bool RecordEditorSession::Update() {
    if (Rebuilding()) return false;
    CommitPendingEdits();
    if (RefuseChange()) return false;
    TFileInf& file = *File();
    file.ComputeGeometry();
    if (file.RecordCount() == 0) return Insert();
    if (!Confirmed(messages_, settings_.Chk_Msg_Update, RecordCommand::Update, 0)) return false;
    file.SetMessageSink(&messages_);
    const bool ok = file.UpdateRecord(file.CurrentIndex());
    AfterRead();
    SetOutcome(ok ? RecordCommandDoneText(RecordCommand::Update) : RecordCommandFailedText(RecordCommand::Update),
               ok ? OutcomeKind::Done : OutcomeKind::Error);
    return ok;
}

bool RecordEditorSession::Append() {
    if (Rebuilding()) return false;
    CommitPendingEdits();
    if (RefuseChange()) return false;
    TFileInf& file = *File();
    file.ComputeGeometry();
    if (!Confirmed(messages_, settings_.Chk_Msg_Append, RecordCommand::Append, 0)) return false;
    file.SetMessageSink(&messages_);
    const bool ok = file.AppendRecord();
    AfterRead();
    SetOutcome(ok ? RecordCommandDoneText(RecordCommand::Append) : RecordCommandFailedText(RecordCommand::Append),
               ok ? OutcomeKind::Done : OutcomeKind::Error);
    return ok;
}

bool RecordEditorSession::BeginInsert() {
    if (Rebuilding()) return false;
    CommitPendingEdits();
    if (RefuseChange()) return false;
    TFileInf& file = *File();
    file.ComputeGeometry();
    const std::int64_t recNo = std::max<std::int64_t>(file.CurrentIndex() + 1, 1);
    if (!Confirmed(messages_, settings_.Chk_Msg_Insert, RecordCommand::Insert, recNo)) return false;
    BeginRebuild(RecordCommand::Insert);
    return true;
}

bool RecordEditorSession::BeginDelete() {
    if (Rebuilding()) return false;
    CommitPendingEdits();
    if (RefuseChange()) return false;
    TFileInf& file = *File();
    file.ComputeGeometry();
    if (file.RecordCount() < 1) {
        SetOutcome(RecordCommandFailedText(RecordCommand::Delete), OutcomeKind::Error);
        return false;
    }
    if (!Confirmed(messages_, settings_.Chk_Msg_Delete, RecordCommand::Delete, 0)) return false;
    BeginRebuild(RecordCommand::Delete);
    return true;
}

void RecordEditorSession::BeginRebuild(RecordCommand command) {
    impl_->rebuildCommand = command;
    impl_->info = Info();
    impl_->warning = Warning();
    impl_->enabling = Enabling();
    impl_->enabling.navigation = impl_->enabling.update = impl_->enabling.insert = impl_->enabling.append =
        impl_->enabling.remove = impl_->enabling.browse = impl_->enabling.gridEditable = false;
    impl_->positionBase = PositionBase();
    impl_->recNoBox = RecNoBoxText();
    impl_->rebuilding = true;
    SetOutcome(RecordCommandWorkingText(command), OutcomeKind::Working);
    Notify(&EditorObserver::EnablingChanged);
}

bool RecordEditorSession::RunRebuild(const RebuildProgressFn& progress) {
    TFileInf* file = File();
    if (!file) return false;
    file->SetMessageSink(&impl_->deferred);
    file->SetRebuildProgress(progress);
    const std::int64_t index = file->CurrentIndex();
    const bool ok =
        impl_->rebuildCommand == RecordCommand::Insert ? file->InsertRecord(index) : file->DeleteRecord(index);
    file->SetRebuildProgress({});
    file->SetMessageSink(&messages_);
    return ok;
}

void RecordEditorSession::FinishRebuild(bool ok) {
    impl_->rebuilding = false;
    impl_->deferred.Replay(messages_);
    const RecordCommand command = impl_->rebuildCommand;
    TFileInf* file = File();
    const bool cancelled = file && file->RebuildCancelled();
    AfterRead();
    if (ok)
        SetOutcome(RecordCommandDoneText(command), OutcomeKind::Done);
    else if (cancelled)
        SetOutcome(RecordCommandCancelledText(command), OutcomeKind::Error);
    else
        SetOutcome(RecordCommandFailedText(command), OutcomeKind::Error);
}

bool RecordEditorSession::Insert() {
    if (!BeginInsert()) return false;
    EditorObserver* observer = observer_;
    const bool ok = RunRebuild([observer](std::int64_t done, std::int64_t total) {
        return observer == nullptr || observer->RebuildProgress(done, total);
    });
    FinishRebuild(ok);
    return ok;
}

bool RecordEditorSession::Delete() {
    if (!BeginDelete()) return false;
    EditorObserver* observer = observer_;
    const bool ok = RunRebuild([observer](std::int64_t done, std::int64_t total) {
        return observer == nullptr || observer->RebuildProgress(done, total);
    });
    FinishRebuild(ok);
    return ok;
}

}  // namespace rekkan
