#include "layout_editor/layout_commands.h"

#include <filesystem>

#include "model/layout_file.h"
#include "util/encoding.h"
#include "util/file_util.h"
#include "util/path_names.h"
#include "util/replacing_file.h"
#include "util/sjis.h"
#include "util/text.h"

namespace rekkan {

std::string DirectSavePath(const LayoutDocument& doc, bool saveAs) {
    if (saveAs || Trim(doc.path).empty()) return {};
    return doc.legacy ? ReplaceExtension(doc.path, ".kvl") : doc.path;
}

DialogProposal ProposeLayoutDialog(const LayoutDocument& doc, const Settings& settings,
                                   const std::string& programFolder) {
    if (!Trim(doc.path).empty()) {
        const std::string path = doc.legacy ? ReplaceExtension(doc.path, ".kvl") : doc.path;
        return {FolderOf(path), FileNameOf(path)};
    }
    std::string folder = Trim(settings.Path_Rdf).empty() ? programFolder : FolderOf(settings.Path_Rdf);
    if (folder.empty()) folder = programFolder;
    return {folder, "*.kvl"};
}

std::string SaveDialogTitle() { return sj("指定のファイル名でレイアウトを保存します。"); }
std::string SaveDialogFilter() { return "(*.kvl)|*.kvl|(*.*)|*.*"; }
std::string OpenDialogTitle() { return sj("指定のレイアウトを読み込みます。"); }
std::string OpenDialogFilter() { return "(*.kvl;*.lay)|*.kvl;*.lay|(*.kvl)|*.kvl|(*.lay)|*.lay|(*.*)|*.*"; }

bool SaveLayout(LayoutDocument& doc, std::string path, Settings& settings, MessageSink& messages) {
    path = Trim(path);
    if (path.empty()) return false;
    if (doc.legacy) path = ReplaceExtension(path, ".kvl");
    if (FindNoCase(FileNameOf(path), ".lay") != std::string_view::npos) {
        messages.Inform(
            sj("「*.lay」では保存できません。(16Bit版の識別子の為)") + "\r\n\r\n" + sj("     PATH = ") + path,
            DefaultCaption(), MessageIcon::Warning);
        return false;
    }
    path = AddDefaultExtension(path, ".kvl");
    if (messages.AskYesNo(sj("編集中の内容を下記のファイル名で保存します。") + "\r\n\r\n" + sj("     PATH = ") + path,
                          DefaultCaption()) != Answer::Yes)
        return false;
    if (!WriteFileReplacing(path, FormatLayoutFile(doc))) {
        messages.Inform(sj("<< エラー >>") + "\r\r" +
                            sj("ファイルに書き込めませんでした。元のファイルはそのまま残っています。") + "\r\r" +
                            sj("     PATH = ") + path,
                        DefaultCaption(), MessageIcon::Error);
        return false;
    }
    doc.path = path;
    settings.Path_Rdf = path;
    doc.modified = false;
    return true;
}

bool AskSaveBeforeOpen(const LayoutDocument& doc, MessageSink& messages) {
    if (!doc.modified) return false;
    return messages.AskYesNo(sj("レイアウトの内容が変更されています。\r\n\r\n保存しますか？"), DefaultCaption()) ==
           Answer::Yes;
}

bool OpenLayout(LayoutDocument& doc, const std::string& path, Settings& settings, MessageSink& messages,
                std::string& notice, bool legacyNotice) {
    settings.Path_Rdf = path;
    const LayoutReadResult read = ReadLayoutFile(doc, path, legacyNotice, messages);
    notice = read.notice;
    if (!read.ok) return false;
    doc.modified = false;
    doc.path = path;
    NormaliseAll(doc);
    return true;
}

bool InitialiseLayout(LayoutDocument& doc, LangPriority priority, MessageSink& messages, bool ask) {
    if (ask && messages.AskYesNo(sj("レイアウトの内容を初期化します。\r\n\r\nよろしいですか？"), DefaultCaption()) !=
                   Answer::Yes)
        return false;
    SetSampleLayout(doc, priority);
    doc.modified = ask;
    return true;
}

}  // namespace rekkan
