// Record editor session: the group commands, dropped files, the edit file commands and closing.

#include "records/editor/dropped_file_kind.h"
#include "records/editor/record_editor_session.h"
#include "util/encoding.h"
#include "util/file_util.h"
#include "util/path_names.h"

namespace rekkan {

namespace {

constexpr std::string_view kGroupFilter = "(*.LGP)|*.LGP|(*.*)|*.*";

std::string ReportPath(std::string_view path) { return "\r\n\r\n   PATH = " + std::string(path); }

}  // namespace

// ---- Group -----------------------------------------------------------------------------------

bool RecordEditorSession::AskSaveModified(bool withCancel) {
    if (!group_.Modified()) return true;
    const Answer a = withCancel ? messages_.AskYesNoCancel(SaveModifiedGroupQuestion(), DefaultCaption())
                                : messages_.AskYesNo(SaveModifiedGroupQuestion(), DefaultCaption());
    if (a == Answer::Cancel) return false;
    if (a != Answer::Yes) return true;
    // Going on after "Yes" needs a saved group: a cancelled or failed save acts as Cancel.
    return SaveGroupTo(false);
}

bool RecordEditorSession::SaveGroupTo(bool askName) {
    std::string path = group_.Path();
    if (askName || path.empty()) {
        const FileDialogSpec request{sj("指定のファイル名で ﾚｲｱｳﾄ・ｸﾞﾙｰﾌﾟ を保存します。"), std::string(kGroupFilter),
                                     ".LGP", path.empty() ? settings_.Path_LayoutGroup : path, false};
        const std::optional<EnteredText> chosen = dialogs_.SaveFile(request);
        if (!chosen || !EnsureLossless(*chosen) || chosen->cp932.empty()) return false;
        path = AbsolutePathOf(chosen->cp932);
    }
    const bool ok = group_.SaveGroup(path, true, settings_, messages_);
    Notify(&EditorObserver::GroupChanged);
    return ok;
}

bool RecordEditorSession::SaveGroupCommand() { return SaveGroupTo(false); }
bool RecordEditorSession::SaveGroupAsCommand() { return SaveGroupTo(true); }

bool RecordEditorSession::OpenGroupCommand() {
    if (Rebuilding()) return false;
    if (!AskSaveModified(false)) return false;
    const std::string last = settings_.Path_LayoutGroup;
    const FileDialogSpec request{sj(" ﾚｲｱｳﾄ・ｸﾞﾙｰﾌﾟ を選択して下さい。"), std::string(kGroupFilter), ".LGP",
                                 last.empty() ? std::string("*.LGP") : last, true};
    const std::optional<EnteredText> chosen = dialogs_.OpenFile(request);
    if (!chosen) return false;
    if (!EnsureLossless(*chosen)) return false;
    return LoadGroupFile(chosen->cp932);
}

bool RecordEditorSession::LoadGroupFile(const std::string& cp932Path) {
    if (Rebuilding()) return false;
    const std::string path = AbsolutePathOf(cp932Path);
    if (!group_.LoadGroup(path, doc_, settings_, messages_)) return false;
    ShowEntryNow(group_.Count() > 0 ? 0 : -1, false);
    Notify(&EditorObserver::GroupChanged);
    return true;
}

bool RecordEditorSession::AddLayoutsCommand() {
    const FileDialogSpec request{sj("ﾚｲｱｳﾄ・ｸﾞﾙｰﾌﾟ に追加するレイアウトを選択して下さい。(複数選択可)"),
                                 "(*.kvl;*.lay)|*.kvl;*.lay|(*.kvl)|*.kvl|(*.lay)|*.lay|(*.*)|*.*", ".kvl",
                                 FolderOf(settings_.Path_Rdf), true};
    return AddLayouts(dialogs_.OpenFiles(request));
}

bool RecordEditorSession::AddLayouts(const std::vector<EnteredText>& cp932Paths) {
    if (Rebuilding()) return false;
    if (cp932Paths.empty()) return false;
    std::vector<std::string> paths;
    for (const EnteredText& p : cp932Paths) {
        if (!EnsureLossless(p)) return false;
        paths.push_back(AbsolutePathOf(p.cp932));
    }
    const int last = group_.AddLayouts(paths, doc_, settings_, messages_);
    Notify(&EditorObserver::GroupChanged);
    if (last >= 0) ShowEntry(last);
    return last >= 0;
}

bool RecordEditorSession::RemoveEntryCommand(int index) {
    if (Rebuilding()) return false;
    const bool removingShown = index == group_.Shown();
    if (removingShown) CommitPendingEdits();
    int select = -1;
    if (!group_.RemoveLayoutEntry(index, messages_, select)) return false;
    Notify(&EditorObserver::GroupChanged);
    if (removingShown || group_.Shown() < 0)
        ShowEntryNow(select, false);
    else
        ShowEntry(select);
    return true;
}

void RecordEditorSession::MoveEntry(int from, int target) {
    if (Rebuilding()) return;
    group_.MoveEntry(from, target);
    Notify(&EditorObserver::GroupChanged);
}

// ---- Argument and drops ----------------------------------------------------------------------

void RecordEditorSession::TakeArgument(const EnteredText& path) {
    if (Rebuilding()) return;
    if (!EnsureLossless(path) || path.cp932.empty()) return;
    const std::string absolute = AbsolutePathOf(path.cp932);
    switch (ClassifyDroppedFile(absolute)) {
    case EditorDropKind::LayoutGroup: (void)LoadGroupFile(absolute); break;
    case EditorDropKind::Layout: (void)AddLayouts({EnteredText{absolute, true}}); break;
    case EditorDropKind::DataFile:
    case EditorDropKind::Unreadable: break;
    }
}

void RecordEditorSession::DropFile(const EnteredText& path) {
    if (Rebuilding()) return;
    if (!EnsureLossless(path) || path.cp932.empty()) return;
    const std::string absolute = AbsolutePathOf(path.cp932);
    switch (ClassifyDroppedFile(absolute)) {
    case EditorDropKind::Unreadable:
        messages_.Inform(sj("\r\n★\r\n★ これは現在編集中か又は他で使用中のファイルです。\r\n★") + ReportPath(absolute),
                         DefaultCaption());
        return;
    case EditorDropKind::LayoutGroup:
        if (!AskSaveModified(false)) return;
        if (LoadGroupFile(absolute))
            messages_.Inform(sj("指定のレイアウトグループを読み込みました。") + ReportPath(absolute), DefaultCaption());
        return;
    case EditorDropKind::Layout:
        if (AddLayouts({EnteredText{absolute, true}}))
            messages_.Inform(sj("指定のレイアウトをレイアウトグループに追加しました。") + ReportPath(absolute),
                             DefaultCaption());
        return;
    case EditorDropKind::DataFile:
        if (!ShownEntry()) {
            messages_.Inform(sj("\r\n★\r\n★ 現在、レイアウトは何も表示されてないので下記のファイルを\r\n"
                                "★ 「編集するファイル」として設定することはできません。\r\n★") +
                                 ReportPath(absolute),
                             DefaultCaption());
            return;
        }
        if (messages_.AskYesNo(sj("表示中のレイアウトの 「編集するファイル」 として\r\n"
                                  "下記のファイルを設定してもよろしいですか？") +
                                   ReportPath(absolute),
                               DefaultCaption()) == Answer::Yes)
            (void)SetEditFile(EnteredText{absolute, true});
        return;
    }
}

bool RecordEditorSession::QueryClose() {
    if (Rebuilding()) return false;
    if (group_.Modified()) {
        const Answer a = messages_.AskYesNoCancel(SaveModifiedGroupQuestion(), DefaultCaption());
        if (a == Answer::Cancel) return false;
        if (a == Answer::Yes && !SaveGroupTo(false)) return false;
    }
    for (int i = 0; i < group_.Count(); ++i) group_.Entry(i).fileState->CloseDataFile();
    return true;
}

// ---- Edit file -------------------------------------------------------------------------------

std::string RecordEditorSession::DefaultDataExtension() const {
    const TLayoutListObj* e = ShownEntry();
    const std::string name = e ? FileNameOf(e->editFilePath) : std::string();
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos ? std::string(".dat") : name.substr(dot);
}

bool RecordEditorSession::ChooseEditFileCommand() {
    if (Rebuilding()) return false;
    const TLayoutListObj* e = ShownEntry();
    if (!e) return false;
    const std::string ext = DefaultDataExtension();
    const FileDialogSpec request{sj("表示中のレイアウトで編集を行うファイルを選択して下さい。"),
                                 "(*" + ext + ")|*" + ext + "|(*.*)|*.*", ext, e->editFilePath, false};
    const std::optional<EnteredText> chosen = dialogs_.OpenFile(request);
    return chosen && SetEditFile(*chosen);
}

bool RecordEditorSession::SetEditFile(const EnteredText& path) {
    if (Rebuilding()) return false;
    if (!ShownEntry() || !EnsureLossless(path)) return false;
    const int shown = group_.Shown();
    group_.SetEditFile(shown, AbsolutePathOf(path.cp932));
    group_.Entry(shown).recordModified = false;
    ShowEntryNow(shown, false);
    Notify(&EditorObserver::GroupChanged);
    return true;
}

bool RecordEditorSession::ClearEditFileCommand() {
    if (Rebuilding()) return false;
    if (!ShownEntry()) return false;
    if (messages_.AskYesNo(sj("表示中のレイアウトの 「編集するファイル」 を\r\n未設定の状態にしてよろしいですか？"),
                           DefaultCaption()) != Answer::Yes)
        return false;
    const int shown = group_.Shown();
    group_.SetEditFile(shown, "");
    group_.Entry(shown).recordModified = false;
    ShowEntryNow(shown, false);
    Notify(&EditorObserver::GroupChanged);
    return true;
}

bool RecordEditorSession::OpenEditFile() {
    if (Rebuilding()) return false;
    TLayoutListObj* e = Entry();
    if (!e || !layoutLoaded_) return false;
    e->fileState->CloseDataFile();
    ClearOutcome();
    OpenShownFile(*e);
    TFileInf& file = *e->fileState;
    if (!file.IsOpen()) {
        for (TRdbObj& f : fields_) f.hexDisplay = false;
    }
    AfterRead();
    return file.IsOpen();
}

void RecordEditorSession::CloseEditFile() {
    if (Rebuilding()) return;
    TLayoutListObj* e = Entry();
    if (!e) return;
    e->fileState->CloseDataFile();
    e->recordModified = false;
    for (TRdbObj& f : fields_) f.hexDisplay = false;
    DecodeAll();
    SetOutcome(sj("編集ファイルをクローズしました。"), OutcomeKind::Success);
    Notify(&EditorObserver::FieldsChanged);
    Notify(&EditorObserver::StatusChanged);
    Notify(&EditorObserver::EnablingChanged);
}

bool RecordEditorSession::InitialiseEditFileCommand() {
    if (Rebuilding()) return false;
    if (!ShownEntry() || !layoutLoaded_) {
        messages_.Inform(sj("現在、レイアウトは何も表示されていないので\r\n編集ファイルの初期化はできません。"),
                         DefaultCaption());
        return false;
    }
    const std::string ext = DefaultDataExtension();
    const FileDialogSpec request{sj("指定のファイル名でファイルを初期化します。"),
                                 "(*" + ext + ")|*" + ext + "|(*.*)|*.*", ext, ShownEntry()->editFilePath, false};
    const std::optional<EnteredText> chosen = dialogs_.SaveFile(request);
    if (!chosen || !EnsureLossless(*chosen) || chosen->cp932.empty()) return false;
    const std::string path = AbsolutePathOf(AddDefaultExtension(chosen->cp932, ext));
    const std::string question = sj("編集するファイルを初期化します。 (空ファイルの作成)") + "\r\n\r\n" +
                                 sj("初期化を行うとファイルサイズは 【 0 byte 】 になります。") + "\r\n\r\n" +
                                 "     PATH = " + path + "\r\n\r\n" + sj("よろしいですか？");
    if (messages_.AskYesNo(question, DefaultCaption()) != Answer::Yes) return false;
    Entry()->fileState->CloseDataFile();
    if (!TFileInf::CreateEmptyFile(path)) {
        const std::string line = sj("編集中のファイルの初期化に失敗しました。");
        AfterRead();
        SetOutcome(line, OutcomeKind::Error);
        messages_.Inform(
            line + "\r\n" + sj("ファイルが存在しないか又は他で使用中です。") + "\r\n\r\n     PATH = " + path,
            DefaultCaption());
        return false;
    }
    (void)SetEditFile(EnteredText{path, true});
    SetOutcome(sj("編集中のファイルを初期化しました。"), OutcomeKind::Success);
    messages_.Inform(sj("編集ファイルを初期化しました。") + "\r\n\r\n     PATH = " + path, DefaultCaption());
    return true;
}

}  // namespace rekkan
