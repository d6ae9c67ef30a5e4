#include "layout_editor/language_output_controller.h"

#include <array>

#include "layout_editor/layout_editor_controller.h"
#include "util/encoding.h"
#include "util/text.h"

namespace rekkan {

namespace {

/// Two blanks, `n` right-aligned in two characters, then `unit`: "   8 桁目".
std::string Numbered(int n, const char* unit) {
    std::string number = std::to_string(n);
    if (number.size() < 2) number.insert(0, 2 - number.size(), ' ');
    return "  " + number + sj(unit);
}

/// Two blanks and `n` zero-padded to two digits: "  01".
std::string TwoDigits(int n) { return std::string("  ") + (n < 10 ? "0" : "") + std::to_string(n); }

std::vector<std::string> Texts(std::initializer_list<const char*> utf8) {
    std::vector<std::string> out;
    for (const char* t : utf8) out.push_back(sj(t));
    return out;
}

std::array<CobolOptionList, kCobolOptionBoxes> BuildLists() {
    std::array<CobolOptionList, kCobolOptionBoxes> lists;
    auto put = [&](CobolOptionBox box, const char* key, const char* label, std::vector<std::string> items) {
        lists[static_cast<int>(box)] = {key, sj(label), std::move(items)};
    };
    put(CobolOptionBox::Comments, "Cmb_CobCmt", "コメント有無", Texts({"  無し", "  有り"}));
    std::vector<std::string> commentColumns = Texts({"  変数名と同じ", "  PIC   と同じ", "  レベルと同じ"});
    for (int column = 8; column <= 80; ++column) commentColumns.push_back(Numbered(column, " 桁目"));
    put(CobolOptionBox::CommentColumn, "Cmb_CobKP", "コメント位置", std::move(commentColumns));
    std::vector<std::string> picColumns;
    for (int column = 8; column <= 47; ++column) picColumns.push_back(Numbered(column, " 桁目"));
    put(CobolOptionBox::PicColumn, "Cmb_CobPP", "PIC 句の位置", std::move(picColumns));
    std::vector<std::string> indents;
    for (int blanks = 1; blanks <= 3; ++blanks) indents.push_back(Numbered(blanks, " 桁"));
    put(CobolOptionBox::Indent, "Cmb_CobID", "インデント", std::move(indents));
    put(CobolOptionBox::Packed, "Cmb_CobPK", "パック項目の表記", Texts({"  COMP-3", "  PACKED-DECIMAL"}));
    std::vector<std::string> numbers;
    for (int n = 1; n <= 20; ++n) numbers.push_back(TwoDigits(n));
    put(CobolOptionBox::LevelStart, "Cmb_CobSN", "レベルの開始番号", numbers);
    put(CobolOptionBox::LevelStep, "Cmb_CobIV", "レベルの増分値", numbers);
    std::vector<std::string> blankLines;
    for (int n = 0; n <= 10; ++n) blankLines.push_back(Numbered(n, " 行"));
    put(CobolOptionBox::BlankLines, "Cmb_CobCR", "項目間の空行数", std::move(blankLines));
    put(CobolOptionBox::Japanese, "Cmb_CobJpn", "日本語項目の表記", Texts({" PIC N(n)", " PIC G(n) DISPLAY-1"}));
    put(CobolOptionBox::Comp12Pic, "Cmb_Comp12Pic", "COMP-1,2のPIC有無", Texts({" PIC 有り", " PIC 無し"}));
    return lists;
}

/// The settings member of each list, in list order.
constexpr std::array<int Settings::*, kCobolOptionBoxes> kMembers = {
    &Settings::Cmb_CobCmt, &Settings::Cmb_CobKP, &Settings::Cmb_CobPP, &Settings::Cmb_CobID,  &Settings::Cmb_CobPK,
    &Settings::Cmb_CobSN,  &Settings::Cmb_CobIV, &Settings::Cmb_CobCR, &Settings::Cmb_CobJpn, &Settings::Cmb_Comp12Pic};

}  // namespace

const CobolOptionList& CobolOptionListOf(CobolOptionBox box) {
    static const std::array<CobolOptionList, kCobolOptionBoxes> lists = BuildLists();
    return lists[static_cast<int>(box)];
}

LanguageOutputController::LanguageOutputController(LayoutEditorController& editor, MessageSink& messages,
                                                   ToolShell& shell)
    : editor_(editor), settings_(editor.SharedSettings()), messages_(messages), shell_(shell) {}

int LanguageOutputController::Choice(CobolOptionBox box) const {
    const int index = settings_.*kMembers[static_cast<int>(box)];
    const int count = static_cast<int>(CobolOptionListOf(box).items.size());
    return index >= 0 && index < count ? index : 0;
}

void LanguageOutputController::SetChoice(CobolOptionBox box, int index) {
    std::array<int, kCobolOptionBoxes> choices{};
    for (int b = 0; b < kCobolOptionBoxes; ++b) choices[b] = Choice(static_cast<CobolOptionBox>(b));
    const int count = static_cast<int>(CobolOptionListOf(box).items.size());
    if (index >= 0 && index < count) choices[static_cast<int>(box)] = index;
    for (int b = 0; b < kCobolOptionBoxes; ++b) settings_.*kMembers[b] = choices[b];
}

LayoutOutputRequest LanguageOutputController::Request(OutputLanguage language) const {
    LayoutOutputRequest request;
    request.proposedPath = editor_.ProposedOutputPath(LanguageOutputNaming(language));
    switch (language) {
    case OutputLanguage::C:
        request.title = sj("指定のファイル名でＣ言語形式で出力します。");
        request.filter = "(*.h)|*.h|(*.*)|*.*";
        request.questionHead = sj("編集中の内容をＣ言語形式で下記のファイルに出力します。");
        break;
    case OutputLanguage::Vb:
        request.title = sj("指定のファイル名でＶＢ言語形式で出力します");
        request.filter = "(*.vb;*.txt)|*.vb;*.txt|(*.*)|*.*";
        request.questionHead = sj("編集中の内容をＶＢ言語形式で下記のファイルに出力します。");
        break;
    case OutputLanguage::Cobol:
        request.title = sj("指定のファイル名でＣＯＢＯＬ言語形式で出力します。");
        request.filter = "(*.cob;*.cbl)|*.cob;*.cbl|(*.cpy)|*.cpy|(*.txt)|*.txt|(*.*)|*.*";
        request.questionHead = sj("編集中の内容をＣＯＢＯＬ言語形式で下記のファイルに出力します。");
        break;
    }
    return request;
}

LayoutOutputRun LanguageOutputController::Write(OutputLanguage language) {
    return RunLayoutOutput(
        Request(language), [&] { return editor_.LanguageText(language); }, messages_, shell_, &written_);
}

}  // namespace rekkan
