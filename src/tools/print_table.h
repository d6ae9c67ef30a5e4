#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace rekkan {

/// A grid of text handed to the print routine by every print command. Texts are CP932, sizes
/// are screen pixels, colours are in the settings' integer form (BGR).
struct PrintTable {
    std::vector<std::vector<std::string>> cells;  ///< rows of cells; fixed rows first
    std::vector<int> columnWidths;                ///< one per column
    std::vector<int> rowHeights;                  ///< per row; rows past its end take defaultRowHeight
    int defaultRowHeight = 18;
    int fixedRows = 0;
    int fixedColumns = 0;
    int fixedColour = 0xC0C0C0;  ///< background of the fixed cells
    int lineWidth = 1;           ///< grid line width
    std::string fontName = "IPAGothic";
    int fontSize = 9;  ///< points
    std::string documentName = "Rekkan";
    std::string title;                    ///< printed above the headings on every page
    std::array<std::string, 4> headings;  ///< four heading lines under the title; empty ones allowed
    int rowLimit = 0;                     ///< most rows printed after the fixed ones; 0 for no limit

    [[nodiscard]] int RowCount() const { return static_cast<int>(cells.size()); }
    [[nodiscard]] int ColumnCount() const { return static_cast<int>(columnWidths.size()); }
    [[nodiscard]] int RowHeight(int row) const;
    /// Rows that are printed: every row, or the fixed ones and rowLimit more.
    [[nodiscard]] int PrintedRowCount() const;
    /// True when the row limit leaves rows out.
    [[nodiscard]] bool IsCut() const { return PrintedRowCount() < RowCount(); }
    /// The note printed under the headings when rows are left out, naming the limit and the
    /// number of rows; empty when nothing is cut.
    [[nodiscard]] std::string CutNote() const;
    /// The text of cell (row, column); empty for a cell a short row lacks.
    [[nodiscard]] std::string_view Cell(int row, int column) const;
};

/// The row limit of the record editor's print.
inline constexpr int kRecordPrintRowLimit = 2000;

/// A one-column table of the lines of `text`, each with one leading blank, as wide as the
/// longest line in `letterWidth` pixels per byte.
[[nodiscard]] PrintTable TextLinesTable(std::string_view text, std::string_view title, int letterWidth);

/// A range [begin, end) of the items that are not fixed.
struct PageSpan {
    int begin = 0;
    int end = 0;
    friend bool operator==(const PageSpan&, const PageSpan&) = default;
};

/// How the items after the first `fixedCount` of `sizes` are split into pages of `available`
/// pixels, each page repeating the fixed items first. An item larger than a page gets a page of
/// its own. No items after the fixed ones give one empty page.
[[nodiscard]] std::vector<PageSpan> SplitIntoPages(const std::vector<int>& sizes, int fixedCount, int available);

}  // namespace rekkan
