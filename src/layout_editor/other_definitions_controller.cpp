#include "layout_editor/other_definitions_controller.h"

#include <algorithm>

#include "layout_editor/layout_editor_controller.h"
#include "model/redefinition_view.h"
#include "util/encoding.h"
#include "util/path_names.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {

namespace {

std::vector<std::string> Texts(std::initializer_list<const char*> utf8) {
    std::vector<std::string> out;
    for (const char* t : utf8) out.push_back(sj(t));
    return out;
}

std::array<EtcListInfo, kEtcLists> BuildLists() {
    std::array<EtcListInfo, kEtcLists> lists;
    auto put = [&](EtcList list, const char* label, std::vector<std::string> items) {
        lists[static_cast<int>(list)] = {sj(label), std::move(items)};
    };
    put(EtcList::Int, "int", Texts({" short と同じ", " long  と同じ"}));
    std::vector<std::string> sizes;
    for (int i = 0; i < 8; ++i) sizes.push_back(" " + std::to_string(2 * (i + 1)) + " Byte");
    put(EtcList::Short, "short", sizes);
    put(EtcList::Long, "long", sizes);
    put(EtcList::Indent, "Level Indent", Texts({" １桁", " ２桁", " ３桁"}));
    put(EtcList::Lang, "表示する言語", Texts({" COBOL", " C", " VB"}));
    std::vector<std::string> lines;
    for (int i = 0; i < 9; ++i) lines.push_back(" " + std::to_string(1000 * (i + 2)) + sj(" 行"));
    put(EtcList::EditLine, "編集可能行数", std::move(lines));
    put(EtcList::CellEdit, "セルの編集タイプ", Texts({" １行で入力", " 複数行で入力"}));
    put(EtcList::InpTyp, "型名の入力", Texts({" 1. 項目名欄への型名入力無し", " 2. 項目名欄への型名入力有り"}));
    std::vector<std::string> formats;
    for (int f = 0; f < kViewFormatCount; ++f) formats.push_back(ViewFormatName(f));
    put(EtcList::RedPlotType, "再定義の表示方法", std::move(formats));
    std::vector<std::string> tags = Texts({" なし"});
    for (int n = 1; n <= 20; ++n) tags.push_back(" " + std::to_string(n) + sj(" 桁"));
    put(EtcList::RedTagLen, "埋め込みタグ項目の桁数", std::move(tags));
    return lists;
}

/// The settings member of each list, in list order.
constexpr std::array<int Settings::*, kEtcLists> kMembers = {
    &Settings::Cmb_Int,         &Settings::Cmb_Short,    &Settings::Cmb_Long,     &Settings::Cmb_Indent,
    &Settings::Cmb_Lang,        &Settings::Cmb_EditLine, &Settings::Cmb_CellEdit, &Settings::Cmb_InpTyp,
    &Settings::Cmb_RedPlotType, &Settings::Cmb_RedTagLen};

/// A list index the list has, else 0.
int Clamped(EtcList list, int index) {
    const int count = static_cast<int>(EtcListOf(list).items.size());
    return index >= 0 && index < count ? index : 0;
}

/// A work-file extension that would name another folder or a hidden file.
bool UnsafeExtension(const std::string& ext) {
    return FindSingleByte(ext, '/') != std::string::npos || FindSingleByte(ext, '\\') != std::string::npos ||
           ext.front() == '.';
}

}  // namespace

const EtcListInfo& EtcListOf(EtcList list) {
    static const std::array<EtcListInfo, kEtcLists> lists = BuildLists();
    return lists[static_cast<int>(list)];
}

EtcChoices EtcChoices::FromSettings(const Settings& s) {
    EtcChoices c;
    for (int l = 0; l < kEtcLists; ++l) c.lists[l] = Clamped(static_cast<EtcList>(l), s.*kMembers[l]);
    c.kinshiBack = s.Rbt_KinshiBackOn;
    c.redBack = s.Rbt_RedBackOn;
    c.editorOther = s.Rbt_EditorOther && !s.Rbt_EditorSelf;
    c.editorPath = s.Edt_EditorPath;
    c.workExt = s.Edt_EditorWorkExt;
    return c;
}

OtherDefinitionsController::OtherDefinitionsController(LayoutEditorController& editor, MessageSink& messages,
                                                       ToolShell& shell)
    : editor_(editor),
      settings_(editor.SharedSettings()),
      messages_(messages),
      shell_(shell),
      choices_(EtcChoices::FromSettings(settings_)) {}

namespace {

std::string TakeTyped(std::string& choice, const std::string& cp932, bool lossless) {
    if (!lossless) return sj("Shift-JIS (CP932) にない文字は使えません。");
    choice = cp932;
    return {};
}

}  // namespace

std::string OtherDefinitionsController::TypeEditorPath(const std::string& cp932, bool lossless) {
    return TakeTyped(choices_.editorPath, cp932, lossless);
}

std::string OtherDefinitionsController::TypeWorkExtension(const std::string& cp932, bool lossless) {
    return TakeTyped(choices_.workExt, cp932, lossless);
}

std::string OtherDefinitionsController::WorkFileName() const {
    const std::string name = FileNameOf(editor_.WorkFilePath());
    return name.substr(0, name.rfind('.'));
}

bool OtherDefinitionsController::AskTruncate(int count) {
    const std::string warning = sj("<< 注意 >>") + "\r\r" + sj("編集可能行数以降は破棄されます。") + "\r\r" + "(" +
                                std::to_string(count) + sj(" 行目以降は破棄されます)") + "\r\r" +
                                sj("よろしいですか？");
    return messages_.AskYesNo(warning, DefaultCaption()) == Answer::Yes;
}

void OtherDefinitionsController::TruncateRows(int count) {
    LayoutEditorModel& model = editor_.Model();
    LayoutDocument& doc = editor_.Document();
    // Ranges and undo steps may name the rows that go.
    model.ClearRange();
    model.ClearHistory();
    doc.items.resize(static_cast<std::size_t>(count));
    doc.modified = true;
    if (model.CursorRow() >= count) model.SetCursor(count - 1, model.CursorColumn());
    if (model.TopRow() >= count) model.SetGridWindow(std::max(0, count - model.VisibleRows()), model.VisibleRows());
}

void OtherDefinitionsController::Store() {
    for (int l = 0; l < kEtcLists; ++l) settings_.*kMembers[l] = Clamped(static_cast<EtcList>(l), choices_.lists[l]);
    settings_.Rbt_KinshiBackOn = choices_.kinshiBack;
    settings_.Rbt_KinshiBackOff = !choices_.kinshiBack;
    settings_.Rbt_RedBackOn = choices_.redBack;
    settings_.Rbt_RedBackOff = !choices_.redBack;
    settings_.Rbt_EditorOther = choices_.editorOther;
    settings_.Rbt_EditorSelf = !choices_.editorOther;
    settings_.Edt_EditorPath = choices_.editorPath;
    settings_.Edt_EditorWorkExt = choices_.workExt;
}

bool OtherDefinitionsController::Update() {
    if (messages_.AskYesNo(sj("その他の定義を更新します。") + "\r\n\r\n" + sj("よろしいですか？"), DefaultCaption()) !=
        Answer::Yes)
        return false;
    const int lines = EditableLineCountForChoice(Clamped(EtcList::EditLine, choices_[EtcList::EditLine]));
    const bool truncate = lines <= editor_.Document().Count();
    if (truncate && !AskTruncate(lines)) return false;
    // The view is left while the layout changes and entered again once the layout follows the
    // new settings: truncating the view's rows instead would bring back more rows than the new
    // count when the view is left.
    LayoutEditorModel& model = editor_.Model();
    const bool inView = model.View() != nullptr;
    if (inView) model.LeaveView();
    if (truncate) TruncateRows(lines);
    choices_.editorPath = Trim(choices_.editorPath);
    const std::string ext = Trim(choices_.workExt);
    if (ext.empty()) {
        choices_.workExt = "cpp";
    } else if (UnsafeExtension(ext)) {
        messages_.Inform(sj("編集用 ﾜｰｸﾌｧｲﾙの拡張子に 「/」「\\」 や先頭の 「.」 は使えません。") + "\r\n\r\n" +
                             sj("拡張子は 「") + settings_.Edt_EditorWorkExt + sj("」 のままにします。"),
                         DefaultCaption(), MessageIcon::Warning);
        choices_.workExt = settings_.Edt_EditorWorkExt;
    } else {
        choices_.workExt = ext;
    }
    Store();
    editor_.SettingsChanged();
    if (inView) model.EnterView();
    messages_.Inform(sj("その他の定義を更新しました。"), DefaultCaption(), MessageIcon::Information);
    return true;
}

bool OtherDefinitionsController::BrowseEditor() {
    const std::string current = Trim(choices_.editorPath);
    FileDialogRequest request{sj("使用するエディタのパスを指定して下さい。"), "(*.exe)|*.exe|(*.*)|*.*",
                              current.empty() ? editor_.ProgramFolderText() : FolderOf(current),
                              current.empty() ? std::string() : FileNameOf(current)};
    const std::string chosen = Trim(shell_.AskOpenPath(request));
    if (chosen.empty()) return false;
    choices_.editorPath = chosen;
    settings_.Edt_EditorPath = chosen;
    return true;
}

bool OtherDefinitionsController::ViewShown() const { return editor_.Model().View() != nullptr; }

bool OtherDefinitionsController::SetViewShown(bool shown) {
    LayoutEditorModel& model = editor_.Model();
    return shown ? model.EnterView() : model.LeaveView();
}

}  // namespace rekkan
