#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "layout_editor/type_list.h"
#include "model/geometry.h"
#include "model/item_row.h"

namespace rekkan {

/// Columns of the item grid: SEQ, POS, LVL, then the eight item cells.
inline constexpr int kGridColumns = 11;

/// Header texts of the eleven grid columns (" SEQ", " 位置", " ⇔", " 項目名", ...); the type
/// column names the language priority (" 型 <COBOL 優先>").
[[nodiscard]] std::array<std::string, kGridColumns> GridHeaders(LangPriority priority);

/// Texts of the item cells of one grid row (columns 3 to 10), CP932.
struct RowTexts {
    std::string name{};       ///< 3: indentation, two-digit level, blank, item name
    std::string varName{};    ///< 4
    std::string redefines{};  ///< 5
    std::string type{};       ///< 6: shown only; a type is chosen from the type list
    std::string repeat{};     ///< 7
    std::string digits{};     ///< 8
    std::string decimals{};   ///< 9
    std::string remarks{};    ///< 10

    /// True when any of the eight cells holds more than blanks.
    [[nodiscard]] bool HasText() const;
};

/// The cells the grid shows for an item row (blanks per level = `indentWidth`).
[[nodiscard]] RowTexts FormatRowCells(const TRspec& row, int indentWidth,
                                      const TypeLabelFn& typeLabel = StandardTypeLabel);
/// Column 0: the 1-based row number right-aligned in 5 characters.
[[nodiscard]] std::string SeqCellText(int row);
/// Column 1: `Pos` (blank when -1); in the redefinition view `RdfPos`, blank for the root row
/// and for rows without a known position.
[[nodiscard]] std::string PositionCellText(const TRspec& row, const GeometryRow& geometry, bool redefinitionView);
/// The level as two digits, the last two of LVL + 100 ("01" to "15").
[[nodiscard]] std::string LevelDigits(int level);

/// The name cell split into its leading level digits (up to two) and the trimmed name.
struct LevelAndName {
    std::optional<int> level;
    std::string name;
};
[[nodiscard]] LevelAndName SplitLevelAndName(std::string_view cell);

/// The leading decimal digits of a trimmed cell; 0 when there are none. Values beyond
/// 999,999,999 are held at that bound.
[[nodiscard]] int LeadingNumber(std::string_view cell);

}  // namespace rekkan
