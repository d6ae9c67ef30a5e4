#include "tools/help_texts.h"

#include "util/encoding.h"
#include "util/text.h"
#include "util/version.h"

namespace rekkan {

const std::vector<HelpItem>& HelpItems() {
    static const std::vector<HelpItem> items = {
        {sj(" 1. Rekkan について"), HelpAction::About, ""},
        {sj(" 2. Rekkan 始めに "), HelpAction::Document, "Doc_Rekkan_Begin.Txt"},
        {sj(" 3. Rekkan 簡単な使い方"), HelpAction::Document, "Doc_Rekkan_FirstStep.Txt"},
        {sj(" 4. Rekkan ガイド１ (ファイルの編集)"), HelpAction::Document, "Doc_Rekkan_Guide1.Txt"},
        {sj(" 5. Rekkan ガイド２ （レイアウトの編集)"), HelpAction::Document, "Doc_Rekkan_Guide2.Txt"},
        {sj(" 6. Rekkan ガイド３ （Editor)"), HelpAction::Document, "Doc_Rekkan_Guide3.Txt"},
        {sj(" 7. Rekkan 構造体の取り込みについて"), HelpAction::StructImport, ""},
        {sj(" 8. Rekkan 構造体の規約について"), HelpAction::Document, "Doc_Rekkan_StructRule.Txt"},
        {sj(" 9. Rekkan 項目型の表記法の定義について "), HelpAction::TypeNotation, ""},
        {sj("10. Rekkan 改版時の定義内容の引継ぎについて"), HelpAction::CarryOver, ""},
        {sj("11. Rekkan 改版履歴"), HelpAction::Document, "Doc_Rekkan_History.Txt"},
        {sj("13. 作者のホームページ"), HelpAction::HomePage, ""},
    };
    return items;
}

namespace {

std::string Lines(std::initializer_list<std::string_view> utf8Lines) {
    std::string out;
    for (std::string_view line : utf8Lines) WriteLine(out, sj(line));
    return out;
}

}  // namespace

std::string AboutText() {
    std::string frame;
    for (int i = 0; i < 37; ++i) frame += "□";
    std::string out;
    WriteLine(out, sj(frame));
    WriteLine(out, sj("□"));
    WriteLine(out, sj("□  Rekkan  Ver ") + kVersion);
    WriteLine(out, sj("□    ファイルレイアウトによるバイナリファイル編集ソフト"));
    WriteLine(out, sj(frame));
    return out;
}

std::string StructImportText() {
    return Lines({
        "1. 構造体の取り込みについて",
        "",
        "  レイアウトエディタの「構造体の取り込み」ウィンドウで、言語のボタン",
        "  （COBOL / C / VB）を押してソースファイルを選ぶと、そのファイルに",
        "  含まれる構造体が一覧に表示されます。一覧から選んだ構造体が",
        "  レイアウトとして取り込まれます。",
        "",
        "2. ClipBoard -> TextFile",
        "",
        "  「ClipBoard -> TextFile」ボタンは、クリップボードのテキストを",
        "  テキストファイル \"morvane.clp\" に書き出し、そのファイルを取り込みの",
        "  対象にします。エディタなどでコピーした構造体をそのまま取り込めます。",
        "",
        "3. ファイルのドロップ",
        "",
        "  レイアウトエディタのウィンドウにソースファイルをドロップすると、",
        "  直接取り込みます。言語はファイルの先頭 1000 バイトで判断します。",
        "    \"struct\" があれば C",
        "    \" As \" があれば VB",
        "    \" PIC \" または \" PICTURE \" があれば COBOL",
    });
}

std::string TypeNotationText(std::string_view typeFileName) {
    std::string out = Lines({
        "項目型の表記法の定義について",
        "",
        "  項目型の表記法は「項目型の表記法」ウィンドウで変更できます。",
        "  レイアウトの作図では \"< xxx >\" の形の表記法が使われます。",
        "",
        "  定義はテキストファイルに保存されます。どのエディタで編集しても",
        "  かまいません。",
        "",
    });
    WriteLine(out, sj("  定義ファイル = ") + std::string(typeFileName));
    return out;
}

std::string CarryOverText(std::string_view settingsPath, std::string_view typePath) {
    std::string out = Lines({
        "Rekkan 改版時の定義内容の引継ぎについて",
        "",
        "  新しい版をインストールするときは、次のファイルをバックアップして",
        "  おき、インストールの後で元の場所に戻すと、定義内容を引き継げます。",
        "",
        "  (1) Rekkan 動作環境",
    });
    WriteLine(out, "      PATH = " + std::string(settingsPath));
    WriteLine(out, "");
    WriteLine(out, sj("  (2) 項目型の表記法の定義"));
    WriteLine(out, "      PATH = " + std::string(typePath));
    return out;
}

std::string BrowserFailedMessage() { return sj("ブラウザの起動を失敗しました。"); }

}  // namespace rekkan
