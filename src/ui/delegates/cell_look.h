#pragma once

namespace rekkan::ui {

/// The facts of one cell of the field grid that decide its colours.
struct CellFacts {
    int column = 0;         ///< 0 SEQ ... 7 content
    bool group = false;     ///< a group row
    bool pastEnd = false;   ///< the field reaches beyond the end of the file
    bool error = false;     ///< the field's bytes did not decode
    bool undoMark = false;  ///< the row the last undo restored
};

/// Colours of a cell as stored colour values (BGR, or system colours as negative values).
struct CellLook {
    int background = 0;
    int text = 0;
    bool operator==(const CellLook&) const = default;
};

/// Colours of the field grid that the window rules leave to us (BGR).
namespace look {
inline constexpr int kGrid = 0x503C28;                         ///< data cells of columns 0 to 6
inline constexpr int kHeading = 0x80582C;                      ///< headings
inline constexpr int kButton = static_cast<int>(0x8000000Fu);  ///< system button face
inline constexpr int kButtonText = 0x000000;
inline constexpr int kContent = static_cast<int>(0x80000005u);  ///< system window colour
inline constexpr int kContentText = 0x000000;
}  // namespace look

/// The colours of a data cell: white on the grid colour in columns 0 to 6, gold text in group
/// rows from column 1 on, red on 0x5F5F5F for past-end fields (columns 0 to 4) and for the
/// error mark, the button colour for the "HEX" cell, grey content cells in group rows, and
/// white on black for the content the last undo restored.
[[nodiscard]] CellLook CellLookOf(const CellFacts& facts);

/// The colours of a heading: white on the heading colour; the "HEX" heading on the button
/// colour with black text (blue while every row shows hex).
[[nodiscard]] CellLook HeadingLookOf(int column, bool allHex);

}  // namespace rekkan::ui
