#pragma once

#include <array>
#include <string>
#include <vector>

#include "layout_editor/row_cells.h"
#include "tools/layout_listing.h"

namespace rekkan {

/// What printing the layout hands to the grid print preview: a header row and one row per
/// item in the eleven columns of the editor grid (the LVL column stays empty and is printed
/// with width 0), and three heading lines. Texts are CP932.
struct LayoutPrintGrid {
    std::array<std::string, kGridColumns> header;
    std::vector<std::array<std::string, kGridColumns>> rows;
    std::vector<std::string> headings;  ///< layout comment, record length, prefix
};

/// The print grid of `source` (the layout, or the redefinition view the editor shows): each
/// header is " " + the trimmed editor header; each cell is " " + the value the text/CSV
/// listing gives, the name cell being indentation, level and name, trimmed on the right.
[[nodiscard]] LayoutPrintGrid MakeLayoutPrintGrid(const ListingSource& source, const ListingOptions& options,
                                                  LangPriority priority);

}  // namespace rekkan
