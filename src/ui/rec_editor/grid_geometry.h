#pragma once

#include <array>

namespace rekkan::ui {

/// Columns of the record editor's field grid.
enum FieldColumn : int {
    kColSeq = 0,
    kColPos = 1,
    kColSize = 2,
    kColType = 3,
    kColName = 4,
    kColError = 5,
    kColHex = 6,
    kColContent = 7,
    kFieldColumnCount = 8,
};

/// Width of the ruler switch at the left of the "内容" heading, in pixels.
inline constexpr int kRulerButtonWidth = 34;

/// Row height of the field grid: the font's text height times the factor of the grid font
/// size (10: 1.15, 11: 1.2 ... 15: 1.4, any other size 1.1).
[[nodiscard]] int FieldRowHeight(int textHeight, int fontSize);

/// Column widths in pixels: the initial widths in widths of the letter A (the type column as
/// wide as `typeWidth`), replaced for columns 1, 2, 3, 4 and 7 by saved widths above 0.
[[nodiscard]] std::array<int, kFieldColumnCount> FieldColumnWidths(int letterAWidth, int typeWidth,
                                                                   const int (&saved)[kFieldColumnCount]);

/// The next width of the left pane for the "⇔" above the tree: its width at start, a quarter,
/// half and nine tenths of the inner width, in turn, skipping a width equal to `current`.
[[nodiscard]] int NextPaneWidth(int current, int startWidth, int innerWidth);

}  // namespace rekkan::ui
