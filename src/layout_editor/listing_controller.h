#pragma once

#include <string>

#include "layout_editor/layout_output.h"
#include "layout_editor/tool_shell.h"
#include "model/settings.h"
#include "tools/layout_listing.h"
#include "util/messages.h"

namespace rekkan {

class LayoutEditorController;

/// The sixteen check boxes of the text/CSV listing window, in the window's order.
enum class ListingBox {
    Title,
    Prefix,
    Guide,
    Seq,
    Pos,
    Lvl,
    Indent,
    LvlConnect,
    Kom,
    Vnm,
    Red,
    Typ,
    Rpt,
    Byt,
    Syo,
    Bko
};
inline constexpr int kListingBoxes = 16;

/// Caption of a check box ("タイトル" ...), CP932.
[[nodiscard]] std::string ListingBoxCaption(ListingBox box);

/// The logic of the text/CSV listing window ("編集内容を Ｔｅｘｔ／Ｃｓｖ 形式で出力する"): the
/// TEXT/CSV pair and the sixteen check boxes, each stored into the settings as soon as it
/// changes once the window was first shown, and "実行" writing the listing of the layout the
/// layout editor shows (in the redefinition view, the view's listing).
class ListingController {
public:
    ListingController(LayoutEditorController& editor, MessageSink& messages, ToolShell& shell);

    /// The first show: from now on each change is stored at once.
    void FirstShow() { shown_ = true; }
    [[nodiscard]] bool Shown() const { return shown_; }

    /// "CSV 形式" selected (else "TEXT 形式").
    [[nodiscard]] bool Csv() const { return csv_; }
    void SetCsv(bool csv);
    [[nodiscard]] bool Box(ListingBox box) const { return boxes_[static_cast<int>(box)]; }
    void SetBox(ListingBox box, bool checked);

    /// "実行": the text or CSV listing written through the dialog, the question and the viewer.
    LayoutOutputRun Execute();
    /// The listing "実行" writes, made now.
    [[nodiscard]] std::string ListingText() const;
    /// The file last written (empty before).
    [[nodiscard]] const std::string& WrittenPath() const { return written_; }
    [[nodiscard]] LayoutOutputRequest Request() const;

private:
    void Store();

    LayoutEditorController& editor_;
    Settings& settings_;
    MessageSink& messages_;
    ToolShell& shell_;
    bool csv_ = false;
    bool boxes_[kListingBoxes] = {};
    bool shown_ = false;
    std::string written_;
};

}  // namespace rekkan
