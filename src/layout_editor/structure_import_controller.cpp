#include "layout_editor/structure_import_controller.h"

#include <algorithm>

#include "lang/clipboard_file.h"
#include "layout_editor/clipboard.h"
#include "layout_editor/layout_editor_controller.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {

StructureImportController::StructureImportController(LayoutEditorController& editor, MessageSink& messages,
                                                     Clipboard& clipboard, StructureImportShell& shell)
    : editor_(editor), messages_(messages), clipboard_(clipboard), shell_(shell) {}

void StructureImportController::SetSequenceDigits(int digits) {
    editor_.SharedSettings().Cmb_CobSeq = std::clamp(digits, 0, 10);
}
void StructureImportController::SetValidColumns(int columns) {
    editor_.SharedSettings().Cmb_CobValid = std::clamp(columns, 0, 512);
}
void StructureImportController::SetCommentValidColumns(int columns) {
    editor_.SharedSettings().Cmb_CobCmtValid = std::clamp(columns, 0, 512);
}
void StructureImportController::SetCommentMarker(const std::string& text) {
    editor_.SharedSettings().Edt_CobCmtStr = Trim(text);
}
void StructureImportController::SetIgnoredCharacters(const std::string& text) {
    editor_.SharedSettings().Edt_CobCmtTrim = Trim(text);
}
void StructureImportController::SetArrayGroups(bool on) { editor_.SharedSettings().Chk_AryExt = on; }

bool StructureImportController::SetSameStructure(bool same) {
    std::string error;
    const bool ok = editor_.Import().SwitchRedefinitionMode(same, error);
    Refill();
    if (!ok) messages_.Inform(error, DefaultCaption(), MessageIcon::Error);
    return ok;
}

FileDialogRequest StructureImportController::DialogFor(SourceLanguage language) const {
    FileDialogRequest r;
    switch (language) {
    case SourceLanguage::Cobol:
        r.title = sj("指定の ＣＯＢＯＬソースから構造体を取り込みます。");
        r.filter = "(*.cob;*.cbl;*.clp)|*.cob;*.cbl;*.clp|(*.cpy)|*.cpy|(*.txt)|*.txt|(*.*)|*.*";
        break;
    case SourceLanguage::C:
        r.title = sj("指定の Ｃソースから構造体を取り込みます。");
        r.filter = "(*.h;*.clp)|*.h;*.clp|(*.c)|*.c|(*.cpp)|*.cpp|(*.*)|*.*";
        break;
    case SourceLanguage::Vb:
        r.title = sj("指定の ＶＢソースから構造体を取り込みます。");
        r.filter = "(*.txt;*.clp;*.vb)|*.txt;*.clp;*.vb|(*.bas)|*.bas|(*.*)|*.*";
        break;
    }
    const std::string last = Trim(editor_.SharedSettings().Path_Hed);
    const std::size_t slash = last.rfind('/');
    r.folder = slash == std::string::npos ? editor_.ProgramFolderText() : last.substr(0, slash);
    r.fileName = Trim(editor_.Import().SourcePath());
    return r;
}

bool StructureImportController::ChooseAndScan(SourceLanguage language) {
    const std::string path = shell_.AskSourcePath(DialogFor(language));
    if (Trim(path).empty()) return false;
    return ScanPath(language, path);
}

bool StructureImportController::ScanPath(SourceLanguage language, const std::string& cp932Path) {
    std::string error;
    const bool ok = editor_.Import().Scan(language, cp932Path, error);
    Refill();
    if (!ok) messages_.Inform(error, DefaultCaption(), MessageIcon::Error);
    return ok;
}

void StructureImportController::Refill() {
    lines_ = editor_.Import().ListLines();
    message_ = editor_.Import().ListMessage();
}

std::string StructureImportController::FileLabel() const { return Trim(editor_.Import().SourcePath()); }

bool StructureImportController::Ok(int index) {
    if (index < 0 || index >= static_cast<int>(lines_.size())) return false;
    // The import resets the undo history: unsaved work would be lost without this question.
    if (!editor_.SaveBeforeReplacing()) return false;
    if (!editor_.Import().Import(index, editor_.Document())) return false;
    report_ = FormatImportReport(editor_.Import().Session().notes);
    shell_.ImportFinished();
    if (!report_.empty()) messages_.Inform(report_, DefaultCaption(), MessageIcon::Warning);
    return true;
}

std::string StructureImportController::ClipboardPath() const {
    const std::string& folder = editor_.ProgramFolderText();
    return folder.empty() ? "morvane.clp" : folder + "/morvane.clp";
}

bool StructureImportController::ClipboardToFile(bool append) {
    const std::optional<std::string> text = clipboard_.Text();
    if (!text || text->empty()) {
        messages_.Inform(sj("クリップボードにテキストがありません。"), DefaultCaption());
        return false;
    }
    const std::string path = ClipboardPath();
    if (messages_.AskYesNo(ClipboardQuestion(path, append, *text), DefaultCaption()) != Answer::Yes) return false;
    if (!WriteClipboardFile(path, *text, append)) {
        messages_.Inform(sj("ファイルに書き込めませんでした。") + "\r\n\r\n   PATH = " + path, DefaultCaption(),
                         MessageIcon::Error);
        return false;
    }
    shell_.ShowWrittenNotice(sj("★出力しました。 "), path);
    return true;
}

std::string FormatImportReport(const std::vector<ImportNote>& notes) {
    if (notes.empty()) return {};
    std::string text = sj("項目にならなかった行と、桁数を推定した項目があります。") + "\r\n";
    for (const ImportNote& n : notes) {
        text += "\r\n" + (n.line > 0 ? sj("行 ") + std::to_string(n.line) : std::string("-")) + ": " + Trim(n.text) +
                "  -- " + n.reason;
    }
    return text;
}

}  // namespace rekkan
