#pragma once

#include <array>
#include <string>

#include "layout_editor/tool_shell.h"
#include "model/type_catalogue.h"
#include "tools/print_table.h"
#include "util/messages.h"

namespace rekkan {

class LayoutEditorController;

/// Rows of the type notation table: the heading row and one row per type code.
inline constexpr int kTypeNotationRows = kTypeCount + 1;
/// Columns: "  SEQ", " 標準の表記法", " 一般的な記述", " 編集・描画での表記法" (the only one edited).
inline constexpr int kTypeNotationColumns = 4;
inline constexpr int kTypeNotationEditColumn = 3;

/// The label and notation a cell of the edited column stands for: both start as the standard
/// ones; with "<" the label is the trimmed text before it, and with a ">" after it the notation
/// is the trimmed text between. An empty label or notation is the standard one, as reading the
/// definitions file has it.
struct TypeNotationEntry {
    std::string label;
    std::string notation;
};
[[nodiscard]] TypeNotationEntry ParseTypeNotationCell(int code, std::string_view cell);

/// The logic of the type notation editor ("Morvane for Rekkan 項目型の表記法の定義"): the 38-row
/// table over the type catalogue with its one edited column, "更新" (parse, apply, write
/// kvelType.def, the layout editor follows), reset to the standard table, print and about.
class TypeNotationController {
public:
    TypeNotationController(LayoutEditorController& editor, MessageSink& messages, ToolShell& shell);

    /// Every show: the edited column from the catalogue's current labels and notations
    /// (edits not applied with "更新" are dropped).
    void Refill();
    /// Text of cell (row, column); row 0 holds the headings (CP932).
    [[nodiscard]] std::string Cell(int row, int column) const;
    /// The user typed `text` into the edited cell of type row `row` (1 to 37).
    void SetEdited(int row, std::string text);

    /// "更新": asks, then the labels and notations of the edited column go into the catalogue,
    /// the layout editor follows, kvelType.def is written and the user told. True when applied.
    bool Update();
    /// "標準の表記法にリセットする": asks, then the edited column shows the standard values
    /// (nothing is stored until "更新"). True when reset.
    bool Reset();

    /// The table the print command hands to the print routine, columns 6, 24, 20 and 30 letters
    /// of `letterWidth` pixels wide.
    [[nodiscard]] PrintTable TableToPrint(int letterWidth, int rowHeight) const;
    /// "このウィンドウについて": the help text on type names in the text viewer.
    void About();
    /// The definitions file written by "更新" (CP932).
    [[nodiscard]] std::string DefinitionsPath() const;

private:
    LayoutEditorController& editor_;
    MessageSink& messages_;
    ToolShell& shell_;
    std::array<std::string, kTypeCount> edited_;
};

}  // namespace rekkan
