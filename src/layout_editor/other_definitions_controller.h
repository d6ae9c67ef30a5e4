#pragma once

#include <array>
#include <string>
#include <vector>

#include "layout_editor/tool_shell.h"
#include "model/settings.h"
#include "util/messages.h"

namespace rekkan {

class LayoutEditorController;

/// The drop-down lists of the other definitions window, pages "Integer Size", "表示方法" and the
/// two pages that are not shown ("型名の入力", "再定義の表示方法").
enum class EtcList { Int, Short, Long, Indent, Lang, EditLine, CellEdit, InpTyp, RedPlotType, RedTagLen };
inline constexpr int kEtcLists = 10;

/// One list: its label and item texts (CP932).
struct EtcListInfo {
    std::string label;
    std::vector<std::string> items;
};
[[nodiscard]] const EtcListInfo& EtcListOf(EtcList list);

/// What the window's controls hold; stored and applied only by "更新".
struct EtcChoices {
    std::array<int, kEtcLists> lists{};
    bool kinshiBack = true;    ///< "入力禁止欄" background "有り" (Rbt_KinshiBackOn)
    bool redBack = true;       ///< "再定義項目" background "有り" (Rbt_RedBackOn)
    bool editorOther = false;  ///< "その他のエディタ" (Rbt_EditorOther)
    std::string editorPath;    ///< Edt_EditorPath
    std::string workExt;       ///< Edt_EditorWorkExt

    [[nodiscard]] static EtcChoices FromSettings(const Settings& s);
    [[nodiscard]] int& operator[](EtcList list) { return lists[static_cast<int>(list)]; }
    [[nodiscard]] int operator[](EtcList list) const { return lists[static_cast<int>(list)]; }
};

/// The logic of the other definitions window ("Morvane for Rekkan その他の定義"): the controls'
/// choices loaded from the settings, "更新" with its question, the row-loss warning, the store
/// and the apply steps, the editor choice with "参照", and the switch into and out of the
/// redefinition view.
class OtherDefinitionsController {
public:
    OtherDefinitionsController(LayoutEditorController& editor, MessageSink& messages, ToolShell& shell);

    /// The controls' choices (the window sets and reads them).
    [[nodiscard]] EtcChoices& Choices() { return choices_; }
    [[nodiscard]] const EtcChoices& Choices() const { return choices_; }
    /// The editor path box and "参照" are available only with "その他のエディタ".
    [[nodiscard]] bool EditorPathEnabled() const { return choices_.editorOther; }
    /// The read-only work file name: "KvelWk" + the layout editor's start time (HHMMSS).
    [[nodiscard]] std::string WorkFileName() const;

    /// The editor path or work-file extension box was typed into (`cp932`; `lossless` false when
    /// the text held characters Shift-JIS cannot). A text that lost characters is not taken: the
    /// choice stays. Returns the line the window shows under its pages, empty when taken.
    [[nodiscard]] std::string TypeEditorPath(const std::string& cp932, bool lossless);
    [[nodiscard]] std::string TypeWorkExtension(const std::string& cp932, bool lossless);

    /// "更新". True when the settings were stored and applied.
    bool Update();
    /// "参照": the chosen program (trimmed) goes into the path box and the settings at once.
    /// True when one was chosen.
    bool BrowseEditor();

    /// The check box of the "表示方法" page: whether the layout editor shows the redefinition view.
    [[nodiscard]] bool ViewShown() const;
    /// Enters (true) or leaves the redefinition view; true when the editor changed.
    bool SetViewShown(bool shown);

private:
    void Store();
    [[nodiscard]] bool AskTruncate(int count);
    void TruncateRows(int count);

    LayoutEditorController& editor_;
    Settings& settings_;
    MessageSink& messages_;
    ToolShell& shell_;
    EtcChoices choices_;
};

}  // namespace rekkan
