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
};

}  // namespace rekkan::ui
