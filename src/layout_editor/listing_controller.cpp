#include "layout_editor/listing_controller.h"

#include <array>

#include "layout_editor/layout_editor_controller.h"
#include "tools/redefinition_listing.h"
#include "util/encoding.h"

namespace rekkan {

namespace {

struct BoxEntry {
    const char* caption;
    bool Settings::*member;
};

constexpr std::array<BoxEntry, kListingBoxes> kBoxes = {{
    {"タイトル", &Settings::Csv_Chk_Title},
    {"Ｐｒｅｆｉｘ", &Settings::Csv_Chk_Prefix},
    {"項目見出し", &Settings::Csv_Chk_Guide},
    {"SEQ", &Settings::Csv_Chk_Seq},
    {"位置", &Settings::Csv_Chk_Pos},
    {"レベル番号", &Settings::Csv_Chk_Lvl},
    {"レベルによるインデント", &Settings::Csv_Chk_Indent},
    {"レベルと項目を連結(CSV)", &Settings::Csv_Chk_LvlConnect},
    {"項目名", &Settings::Csv_Chk_Kom},
    {"Variable.Name", &Settings::Csv_Chk_Vnm},
    {"再定義", &Settings::Csv_Chk_Red},
    {"型名", &Settings::Csv_Chk_Typ},
    {"繰返数", &Settings::Csv_Chk_Rpt},
    {"桁数", &Settings::Csv_Chk_Byt},
    {"小数桁数", &Settings::Csv_Chk_Syo},
    {"備考", &Settings::Csv_Chk_Bko},
}};

}  // namespace

std::string ListingBoxCaption(ListingBox box) { return sj(kBoxes[static_cast<int>(box)].caption); }

ListingController::ListingController(LayoutEditorController& editor, MessageSink& messages, ToolShell& shell)
    : editor_(editor), settings_(editor.SharedSettings()), messages_(messages), shell_(shell) {
    csv_ = settings_.Csv_Rbt_Csv && !settings_.Csv_Rbt_Text;
    for (int b = 0; b < kListingBoxes; ++b) boxes_[b] = settings_.*kBoxes[b].member;
}

void ListingController::SetCsv(bool csv) {
    csv_ = csv;
    Store();
}

void ListingController::SetBox(ListingBox box, bool checked) {
    boxes_[static_cast<int>(box)] = checked;
    Store();
}

void ListingController::Store() {
    if (!shown_) return;
    settings_.Csv_Rbt_Csv = csv_;
    settings_.Csv_Rbt_Text = !csv_;
    for (int b = 0; b < kListingBoxes; ++b) settings_.*kBoxes[b].member = boxes_[b];
}

std::string ListingController::ListingText() const {
    // The boxes as shown, also before the first show has started storing them.
    Settings shown = settings_;
    for (int b = 0; b < kListingBoxes; ++b) shown.*kBoxes[b].member = boxes_[b];
    ListingOptions options = ListingOptions::FromSettings(shown);
    options.csv = csv_;
    const LayoutEditorModel& model = editor_.Model();
    TypeNotation& types = editor_.Types();
    if (const RedefinitionViewDocument* view = model.View()) {
        const ListingSource source = ViewListingSource(*view, types);
        return csv_ ? FormatCsvListing(source, options) : FormatTextListing(source, options);
    }
    ListingSource source;
    (void)PrepareListingSource(editor_.Document(), types, source);  // a failed pass still gives the positions reached
    return csv_ ? FormatCsvListing(source, options) : FormatTextListing(source, options);
}

LayoutOutputRequest ListingController::Request() const {
    LayoutOutputRequest request;
    request.proposedPath = editor_.ProposedOutputPath(ListingNaming(csv_));
    request.title =
        csv_ ? sj("指定のファイル名でＣＳＶ形式で出力します。") : sj("指定のファイル名でテキスト形式で出力します。");
    request.filter = csv_ ? "(*.csv)|*.csv|(*.*)|*.*" : "(*.txt)|*.txt|(*.*)|*.*";
    request.questionHead = csv_ ? sj("編集中の内容をCSV 形式で下記のファイルに出力します。")
                                : sj("編集中の内容をテキスト形式で下記のファイルに出力します。");
    return request;
}

LayoutOutputRun ListingController::Execute() {
    return RunLayoutOutput(
        Request(), [&] { return ListingText(); }, messages_, shell_, &written_);
}

}  // namespace rekkan
