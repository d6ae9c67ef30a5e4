#pragma once

#include <string>
#include <vector>

#include "model/geometry.h"
#include "model/layout_document.h"

namespace rekkan {

/// One row kept by the redefinition view: the row, with the modified flag and the layout
/// comment as they were when the view was entered.
struct TRspecOBJ {
    TRspec row;
    bool modified = false;
    std::string RdfCmt;
};

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

/// The gathered record of every redefinition of a layout.
struct RedefinitionViewTable {
    std::vector<TRspecOBJ> list;  ///< view list: root, then per redefinition a head and its rows
    std::vector<TRspec> rows;     ///< the view's item table (tag rows inserted for formats 1-4)
    std::string RdfCmt;           ///< the view's layout comment
    int headCount = 0;            ///< head rows counted (formats other than 0)
};

/// Builds the view of `doc`. `geometry` must hold a pass over `doc` (positions and subtree
/// ends); its `Taken` flags are used and left set.
[[nodiscard]] RedefinitionViewTable BuildRedefinitionView(const LayoutDocument& doc, Geometry& geometry, int format,
                                                          int tagLength);

/// A layout as the redefinition view shows it, for the outputs: the view's rows and comment,
/// the record length of the gathered record, and the position column of every row.
struct RedefinitionViewDocument {
    LayoutDocument doc;
    std::vector<std::string> positions;  ///< `RdfPos`; blank for the root and unknown positions
};

/// The view of `doc` (which is not changed) in the given format.
[[nodiscard]] RedefinitionViewDocument MakeViewDocument(const LayoutDocument& doc, int format, int tagLength);
/// The position column of rows already in the view.
[[nodiscard]] std::vector<std::string> ViewPositions(const std::vector<TRspec>& viewRows);

/// Entering and leaving the view: the ordinary table is saved on entry and given back exactly
/// on leaving.
class RedefinitionView {
public:
    [[nodiscard]] bool Active() const { return active_; }

    /// Saves the table, runs a pass over it, and puts the view's rows and comment into `doc`.
    /// False (nothing done) when the view is already shown. The caller runs the pass over the
    /// view's table.
    bool Enter(LayoutDocument& doc, Geometry& geometry, int format, int tagLength);
    /// Gives `doc` back its rows, modified flag and layout comment as saved. False when the
    /// view is not shown.
    bool Leave(LayoutDocument& doc);

    [[nodiscard]] int Format() const { return format_; }
    [[nodiscard]] int TagLength() const { return tagLength_; }
    [[nodiscard]] const std::vector<TRspecOBJ>& Saved() const { return saved_; }
    [[nodiscard]] const RedefinitionViewTable& Table() const { return table_; }
    [[nodiscard]] std::string ModeText() const { return active_ ? ViewModeText(format_) : std::string(); }

private:
    bool active_ = false;
    int format_ = 0;
    int tagLength_ = 0;
    std::vector<TRspecOBJ> saved_;
    bool savedModified_ = false;
    std::string savedComment_;
    RedefinitionViewTable table_;
};

}  // namespace rekkan
