#include "records/record_output.h"

#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {

OutputNaming RecordOutputNaming(RecordOutputKind kind) {
    if (kind == RecordOutputKind::List) return {".lst", "Rekkan.lst"};
    return {".csv", "Rekkan.csv"};
}

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
    case RecordOutputKind::List:
        text = sj("編集中のレコード内容をテキスト形式で\r\n\r\n下記のファイルに出力します。");
        break;
    case RecordOutputKind::Csv:
        text = sj("編集中のレコード内容をＣＳＶ形式で\r\n\r\n下記のファイルに出力します。");
        break;
    case RecordOutputKind::Tofgen:
        text = sj("表示中のレイアウトの Tofgen の制御文を\r\n\r\n下記のファイルに出力します。");
        break;
    }
    return text + "\r\n" + "\r\n" + "     PATH = " + std::string(cp932Path);
}

std::string NoLayoutForOutputMessage() { return sj("現在、レイアウトは何も表示されていないので出力できません。"); }
std::string NoLayoutForPrintMessage() { return sj("現在、レイアウトは何も表示されていないので印刷できません。"); }

}  // namespace rekkan
