#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rekkan {

// The measures of the browse table in pixels, from the width w of "A" in the grid font.

/// Entries of "最大列幅": index k is 2k + 4 characters (4 to 80).
inline constexpr int kMaxWidthChoices = 39;
/// The "最大列幅" index used when the settings hold none (16 characters).
inline constexpr int kDefaultMaxWidthIndex = 6;
/// Entries of "折り返し": " 自動", " 無し", then 2 to 30 lines.
inline constexpr int kFoldChoices = 31;
/// Entries of "固定列幅": 0 to 99 characters.
inline constexpr int kFixedWidthChoices = 100;

/// The width limit in characters of "最大列幅" index `index` (clamped): its number plus one.
[[nodiscard]] double WidthLimitChars(int index);
/// The text of "最大列幅" entry `index`: " " + (2k + 4) + " 桁" (CP932).
[[nodiscard]] std::string MaxWidthChoiceText(int index);
/// The text of "折り返し" entry `index`: " 自動", " 無し" or " " + n + " 行" (CP932).
[[nodiscard]] std::string FoldChoiceText(int index);
/// The text of "固定列幅" entry `index`: " " + n + "桁" (CP932).
[[nodiscard]] std::string FixedWidthChoiceText(int index);

/// A column's width after growing for a text of `textBytes` bytes: min(n + 1.5, limit) x w,
/// rounded, taken only when wider than `current` (columns never shrink this way).
[[nodiscard]] int GrownWidth(int current, int textBytes, double limitChars, int charWidth);

/// One cell of a row as folding sees it: the text's width and the column's.
struct FoldCell {
    int textWidth = 0;    ///< bytes x w
    int columnWidth = 0;  ///< pixels; a column under 1 pixel never folds
};

/// Lines of a row under "折り返し" entry `foldIndex`: the largest over the cells of
/// 1 + round(text ÷ column) where the text is wider than its column, else 1; capped at n with
/// the entry " n 行"; always 1 with " 無し".
[[nodiscard]] int FoldLines(const std::vector<FoldCell>& cells, int foldIndex);
/// Height of a row of `lines` lines: round(lines x text + text x 0.5) from two lines on, else
/// the default row height.
[[nodiscard]] int RowHeight(int lines, int textHeight, int defaultHeight);

/// Data rows that fit a table area `areaHeight` high: round(area ÷ (row 0 + grid line)) rows,
/// at least 5, less the 4 header rows.
[[nodiscard]] int DataRowCount(int areaHeight, int rowHeight, int gridLineWidth);

/// Characters per line of a wrapped cell: round((cell width - w) ÷ w), at least 1.
[[nodiscard]] int WrapChars(int cellWidth, int charWidth);
/// Lines of a wrapped cell drawn from 2 pixels inside its top: a line whose bottom reaches the
/// cell's bottom edge is not drawn.
[[nodiscard]] int DrawnLines(int cellHeight, int lineHeight);

/// One mark under a hex or BIT cell: its x and whether it is a fifth (dark red) mark.
struct CellMark {
    int x = 0;
    bool fifth = false;
    friend bool operator==(const CellMark&, const CellMark&) = default;
};
/// The marks along the bottom of a cell at `left` for a field of `byteLength` bytes: one per
/// byte every 2 characters in hex display, else two per byte every 4 characters (BIT); mark k
/// at left + round((k + 1) x step x w + 3) - 1. Marks past `clipRight` are left out, so a
/// field of any length costs no more than the cell is wide.
[[nodiscard]] std::vector<CellMark> CellMarks(bool hexDisplay, int byteLength, int charWidth, int left, int clipRight);

}  // namespace rekkan
