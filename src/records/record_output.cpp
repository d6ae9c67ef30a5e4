#include "records/record_output.h"

#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {

std::string OutputExtension(RecordOutputKind kind) { return kind == RecordOutputKind::List ? ".lst" : ".csv"; }

std::string OutputDialogTitle(RecordOutputKind kind) {
    switch (kind) {
        case RecordOutputKind::List: return sj("指定のファイル名でテキスト形式で出力します。");
        case RecordOutputKind::Csv: return sj("指定のファイル名でＣＳＶ形式で出力します。");
        case RecordOutputKind::Tofgen: return sj("指定のファイル名で Tofgen の制御文を出力します。");
    }
    return {};
}

std::string OutputFilter(RecordOutputKind kind) {
    return kind == RecordOutputKind::List ? "(*.lst)|*.lst|(*.txt)|*.txt|(*.*)|*.*" : "(*.csv)|*.csv|(*.*)|*.*";
}

std::string OutputQuestion(RecordOutputKind kind, std::string_view cp932Path) {
    std::string text;
    switch (kind) {
        case RecordOutputKind::List: text = sj("編集中のレコード内容をテキスト形式で\r\n\r\n下記のファイルに出力します。"); break;
        case RecordOutputKind::Csv: text = sj("編集中のレコード内容をＣＳＶ形式で\r\n\r\n下記のファイルに出力します。"); break;
        case RecordOutputKind::Tofgen: text = sj("表示中のレイアウトの Tofgen の制御文を\r\n\r\n下記のファイルに出力します。"); break;
    }
    return text + "\r\n" + "\r\n" + "     PATH = " + std::string(cp932Path);
}

std::string ReplaceExtension(std::string_view cp932Path, std::string_view extension) {
    const std::size_t slash = cp932Path.find_last_of('/');
    const std::size_t dot = cp932Path.find_last_of('.');
    const bool hasExt = dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
    return std::string(hasExt ? cp932Path.substr(0, dot) : cp932Path) + std::string(extension);
}

std::string DefaultOutputPath(RecordOutputKind kind, std::string_view editFilePath, std::string_view programFolder) {
    const std::string edit = Trim(editFilePath);
    if (!edit.empty()) return ReplaceExtension(edit, OutputExtension(kind));
    std::string folder(programFolder);
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder + (kind == RecordOutputKind::List ? "Rekkan.lst" : "Rekkan.csv");
}

std::string NoLayoutForOutputMessage() { return sj("現在、レイアウトは何も表示されていないので出力できません。"); }
std::string NoLayoutForPrintMessage() { return sj("現在、レイアウトは何も表示されていないので印刷できません。"); }
std::string OutputDoneCaption() { return sj("★出力しました。 "); }

}  // namespace rekkan
