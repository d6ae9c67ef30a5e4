#pragma once

#include <string>
#include <vector>

#include "model/geometry.h"
#include "model/layout_document.h"

namespace rekkan {

/// Row kinds of the redefinition view (`RdfKind`).
enum RdfRowKind : int { kRdfOrdinary = 0, kRdfRoot = 1, kRdfHead = 2, kRdfTag = 3 };

/// Number of view formats (Cmb_RedPlotType 0 to 6).
inline constexpr int kViewFormatCount = 7;
/// Most characters of an embedded tag (Cmb_RedTagLen 0 to 20).
inline constexpr int kMaxTagLength = 20;

/// Name of a view format as the other definitions window lists it (CP932).
[[nodiscard]] std::string ViewFormatName(int format);
/// Formats 1 to 4 embed a tag row after each head.
[[nodiscard]] bool FormatEmbedsTags(int format);
/// The mode text shown above the grid in the view: "≪ 再定義項目 ≫" + the format's name.
[[nodiscard]] std::string ViewModeText(int format);

/// The gathered record of every redefinition of a layout, as a layout of its own: a root row,
/// then per redefinition a head row (with a tag row in formats 1 to 4) and the redefining
/// rows renumbered from level 3.
struct RedefinitionViewDocument {
    LayoutDocument doc;                  ///< the layout with the view's rows and comment
    Geometry geometry;                   ///< measures of the view's rows (the gathered record)
    std::vector<std::string> positions;  ///< position column: each row's place in the layout
    int headCount = 0;                   ///< head rows counted (formats other than 0)
};

/// The redefinition view of `doc` in the given format; `doc` is only read.
[[nodiscard]] RedefinitionViewDocument MakeViewDocument(const LayoutDocument& doc, int format, int tagLength);

/// The position cell of a view row: its place in the layout, blank for the root and for
/// places that are not known.
[[nodiscard]] std::string ViewPositionText(const TRspec& viewRow);

}  // namespace rekkan
