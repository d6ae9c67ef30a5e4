#pragma once

#include <Qt>

namespace rekkan::ui {

/// Item roles the grid models serve and the cell delegate and heading view paint from.
enum CellRole : int {
    GroupRowRole = Qt::UserRole + 1,  ///< bool: a group row
    PastEndRole,                      ///< bool: the field reaches beyond the end of the file
    ErrorRole,                        ///< bool: the field's bytes did not decode
    UndoMarkRole,                     ///< bool: the row the last undo restored
    RulerKindRole,                    ///< int (RulerKind): what the ruler counts
    ByteLengthRole,                   ///< int: the field's byte length
    AllHexRole,                       ///< heading, bool: every row shows hex
    RulerOnRole,                      ///< heading, bool: the ruler is on
    MarkKindRole,                     ///< int (MarkKind): the marks under a browse cell
    FixedCellRole,                    ///< bool: a cell of the fixed (frozen) columns
    MarkedRole,                       ///< bool: a search word occurs in the cell
    HeaderKindRole,                   ///< heading, int (HeaderKind): how a browse heading is laid out
    HeaderLineRole,                   ///< heading, QString: line 0 of a browse heading; + k for line k
};

/// The marks drawn along the bottom of a browse cell.
enum class MarkKind : int { None, Hex, Bit };

/// The kind of column of a browse heading, which decides its alignment.
enum class HeaderKind : int {
    CentredFixed,  ///< a fixed column written centred (Rec.No, position)
    LeftFixed,     ///< a fixed column written from the left (the fixed item)
    Item,          ///< a field entry with a value
    GroupItem,     ///< a group item (no value)
};

/// Lines of a browse heading.
inline constexpr int kBrowseHeaderLines = 4;

}  // namespace rekkan::ui
