#pragma once

#include <string>
#include <vector>

#include "lang/lang_output.h"
#include "layout_editor/layout_output.h"
#include "layout_editor/tool_shell.h"
#include "model/settings.h"
#include "util/messages.h"

namespace rekkan {

class LayoutEditorController;

/// The ten option lists of the COBOL form, in the window's order.
enum class CobolOptionBox {
    Comments,       ///< Cmb_CobCmt "コメント有無"
    CommentColumn,  ///< Cmb_CobKP "コメント位置"
    PicColumn,      ///< Cmb_CobPP "PIC 句の位置"
    Indent,         ///< Cmb_CobID "インデント"
    Packed,         ///< Cmb_CobPK "パック項目の表記"
    LevelStart,     ///< Cmb_CobSN "レベルの開始番号"
    LevelStep,      ///< Cmb_CobIV "レベルの増分値"
    BlankLines,     ///< Cmb_CobCR "項目間の空行数"
    Japanese,       ///< Cmb_CobJpn "日本語項目の表記"
    Comp12Pic,      ///< Cmb_Comp12Pic "COMP-1,2のPIC有無"
};
inline constexpr int kCobolOptionBoxes = 10;

/// One option list: its settings key, label and item texts (CP932).
struct CobolOptionList {
    std::string key;
    std::string label;
    std::vector<std::string> items;
};
/// The list of `box`.
[[nodiscard]] const CobolOptionList& CobolOptionListOf(CobolOptionBox box);

/// The logic of the language output window ("Morvane for Rekkan 言語形式への変換出力"): the ten
/// COBOL option lists kept in the settings, and the C, VB and COBOL outputs of the layout the
/// layout editor shows, each through the save dialog, the question, the file and the viewer.
class LanguageOutputController {
public:
    LanguageOutputController(LayoutEditorController& editor, MessageSink& messages, ToolShell& shell);

    /// Selected index of `box` as the settings hold it (an index outside the list counts as 0).
    [[nodiscard]] int Choice(CobolOptionBox box) const;
    /// A list changed: all ten indexes are stored into the settings at once.
    void SetChoice(CobolOptionBox box, int index);

    /// The C, VB or COBOL button.
    LayoutOutputRun Write(OutputLanguage language);
    /// The file last written (empty before).
    [[nodiscard]] const std::string& WrittenPath() const { return written_; }

    /// What each output's dialog and question say, with the proposed file.
    [[nodiscard]] LayoutOutputRequest Request(OutputLanguage language) const;

private:
    LayoutEditorController& editor_;
    Settings& settings_;
    MessageSink& messages_;
    ToolShell& shell_;
    std::string written_;
};

}  // namespace rekkan
